#include "engine_table.h"

#include "engine/field_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace bramlow::test {

namespace {

// The codes that '.', 'S', 'G', 's', 'g' stand for on `feld`; 0 where the piece cannot stand.
std::vector<CellCode> codesOn(const std::string& feld)
{
    const Cell cell = *cellNamed(feld);
    const bool odd = isOddSquare(cell);
    const bool startRow = cell.first == 1;
    if (cell.letter == 's')
        return {SILBER_HOME_EMPTY, SILBER_HOME, 0, startRow ? SILBER_SELECTED : UNUSED_CELL, 0};
    if (cell.letter == 'g')
        return {GOLD_HOME_EMPTY, 0, GOLD_HOME, 0, startRow ? GOLD_SELECTED : UNUSED_CELL};
    return {odd ? EMPTY_ODD : EMPTY_EVEN, odd ? SILBER_ODD : SILBER_EVEN, odd ? GOLD_ODD : GOLD_EVEN,
            SILBER_SELECTED, GOLD_SELECTED};
}

const std::string symbolChars = ".SGsg";
const char* const boxNames[] = {"ausgabe1", "ausgabe2", "speicher", "speicher2"};

} // namespace

void RecordingView::setText(TextBox box, const std::string& text)
{
    log.push_back(std::string(boxNames[static_cast<int>(box)]) + " := " + text);
    texts_[static_cast<int>(box)] = text;
}

void RecordingView::setCellPicture(CellArray array, std::int16_t index, const std::string& file)
{
    const char letter = array == CellArray::b ? 'b' : array == CellArray::s ? 's' : 'g';
    const std::string feld = letter + std::to_string(index);
    log.push_back(feld + " <- " + file + (peek ? " over " + std::to_string(peek->lese(feld)) : ""));
}

void RecordingView::setImage1Enabled(bool enabled)
{
    log.push_back(enabled ? "Image1 enabled" : "Image1 disabled");
    image1Enabled = enabled;
}

void RecordingView::setDieVisible(bool visible)
{
    log.push_back(visible ? "wuerfel shown" : "wuerfel hidden");
    dieVisible = visible;
}

float ScriptedDie::next()
{
    if (values.empty() && then)
        return then->next();
    if (values.empty()) {
        ADD_FAILURE() << "the engine drew more random numbers than the test queued";
        return 0.0f;
    }
    const float x = values.front();
    values.pop_front();
    return x;
}

float rollOf(int face) { return static_cast<float>((face - 0.75) / 5.4); }

const std::vector<std::string>& allFields()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (int k = 1; k <= 8; ++k)
            all.push_back(fieldName('g', 2, k));
        for (int row = 8; row >= 1; --row) {
            all.push_back(fieldName('s', 1, row));
            for (int col = 1; col <= 8; ++col)
                all.push_back(fieldName('b', row, col));
            all.push_back(fieldName('s', 2, row));
        }
        for (int k = 1; k <= 8; ++k)
            all.push_back(fieldName('g', 1, k));
        return all;
    }();
    return names;
}

const Diagram& startPosition()
{
    static const Diagram start = {"+........+", "S.........", "S.........", "S.........", "S.........",
                                  "S.........", "S.........", "S.........", "S.........", "+GGGGGGGG+"};
    return start;
}

void GameTable::setPosition(const Diagram& position)
{
    std::string cells;
    for (const std::string& line : position)
        std::copy_if(line.begin(), line.end(), std::back_inserter(cells), [](char c) { return c != '+'; });
    if (cells.size() != allFields().size())
        throw std::invalid_argument("a position shows 96 fields");
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& feld = allFields()[i];
        const auto symbol = symbolChars.find(cells[i]);
        const CellCode code = symbol == std::string::npos ? 0 : codesOn(feld)[symbol];
        if (code == 0)
            throw std::invalid_argument("bad symbol on " + feld);
        engine.drucke(feld, code);
    }
    view.log.clear();
}

std::string GameTable::symbols() const
{
    std::string cells;
    for (const std::string& feld : allFields()) {
        const auto codes = codesOn(feld);
        const CellCode code = engine.lese(feld);
        const auto at = std::find(codes.begin(), codes.end(), code);
        cells += code != 0 && at != codes.end() ? symbolChars[at - codes.begin()] : '?';
    }
    return cells;
}

Diagram GameTable::position() const
{
    const std::string cells = symbols();
    Diagram diagram = {"+" + cells.substr(0, 8) + "+"};
    for (std::size_t line = 0; line < 8; ++line)
        diagram.push_back(cells.substr(8 + 10 * line, 10));
    diagram.push_back("+" + cells.substr(88) + "+");
    return diagram;
}

void GameTable::setTexts(const std::string& player, const std::string& prompt)
{
    view.setText(TextBox::ausgabe1, player);
    view.setText(TextBox::ausgabe2, prompt);
    view.log.clear();
}

void GameTable::rollFor(const std::string& player, int face, const std::string& pickUp)
{
    setTexts(player, "Bitte wuerfeln!");
    die.values.push_back(rollOf(face));
    engine.wuerfel_Click();
    EXPECT_EQ(engine.wurf(), face);
    if (!pickUp.empty()) {
        click(pickUp);
        EXPECT_EQ(prompt(), "Wohin bewegen?") << "picking up " << pickUp;
    }
    view.log.clear();
}

void GameTable::click(const std::string& feld)
{
    const auto index = static_cast<std::int16_t>(std::stoi(feld.substr(1)));
    if (feld[0] == 'b')
        engine.b_Click(index);
    else if (feld[0] == 's')
        engine.s_Click(index);
    else
        engine.g_Click(index);
}

} // namespace bramlow::test
