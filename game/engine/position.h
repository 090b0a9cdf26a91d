#pragma once
// A position as a small value: who stands on each of the 96 cells, keyed by the cell's place
// on the 10 x 10 frame (destination_checks.h), so that a distance is a difference of places.
// It is 32 bytes, which lets the computer try moves on copies. It knows no names and no
// codes: the engine fills it from its grids, and the window's names stay at the boundary.

#include "engine/cell_code.h"
#include "engine/field_name.h"
#include "engine/player.h"
#include "engine/square_set.h"

#include <array>
#include <cstdint>
#include <optional>

namespace bramlow {

// Square: row * 10 + column on the frame. Board cell b(r, c) is r * 10 + c; Silber's start
// cell k is k * 10, its target cell k * 10 + 9; Gold's start cell k is k, its target cell
// 90 + k. The four corners 0, 9, 90 and 99 are no cell.
inline constexpr int frameSquares = 100;

Square squareOf(const Cell& cell);
// Nothing for a corner or a number outside 0..99.
std::optional<Cell> cellOf(int square);

enum class Occupant : std::uint8_t { none, silber, gold };

struct Move {
    Square from;
    Square to;
    bool operator==(const Move&) const = default;
};

// Room for every move of a player who stands on every cell, as a grid written wildly could
// show, with 13 destinations each at most (a roll of 6: forward 0..6, and to either side by
// what is left).
class MoveList {
public:
    static constexpr int capacity = 96 * 13;
    void add(Move move) { moves_[count_++] = move; }
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const Move& operator[](int i) const { return moves_[i]; }
    const Move* begin() const { return moves_.data(); }
    const Move* end() const { return moves_.data() + count_; }

private:
    std::array<Move, capacity> moves_;
    int count_ = 0;
};

class Position {
public:
    Occupant at(Square square) const;
    Occupant at(const Cell& cell) const { return at(squareOf(cell)); }
    void put(const Cell& cell, Occupant who);

    const SquareSet& pieces(Player player) const { return pieces_[static_cast<int>(player)]; }

    // Every move `player` may make with `roll` (1..6): pick up one of their pieces outside
    // their target row, and put it exactly `roll` steps away along rows and columns, never
    // backwards, on a board square or a free cell of their own target row, not on one of
    // their own pieces. An opponent's piece there is captured. What stands between does not
    // matter. No move for any other roll.
    MoveList legalMoves(Player player, int roll) const;

    // The squares a piece of `player` on `from` may land on with `roll`, whatever stands
    // there; empty for a roll outside 1..6.
    static const SquareSet& reach(Player player, Square from, int roll);
    // The same for every roll at once: element r for the roll r, element 0 for any roll.
    // `from` is 0..99.
    static const std::array<SquareSet, 7>& reachByRoll(Player player, Square from);

    // Plays a move of `player` from legalMoves: a captured piece goes to the
    // highest-numbered free cell of its owner's start row.
    void play(Player player, Move move);

    // All of the player's target row is taken by their pieces.
    bool hasWon(Player player) const;

    bool operator==(const Position&) const = default;

private:
    std::array<SquareSet, 2> pieces_;
};

Occupant occupantOf(Player player);

// How far the square is from `player`'s start row along their way: Silber's column, Gold's row.
inline int progress(Player player, Square square) { return player == Player::silber ? square % 10 : square / 10; }

// The code a cell shows with `who` on it, not picked up; nothing where that piece cannot
// stand (Gold in Silber's home, Silber in Gold's).
std::optional<CellCode> restingCode(const Cell& cell, Occupant who);

// The player's target row: Silber's column 9, Gold's row 9.
const SquareSet& targetRow(Player player);

} // namespace bramlow
