// The turn flow: welcome state, new game, roll, and ending a turn by a click on Image1
// (turn_end.cpp).
#include "engine/engine.h"

#include "engine/die.h"
#include "engine/field_name.h"
#include "engine/game_texts.h"
#include "engine/player.h"
#include "engine/turn_end.h"

namespace bramlow {

void Engine::Main()
{
    view_.setDieVisible(false);
    view_.setText(TextBox::ausgabe1, playerLine::welcome);
    view_.setText(TextBox::ausgabe2, prompt::welcome);
    view_.setImage1Enabled(false);
}

void Engine::neu_but_Click() { neues_Spiel(); }

// Leaves Image1, wurf, speicher, speicher2 and the message line as they are: a game
// restarted mid-turn keeps Image1 enabled, so its first turn can be handed over unrolled.
void Engine::neues_Spiel()
{
    for (int i = 1; i <= 8; ++i) {
        board_.drucke(fieldName('s', 1, i), SILBER_HOME);
        board_.drucke(fieldName('s', 2, i), SILBER_HOME_EMPTY);
        board_.drucke(fieldName('g', 1, i), GOLD_HOME);
        board_.drucke(fieldName('g', 2, i), GOLD_HOME_EMPTY);
    }
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j)
            board_.drucke(fieldName('b', i, j), (i + j) % 2 == 1 ? EMPTY_ODD : EMPTY_EVEN);
    }
    // The die keeps the face it showed last.
    view_.setDieVisible(true);
    const Player starter = silberStarts(random_.next()) ? Player::silber : Player::gold;
    view_.setText(TextBox::ausgabe1, playerLine::prefix + playerName(starter));
    view_.setText(TextBox::ausgabe2, prompt::roll);
}

void Engine::wuerfel_Click()
{
    if (view_.text(TextBox::ausgabe2) != prompt::roll)
        return;
    view_.Play(sound::wuerfeln);
    wurf_ = rollDie(random_);
    view_.setDiePicture(diePicture(wurf_));
    view_.setText(TextBox::ausgabe2, prompt::select);
    view_.setImage1Enabled(true);
}

// Reachable whenever Image1 is enabled, also after a win: then ausgabe1 names no player
// and stays, and the prompt invites a roll that only announces the winner again.
void Engine::Image1_Click() { endTurnByLogo(view_, board_); }

} // namespace bramlow
