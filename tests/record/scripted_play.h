#pragma once
// A player for the record's tests: mostly the computer's moves, now and then a click that
// the rules refuse or the logo, so that a game holds every kind of record line. The same
// seed on the same game gives the same clicks, on the engine alone or on the window.

#include "engine/computer_player.h"
#include "engine/game_texts.h"
#include "record/played_game.h"

#include <functional>
#include <random>

namespace bramlow::test {

inline Cell anyCell(std::mt19937& pick)
{
    const char letter = "bsg"[pick() % 3];
    const int rows = letter == 'b' ? 8 : 2;
    return *cellAt(letter, 1 + static_cast<int>(pick() % rows), 1 + static_cast<int>(pick() % 8));
}

// Makes one handler call.
inline void playOnce(PlayedGame& game, std::mt19937& pick)
{
    const std::string phase = game.text(TextBox::ausgabe2);
    const int odds = static_cast<int>(pick() % 10);
    if (phase == prompt::welcome || phase == prompt::gameWon) {
        game.neu_but_Click();
    } else if (phase == prompt::roll) {
        odds == 0 ? game.cellClick(anyCell(pick)) : game.wuerfel_Click();
    } else if (odds < 2) {
        game.cellClick(anyCell(pick));
    } else if (const auto move = chooseComputerMove(game.engine()); move && odds > 2) {
        const CellClick click = phase == prompt::select ? move->piece : move->destination;
        game.cellClick(*cellWithIndex(click.letter, click.index));
    } else {
        game.Image1_Click();
    }
}

// `calls` handler calls, or fewer when `stop` holds after one.
inline int play(PlayedGame& game, unsigned seed, int calls, const std::function<bool()>& stop = {})
{
    std::mt19937 pick(seed);
    for (int call = 1; call <= calls; ++call) {
        playOnce(game, pick);
        if (stop && stop())
            return call;
    }
    return calls;
}

} // namespace bramlow::test
