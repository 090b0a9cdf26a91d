#include "engine/position.h"

namespace bramlow {

namespace {

bool isCorner(int row, int column) { return (row == 0 || row == 9) && (column == 0 || column == 9); }

// Where a piece of `player` may land at all, whatever stands there: a board square or a
// cell of their own target row.
bool openTo(Player player, int row, int column)
{
    const bool board = row >= 1 && row <= 8 && column >= 1 && column <= 8;
    const bool ownTarget = player == Player::silber ? column == 9 && row >= 1 && row <= 8
                                                    : row == 9 && column >= 1 && column <= 8;
    return board || ownTarget;
}

// For each player, square and roll: forward by 0..roll, the rest to either side; at roll 0
// all of them.
using ReachTable = std::array<std::array<std::array<SquareSet, 7>, frameSquares>, 2>;

ReachTable buildReach()
{
    ReachTable table{};
    for (const Player player : {Player::silber, Player::gold}) {
        for (int from = 0; from < frameSquares; ++from) {
            for (int roll = 1; roll <= 6; ++roll) {
                SquareSet& out = table[static_cast<int>(player)][from][roll];
                for (int forward = 0; forward <= roll; ++forward) {
                    for (const int aside : {forward - roll, roll - forward}) {
                        const int row = from / 10 + (player == Player::silber ? aside : forward);
                        const int column = from % 10 + (player == Player::silber ? forward : aside);
                        if (row >= 0 && row <= 9 && column >= 0 && column <= 9 && openTo(player, row, column))
                            out.insert(static_cast<Square>(row * 10 + column));
                    }
                }
                SquareSet& any = table[static_cast<int>(player)][from][0];
                any = any | out;
            }
        }
    }
    return table;
}


std::array<SquareSet, 2> buildTargetRows()
{
    std::array<SquareSet, 2> rows;
    for (int k = 1; k <= 8; ++k) {
        rows[static_cast<int>(Player::silber)].insert(static_cast<Square>(k * 10 + 9));
        rows[static_cast<int>(Player::gold)].insert(static_cast<Square>(90 + k));
    }
    return rows;
}


} // namespace

Square squareOf(const Cell& cell)
{
    const int k = cell.second;
    switch (cell.letter) {
    case 's':
        return static_cast<Square>(k * 10 + (cell.first == 1 ? 0 : 9));
    case 'g':
        return static_cast<Square>((cell.first == 1 ? 0 : 90) + k);
    default:
        return static_cast<Square>(cell.first * 10 + cell.second);
    }
}

std::optional<Cell> cellOf(int square)
{
    const int row = square / 10, column = square % 10;
    if (square < 0 || square >= frameSquares || isCorner(row, column))
        return std::nullopt;
    if (column == 0 || column == 9)
        return cellAt('s', column == 0 ? 1 : 2, row);
    if (row == 0 || row == 9)
        return cellAt('g', row == 0 ? 1 : 2, column);
    return cellAt('b', row, column);
}

Occupant occupantOf(Player player) { return player == Player::silber ? Occupant::silber : Occupant::gold; }

const SquareSet& targetRow(Player player)
{
    static const std::array<SquareSet, 2> rows = buildTargetRows();
    return rows[static_cast<int>(player)];
}

std::optional<CellCode> restingCode(const Cell& cell, Occupant who)
{
    const bool silber = who == Occupant::silber;
    if (cell.letter != 'b') {
        const bool silberHome = cell.letter == 's';
        if (who == Occupant::none)
            return silberHome ? SILBER_HOME_EMPTY : GOLD_HOME_EMPTY;
        if (silber != silberHome)
            return std::nullopt;
        return silber ? SILBER_HOME : GOLD_HOME;
    }
    if (who == Occupant::none)
        return isOddSquare(cell) ? EMPTY_ODD : EMPTY_EVEN;
    if (isOddSquare(cell))
        return silber ? SILBER_ODD : GOLD_ODD;
    return silber ? SILBER_EVEN : GOLD_EVEN;
}

Occupant Position::at(Square square) const
{
    if (pieces(Player::silber).contains(square))
        return Occupant::silber;
    return pieces(Player::gold).contains(square) ? Occupant::gold : Occupant::none;
}

void Position::put(const Cell& cell, Occupant who)
{
    const Square square = squareOf(cell);
    pieces_[0].erase(square);
    pieces_[1].erase(square);
    if (who != Occupant::none)
        pieces_[who == Occupant::silber ? 0 : 1].insert(square);
}

const std::array<SquareSet, 7>& Position::reachByRoll(Player player, Square from)
{
    static const ReachTable table = buildReach();
    return table[static_cast<int>(player)][from];
}

const SquareSet& Position::reach(Player player, Square from, int roll)
{
    static const SquareSet nowhere;
    if (roll < 1 || roll > 6 || from >= frameSquares)
        return nowhere;
    return reachByRoll(player, from)[roll];
}

MoveList Position::legalMoves(Player player, int roll) const
{
    MoveList moves;
    const SquareSet& own = pieces(player);
    own.without(targetRow(player)).forEach([&](Square from) {
        reach(player, from, roll).without(own).forEach([&](Square to) { moves.add({from, to}); });
    });
    return moves;
}

void Position::play(Player player, Move move)
{
    SquareSet& own = pieces_[static_cast<int>(player)];
    SquareSet& other = pieces_[1 - static_cast<int>(player)];
    own.erase(move.from);
    own.insert(move.to);
    if (!other.contains(move.to))
        return;
    other.erase(move.to);
    // Silber's start cell k is k * 10, Gold's is k; the highest free one takes the piece.
    for (int k = 8; k >= 1; --k) {
        const auto home = static_cast<Square>(player == Player::gold ? k * 10 : k);
        if (!other.contains(home) && !own.contains(home)) {
            other.insert(home);
            break;
        }
    }
}

bool Position::hasWon(Player player) const { return (pieces(player) & targetRow(player)) == targetRow(player); }

} // namespace bramlow
