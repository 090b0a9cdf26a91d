#pragma once
// The table the engine tests play on: the engine on a window that writes everything done to
// it into one ordered log, a die that rolls what the test says, and positions as pictures.
//
// A position is ten rows of ten characters, top row first, laid out like the window:
//   "+........+"   Gold's target row g21..g28 between two corners
//   "S.......S."   board rows 8 down to 1: Silber's start cell s1k, squares bk1..bk8, and
//   ...            Silber's target cell s2k
//   "+GGGGGGGG+"   Gold's start row g11..g18
// '.' empty, 'S' Silber, 'G' Gold, 's'/'g' a picked-up piece (never in a target row), '?' a
// code illegal there.

#include "engine_invariants.h"

#include "engine/engine.h"
#include "engine/field_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bramlow::test {

using Log = std::vector<std::string>;
using Diagram = std::vector<std::string>;

inline const std::string silberTurn = "Es spielt Spieler Silber";
inline const std::string goldTurn = "Es spielt Spieler Gold";
inline const Diagram startPosition = {"+........+", "S.........", "S.........", "S.........", "S.........",
                                      "S.........", "S.........", "S.........", "S.........", "+GGGGGGGG+"};

// The codes that the symbols ".SGsg" stand for on `feld`; 0 where the piece cannot stand.
inline std::array<CellCode, 5> codesOn(const std::string& feld)
{
    const Cell cell = *cellNamed(feld);
    const bool odd = isOddSquare(cell), startRow = cell.first == 1;
    if (cell.letter == 's')
        return {SILBER_HOME_EMPTY, SILBER_HOME, 0, startRow ? SILBER_SELECTED : UNUSED_CELL, 0};
    if (cell.letter == 'g')
        return {GOLD_HOME_EMPTY, 0, GOLD_HOME, 0, startRow ? GOLD_SELECTED : UNUSED_CELL};
    return {odd ? EMPTY_ODD : EMPTY_EVEN, odd ? SILBER_ODD : SILBER_EVEN, odd ? GOLD_ODD : GOLD_EVEN, SILBER_SELECTED,
            GOLD_SELECTED};
}

// The 96 symbols of a position in the order of allFields.
inline std::string flat(const Diagram& position)
{
    std::string cells;
    for (const std::string& line : position)
        cells += line.front() == '+' ? line.substr(1, 8) : line;
    return cells;
}

// The engine plays on the table, which is its window and its die at once.
struct GameTable : WindowView, RandomSource {
    // Everything done to the window, in order: "ausgabe2 := Bitte wuerfeln!", "b34 <- 09.bmp",
    // "ausgabe11 := Ich gehe!", "wuerfel <- wuerfel3.bmp", "Image1 enabled", "play gut.wav".
    Log log;
    mutable std::map<std::string, std::string> now; // the last value of each part: "Image1 " -> "enabled"
    std::deque<float> draws; // what the die draws; one draw more throws std::out_of_range
    Engine engine{*this, *this};

    void record(const std::string& part, const std::string& value)
    {
        log.push_back(part + value);
        now[part] = value;
    }
    inline static const std::string boxNames[] = {"ausgabe1 := ", "ausgabe2 := ", "speicher := ", "speicher2 := "};
    std::string text(TextBox box) const override { return now[boxNames[static_cast<int>(box)]]; }
    void setText(TextBox box, const std::string& text) override { record(boxNames[static_cast<int>(box)], text); }
    void setMessage(const std::string& caption) override { record("ausgabe11 := ", caption); }
    void setCellPicture(CellArray array, std::int16_t index, const std::string& file) override
    {
        record("bsg"[static_cast<int>(array)] + std::to_string(index) + " <- ", file);
    }
    void setDiePicture(const std::string& file) override { record("wuerfel <- ", file); }
    void setImage1Enabled(bool enabled) override { record("Image1 ", enabled ? "enabled" : "disabled"); }
    void setDieVisible(bool visible) override { record("wuerfel ", visible ? "shown" : "hidden"); }
    void Play(const std::string& datei) override { record("play ", datei); }
    float next() override
    {
        const float x = draws.at(0);
        draws.pop_front();
        return x;
    }

    // Draws all 96 cells of `position` with drucke, then clears the log. A symbol that stands
    // for no code there draws 0, which symbols() shows as '?'; one not in ".SGsg" throws.
    void setPosition(const Diagram& position)
    {
        for (std::size_t i = 0; i < allFields.size(); ++i)
            engine.drucke(allFields[i], codesOn(allFields[i]).at(std::string(".SGsg").find(flat(position).at(i))));
        log.clear();
    }
    // The position as flat() shows it.
    std::string symbols() const
    {
        std::string cells;
        for (const std::string& feld : allFields) {
            const auto codes = codesOn(feld);
            const auto at = std::find(codes.begin(), codes.end(), engine.lese(feld));
            cells += engine.lese(feld) != 0 && at != codes.end() ? ".SGsg"[at - codes.begin()] : '?';
        }
        return cells;
    }
    void setTexts(const std::string& player, const std::string& prompt)
    {
        setText(TextBox::ausgabe1, player);
        setText(TextBox::ausgabe2, prompt);
        log.clear();
    }
    void click(const std::string& feld) // "b34", "s13", "g21"
    {
        const auto handler = feld[0] == 'b' ? &Engine::b_Click : feld[0] == 's' ? &Engine::s_Click : &Engine::g_Click;
        (engine.*handler)(static_cast<std::int16_t>(std::stoi(feld.substr(1))));
    }
    std::string prompt() const { return text(TextBox::ausgabe2); }
    std::string player() const { return text(TextBox::ausgabe1); }
};

// One whole turn on a fresh table: `player` rolls `roll` and picks up `from` unless that is
// empty, `broken` overwrites a text box, and the click goes to `to`, or to Image1 when `to`
// is empty. Returns what that click did; cells change only through drucke, which it records.
inline Log turn(const Diagram& position, const std::string& player, int roll, const std::string& from,
                const std::string& to, const std::optional<std::pair<TextBox, std::string>>& broken = std::nullopt)
{
    GameTable table;
    table.setPosition(position);
    table.setTexts(player, "Bitte wuerfeln!");
    table.draws = {static_cast<float>((roll - 0.75) / 5.4)}; // int(x * 5.4 + 1) is `roll`
    table.engine.wuerfel_Click();
    if (!from.empty())
        table.click(from);
    EXPECT_EQ(table.prompt(), from.empty() ? "Welche Figur bewegen?" : "Wohin bewegen?") << "picking up " << from;
    if (broken)
        table.setText(broken->first, broken->second);
    table.log.clear();
    if (to.empty())
        table.engine.Image1_Click();
    else
        table.click(to);
    return table.log;
}

} // namespace bramlow::test
