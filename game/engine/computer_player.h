#pragma once
// The computer's choice of move: the window asks it after the roll and then clicks the two
// cells it names through the same handlers that a mouse click reaches.

#include "engine/engine.h"

#include <cstdint>
#include <optional>

namespace bramlow {

// A click on one picture control: `letter` is 'b', 's' or 'g', `index` the cell's Index
// (11..88), as the handlers b_Click, s_Click and g_Click take it.
struct CellClick {
    char letter;
    std::int16_t index;
    bool operator==(const CellClick&) const = default;
};

// The two clicks after the roll: the piece to pick up, then where it goes.
struct ComputerMove {
    CellClick piece;
    CellClick destination;
    bool operator==(const ComputerMove&) const = default;
};

// How well the computer plays. Leicht plays like a beginner (forward, and a capture it
// sees), Mittel searches two moves deep, Stark searches three with a judgement fitted to
// the outcomes of played games (beginner_move.h, computer_search.h, strong_search.h).
enum class ComputerLevel { Leicht, Mittel, Stark };

// The move the computer makes for the player whose turn the window shows, after the roll
// that the engine holds (engine.wurf()); empty when no move is legal for that roll (the
// computer then ends the turn with the logo) or when no player's turn is shown. Reads the
// position through the engine; changes nothing. Every level is deterministic: the same
// position and roll give the same move.
std::optional<ComputerMove> chooseComputerMove(const Engine& engine, ComputerLevel level);

// Mittel.
std::optional<ComputerMove> chooseComputerMove(const Engine& engine);

} // namespace bramlow
