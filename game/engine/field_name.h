#pragma once
// Field names: the grid letter (`b` board, `s` Silber's home, `g` Gold's home) and two
// decimal digits, which are also the Index of the cell's picture control: b34 is board
// row 3 from the bottom, column 4 from the left; s21 is Silber's first target cell.

#include <cstdint>
#include <optional>
#include <string>

namespace bramlow {

// One of the 96 cells that have a picture control.
struct Cell {
    char letter = 'b'; // 'b', 's' or 'g'
    std::int16_t first = 1; // b: row 1..8; s, g: 1 = start row, 2 = target row
    std::int16_t second = 1; // 1..8

    std::int16_t index() const { return static_cast<std::int16_t>(first * 10 + second); }
    std::string name() const;
    bool operator==(const Cell&) const = default;
};

inline bool isGridLetter(char letter) { return letter == 'b' || letter == 's' || letter == 'g'; }

// The cell in grid `letter` at `first`, `second`, or nothing when no control stands there.
// Inline, as cellNamed: they run for every click and every name read, where a call (and
// the optional passed back through memory) costs more than they do.
inline std::optional<Cell> cellAt(char letter, int first, int second)
{
    // The home areas have two rows only.
    const int rows = letter == 'b' ? 8 : 2;
    if (!isGridLetter(letter) || first < 1 || first > rows || second < 1 || second > 8)
        return std::nullopt;
    return Cell{letter, static_cast<std::int16_t>(first), static_cast<std::int16_t>(second)};
}

// The cell that `feld` names, or nothing when `feld` is not exactly a grid letter and two
// digits naming a cell that has a control (b11..b88 without 0 or 9, s/g 11..18, 21..28).
inline std::optional<Cell> cellNamed(const std::string& feld)
{
    if (feld.size() != 3 || feld[1] < '1' || feld[1] > '8' || feld[2] < '1' || feld[2] > '8')
        return std::nullopt;
    return cellAt(feld[0], feld[1] - '0', feld[2] - '0');
}

// The cell of array `letter` whose control has `index`, or nothing when no control has it.
std::optional<Cell> cellWithIndex(char letter, std::int16_t index);

// Board squares keep their colour: r + c odd holds EMPTY_ODD, SILBER_ODD or GOLD_ODD.
inline bool isOddSquare(const Cell& cell) { return (cell.first + cell.second) % 2 == 1; }

// "b" followed by 3 and 4 gives b34: the way set-up, capture and the win test build names.
std::string fieldName(char letter, int first, int second);

} // namespace bramlow
