#include "engine/move_evaluation.h"

#include "engine/destination_checks.h"
#include "engine/field_name.h"
#include "engine/game_end.h"
#include "engine/game_texts.h"
#include "engine/picked_up_piece.h"
#include "engine/player.h"
#include "engine/turn_end.h"

#include <optional>

namespace bramlow {

namespace {

// A piece can be picked up anywhere except in its own target row, where it has arrived.
bool choosable(Player player, const Cell& cell, CellCode code)
{
    const bool inTargetRow = cell.letter == homeLetter(player) && cell.first == 2;
    return ownsPiece(player, code) && !inTargetRow;
}

// What a cell shows once its piece has left.
std::optional<CellCode> emptiedCode(CellCode before)
{
    switch (before) {
    case SILBER_ODD:
    case GOLD_ODD:
        return EMPTY_ODD;
    case SILBER_EVEN:
    case GOLD_EVEN:
        return EMPTY_EVEN;
    case SILBER_HOME:
        return SILBER_HOME_EMPTY;
    case GOLD_HOME:
        return GOLD_HOME_EMPTY;
    default:
        return std::nullopt;
    }
}

// An arriving piece takes the colour of its square, whether that was empty or held an
// opponent's piece.
std::optional<CellCode> arrivedCode(Player player, CellCode destination)
{
    const bool silber = player == Player::silber;
    switch (destination) {
    case EMPTY_ODD:
        return silber ? SILBER_ODD : GOLD_ODD;
    case EMPTY_EVEN:
        return silber ? SILBER_EVEN : GOLD_EVEN;
    case GOLD_ODD:
        return silber ? std::optional<CellCode>(SILBER_ODD) : std::nullopt;
    case GOLD_EVEN:
        return silber ? std::optional<CellCode>(SILBER_EVEN) : std::nullopt;
    case SILBER_ODD:
        return silber ? std::nullopt : std::optional<CellCode>(GOLD_ODD);
    case SILBER_EVEN:
        return silber ? std::nullopt : std::optional<CellCode>(GOLD_EVEN);
    case SILBER_HOME_EMPTY:
        return silber ? std::optional<CellCode>(SILBER_HOME) : std::nullopt;
    case GOLD_HOME_EMPTY:
        return silber ? std::nullopt : std::optional<CellCode>(GOLD_HOME);
    default:
        return std::nullopt;
    }
}

// The knocked-out piece goes to the highest-numbered free cell of its owner's start row.
// One is always free: the piece came from the board, so its owner has at most seven
// pieces at home.
void sendHome(Player owner, Board& board, WindowView& view)
{
    const bool silber = owner == Player::silber;
    view.setMessage(silber ? message::captureSilber : message::captureGold);
    const char letter = homeLetter(owner);
    const CellCode free = silber ? SILBER_HOME_EMPTY : GOLD_HOME_EMPTY;
    for (int k = 8; k >= 1; --k) {
        const Cell home{letter, 1, static_cast<std::int16_t>(k)};
        if (board.lese(home) == free) {
            board.drucke(home, silber ? SILBER_HOME : GOLD_HOME);
            break;
        }
    }
    view.Play(sound::schlagen);
}

// Returns false when the choice is refused and the click is over.
bool choosePiece(const std::optional<Player>& player, const Cell& cell, CellCode code, Board& board,
                 WindowView& view)
{
    // Without a current player (only after a win) nothing is picked up, silently, and the
    // win test that follows announces the winner once more.
    if (!player)
        return true;
    if (!choosable(*player, cell, code)) {
        view.Play(sound::schlecht);
        return false;
    }
    rememberPickUp(view, cell.name(), board.lese(cell));
    board.drucke(cell, selectedCode(*player));
    return true;
}

// Returns false when the destination is refused or no piece is held, and the click is over.
bool movePiece(const std::optional<Player>& player, const Cell& destination, CellCode code,
               std::int16_t wurf, Board& board, WindowView& view)
{
    const auto piece = pickedUpPiece(view, board);
    const auto emptied = piece ? emptiedCode(piece->before) : std::nullopt;
    // Without a player holding one of their own pieces there is nothing to move; the game
    // never gets here that way, and acting anyway would lose or duplicate a piece.
    if (!player || !emptied || !ownsPiece(*player, piece->before))
        return false;
    if (const std::string* refusal = destinationRefusal(*player, piece->cell, destination, code, wurf)) {
        view.Play(sound::schlecht);
        view.setMessage(*refusal);
        return false;
    }

    // The source is not the destination (check 1 refuses the piece in hand), so the
    // destination's code is the one read before the source is emptied.
    const auto arrived = arrivedCode(*player, code);
    if (!arrived)
        return false; // a square the checks let through but no piece can land on: a fault
    view.setMessage(message::move);
    board.drucke(piece->cell, *emptied);
    board.drucke(destination, *arrived);
    if (*player == Player::silber && (code == GOLD_ODD || code == GOLD_EVEN))
        sendHome(Player::gold, board, view);
    else if (*player == Player::gold && (code == SILBER_ODD || code == SILBER_EVEN))
        sendHome(Player::silber, board, view);
    return true;
}

void handOver(WindowView& view)
{
    const std::string phase = view.text(TextBox::ausgabe2);
    if (phase == prompt::select) {
        view.setText(TextBox::ausgabe2, prompt::destination);
    } else if (phase == prompt::destination) {
        endTurnAfterMove(view);
    }
    // Any other prompt: the game has just been won, and the announcement stays.
}

} // namespace

void auswertung(const std::string& feld, std::int16_t wurf, Board& board, WindowView& view)
{
    if (const auto cell = cellNamed(feld))
        auswertung(*cell, wurf, board, view);
}

void auswertung(const Cell& cell, std::int16_t wurf, Board& board, WindowView& view)
{
    const std::string phase = view.text(TextBox::ausgabe2);
    if (phase != prompt::select && phase != prompt::destination)
        return;
    const auto player = playerFromText(view.text(TextBox::ausgabe1));
    const CellCode code = board.lese(cell);

    const bool done = phase == prompt::select ? choosePiece(player, cell, code, board, view)
                                              : movePiece(player, cell, code, wurf, board, view);
    if (!done)
        return;
    winTest(board, view);
    handOver(view);
}

} // namespace bramlow
