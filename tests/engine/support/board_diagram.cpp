#include "board_diagram.h"

#include <stdexcept>

namespace bramlow::test {

namespace {

// The field at diagram row `line` (0 = top), column `col`, or "" for a corner.
std::string fieldAt(int line, int col)
{
    const int row = 9 - line;
    const bool edgeRow = row == 0 || row == 9;
    const bool edgeCol = col == 0 || col == 9;
    if (edgeRow && edgeCol)
        return "";
    if (row == 0)
        return "g1" + std::to_string(col);
    if (row == 9)
        return "g2" + std::to_string(col);
    if (col == 0)
        return "s1" + std::to_string(row);
    if (col == 9)
        return "s2" + std::to_string(row);
    return "b" + std::to_string(row) + std::to_string(col);
}

bool oddSquare(const std::string& feld) { return (feld[1] - '0' + feld[2] - '0') % 2 == 1; }

CellCode codeFor(const std::string& feld, char c)
{
    const char grid = feld[0];
    if (grid == 'b') {
        const bool odd = oddSquare(feld);
        switch (c) {
        case '.':
            return odd ? EMPTY_ODD : EMPTY_EVEN;
        case 'S':
            return odd ? SILBER_ODD : SILBER_EVEN;
        case 'G':
            return odd ? GOLD_ODD : GOLD_EVEN;
        case 's':
            return SILBER_SELECTED;
        case 'g':
            return GOLD_SELECTED;
        }
    } else if (grid == 's') {
        switch (c) {
        case '.':
            return SILBER_HOME_EMPTY;
        case 'S':
            return SILBER_HOME;
        case 's':
            return SILBER_SELECTED;
        }
    } else {
        switch (c) {
        case '.':
            return GOLD_HOME_EMPTY;
        case 'G':
            return GOLD_HOME;
        case 'g':
            return GOLD_SELECTED;
        }
    }
    throw std::invalid_argument(std::string("'") + c + "' cannot stand on " + feld);
}

char charFor(const std::string& feld, CellCode code)
{
    for (const char c : {'.', 'S', 'G', 's', 'g'}) {
        try {
            if (codeFor(feld, c) == code)
                return c;
        } catch (const std::invalid_argument&) {
        }
    }
    return '?';
}

} // namespace

std::map<std::string, CellCode> codesOf(const Diagram& diagram)
{
    if (diagram.size() != 10)
        throw std::invalid_argument("a diagram has ten rows");
    std::map<std::string, CellCode> codes;
    for (int line = 0; line < 10; ++line) {
        if (diagram[line].size() != 10)
            throw std::invalid_argument("row " + std::to_string(line) + " is not ten characters: " + diagram[line]);
        for (int col = 0; col < 10; ++col) {
            const std::string feld = fieldAt(line, col);
            const char c = diagram[line][col];
            if (feld.empty()) {
                if (c != '+')
                    throw std::invalid_argument("corners are '+'");
                continue;
            }
            codes[feld] = codeFor(feld, c);
        }
    }
    return codes;
}

Diagram diagramOf(const Engine& engine)
{
    Diagram diagram(10, std::string(10, '+'));
    for (int line = 0; line < 10; ++line) {
        for (int col = 0; col < 10; ++col) {
            const std::string feld = fieldAt(line, col);
            if (!feld.empty())
                diagram[line][col] = charFor(feld, engine.lese(feld));
        }
    }
    return diagram;
}

const std::vector<std::string>& allFieldNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (int line = 0; line < 10; ++line) {
            for (int col = 0; col < 10; ++col) {
                if (auto feld = fieldAt(line, col); !feld.empty())
                    result.push_back(feld);
            }
        }
        return result;
    }();
    return names;
}

const Diagram& startPosition()
{
    static const Diagram start = {
        "+........+",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "+GGGGGGGG+",
    };
    return start;
}

} // namespace bramlow::test
