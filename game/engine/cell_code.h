#pragma once
// The code stored per cell, which is also the number of the cell's bitmap (07.bmp shows
// SILBER_SELECTED). No code 3 exists; 0 marks a cell that is never used.

#include <cstdint>
#include <string>

namespace bramlow {

using CellCode = std::int16_t;

inline constexpr CellCode UNUSED_CELL = 0;
inline constexpr CellCode EMPTY_ODD = 1;
inline constexpr CellCode GOLD_HOME_EMPTY = 2;
inline constexpr CellCode SILBER_HOME_EMPTY = 4;
inline constexpr CellCode EMPTY_EVEN = 5;
inline constexpr CellCode SILBER_ODD = 6;
inline constexpr CellCode SILBER_SELECTED = 7;
inline constexpr CellCode SILBER_HOME = 8;
inline constexpr CellCode SILBER_EVEN = 9;
inline constexpr CellCode GOLD_ODD = 10;
inline constexpr CellCode GOLD_HOME = 11;
inline constexpr CellCode GOLD_SELECTED = 12;
inline constexpr CellCode GOLD_EVEN = 13;

// Wherever it stands, picked up or not.
constexpr bool isSilberPiece(CellCode c)
{
    return c == SILBER_ODD || c == SILBER_SELECTED || c == SILBER_HOME || c == SILBER_EVEN;
}

constexpr bool isGoldPiece(CellCode c)
{
    return c == GOLD_ODD || c == GOLD_HOME || c == GOLD_SELECTED || c == GOLD_EVEN;
}

// "0" in front, ".bmp" behind, the last six characters: 7 gives 07.bmp, 13 gives 13.bmp.
std::string pictureFile(CellCode code);

} // namespace bramlow
