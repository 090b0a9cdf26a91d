#pragma once
// The move generator of position.h against the engine itself: on a random position after a
// random roll, a cell takes the player's piece exactly when the generator says the piece
// may be moved, a destination takes it exactly when the generator lists the move, and then
// the engine's position is the generator's. The test runs two thousand positions, the
// program bench/engine/generator_check a million.

#include "engine/engine.h"
#include "engine/position.h"
#include "quiet_table.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace bramlow::test {

// The benchmarks' quiet window, and a die that shows what it is told.
struct QuietTable : bench::QuietWindow, RandomSource {
    float draw = 0.0f;
    Engine engine{*this, *this};

    float next() override { return draw; }

    // `position` on the grids, `player` to move and `roll` rolled.
    void setUp(const Position& position, Player player, int roll)
    {
        for (int square = 0; square < frameSquares; ++square) {
            if (const auto cell = cellOf(square))
                engine.drucke(cell->name(), *restingCode(*cell, position.at(*cell)));
        }
        texts[0] = playerText(player);
        texts[1] = "Bitte wuerfeln!";
        draw = static_cast<float>((roll - 0.5) / 5.4);
        engine.wuerfel_Click();
    }
    void click(const Cell& cell)
    {
        const auto handler = cell.letter == 'b' ? &Engine::b_Click : cell.letter == 's' ? &Engine::s_Click : &Engine::g_Click;
        (engine.*handler)(cell.index());
    }
};

// Eight pieces each on cells open to them (board, own start row, own target row), at random.
inline Position randomPosition(std::mt19937& random)
{
    Position position;
    for (const Player player : {Player::silber, Player::gold}) {
        for (int placed = 0; placed < 8;) {
            const auto cell = cellOf(static_cast<int>(random() % frameSquares));
            const bool open = cell && (cell->letter == 'b' || cell->letter == (player == Player::silber ? 's' : 'g'));
            if (open && position.at(*cell) == Occupant::none) {
                position.put(*cell, occupantOf(player));
                ++placed;
            }
        }
    }
    return position;
}

// The first disagreement, or "": every cell is tried for the pick-up (and every move must
// start where one is taken), and every cell as the destination of one of the player's pieces
// chosen by `random`.
inline std::string generatorDisagreement(QuietTable& table, const Position& position, Player player, int roll,
                                         std::mt19937& random)
{
    const MoveList moves = position.legalMoves(player, roll);
    const SquareSet movable = position.pieces(player).without(targetRow(player));
    const std::string turn = ", " + playerText(player) + ", roll " + std::to_string(roll);
    table.setUp(position, player, roll);
    for (int square = 0; square < frameSquares; ++square) {
        const auto cell = cellOf(square);
        if (!cell)
            continue;
        table.click(*cell);
        if ((table.texts[1] == "Wohin bewegen?") != movable.contains(static_cast<Square>(square)))
            return "pick-up of " + cell->name() + turn;
        if (table.texts[1] != "Welche Figur bewegen?")
            table.setUp(position, player, roll);
    }
    for (const Move move : moves) {
        if (!movable.contains(move.from))
            return "a move from " + cellOf(move.from)->name() + ", which the engine does not let go" + turn;
    }
    if (movable.empty())
        return "";
    std::vector<Square> pieces;
    movable.forEach([&](Square s) { pieces.push_back(s); });
    const Square from = pieces[random() % pieces.size()];
    table.click(*cellOf(from));
    for (int square = 0; square < frameSquares; ++square) {
        const auto cell = cellOf(square);
        if (!cell)
            continue;
        const Move move{from, static_cast<Square>(square)};
        table.click(*cell);
        const bool accepted = table.texts[1] != "Wohin bewegen?";
        if (accepted != (std::find(moves.begin(), moves.end(), move) != moves.end()))
            return "from " + cellOf(from)->name() + " to " + cell->name() + turn;
        if (!accepted)
            continue;
        Position after = position;
        after.play(player, move);
        if (table.engine.position() != after)
            return "position after " + cellOf(from)->name() + " to " + cell->name() + turn;
        table.setUp(position, player, roll);
        table.click(*cellOf(from));
    }
    return "";
}

} // namespace bramlow::test
