#pragma once
// The check value of a game: 32 bits of FNV-1a over the codes of the 96 cells (b11..b88,
// s11..s28, g11..g28) and the texts of ausgabe1, ausgabe2, speicher and speicher2. The record
// writes it after every change of turn, so that an edited or damaged record is found at the
// line where it stops matching; network play compares it after every action.

#include "record/played_game.h"

#include <array>
#include <cstdint>
#include <string>

namespace bramlow {

struct GameSnapshot {
    std::array<CellCode, 96> cells{};
    std::array<std::string, 4> texts; // ausgabe1, ausgabe2, speicher, speicher2
    bool operator==(const GameSnapshot&) const = default;
};

GameSnapshot snapshotOf(const PlayedGame& game);
std::uint32_t checkValue(const GameSnapshot& snapshot);
inline std::uint32_t checkValueOf(const PlayedGame& game) { return checkValue(snapshotOf(game)); }

} // namespace bramlow
