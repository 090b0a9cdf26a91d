#include "engine/turn_end.h"

#include "engine/game_texts.h"
#include "engine/picked_up_piece.h"
#include "engine/player.h"

namespace bramlow {

namespace {

// ausgabe1 names the other player; a text that names no player is left untouched.
void passTurn(WindowView& view)
{
    if (const auto current = playerFromText(view.text(TextBox::ausgabe1)))
        view.setText(TextBox::ausgabe1, playerText(opponentOf(*current)));
}

} // namespace

void endTurnAfterMove(WindowView& view)
{
    passTurn(view);
    view.setImage1Enabled(false);
    view.setText(TextBox::ausgabe2, prompt::roll);
}

void endTurnByLogo(WindowView& view, Board& board)
{
    view.Play(sound::ende);
    passTurn(view);
    if (view.text(TextBox::ausgabe2) == prompt::destination) {
        // The code kept at pick-up, not the picked-up code: a Silber piece from an even
        // square shows SILBER_EVEN again.
        if (const auto piece = pickedUpPiece(view, board))
            board.drucke(piece->cell, piece->before);
    }
    view.setText(TextBox::ausgabe2, prompt::roll);
    view.setImage1Enabled(false);
}

} // namespace bramlow
