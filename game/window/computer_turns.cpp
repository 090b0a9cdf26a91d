#include "computer_turns.h"

#include "bramlow_window.h"
#include "engine/game_texts.h"
#include "engine/player.h"
#include "game_options.h"
#include "sides/sides.h"

#include <string>

namespace bramlow {

namespace {

std::string fieldName(const CellClick& cell) { return cell.letter + std::to_string(cell.index); }

} // namespace

ComputerTurns::ComputerTurns(GameOptions& options, std::function<bool()> held)
    : options_(options)
    , held_(std::move(held))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ComputerTurns::takeStep);
    connect(&options_, &GameOptions::changed, this, &ComputerTurns::followOptions);
}

void ComputerTurns::follow(BramlowWindow* window)
{
    window_ = window;
    plan_.reset();
    followOptions();
}

void ComputerTurns::followOptions()
{
    // The demo starts its game at once; a side switched on mid-game waits a pause.
    if (!options_.anyComputer())
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start(demo() ? std::chrono::milliseconds(0) : stepPause());
}

std::chrono::milliseconds ComputerTurns::stepPause() const
{
    return options_.soundOn() ? pauses_.withSound : pauses_.silent;
}

void ComputerTurns::takeStep()
{
    if (!window_ || !options_.anyComputer())
        return;
    const bool clicked = !held_() && clickOnce();
    // A click that won the game leaves the winner on screen a while before the demo goes on.
    const bool won = clicked && !playerFromText(window_->text(TextBox::ausgabe1)) &&
                     window_->text(TextBox::ausgabe2) == prompt::gameWon;
    timer_.start(won ? pauses_.afterWin : stepPause());
    if (clicked)
        emit stepped();
}

bool ComputerTurns::clickOnce()
{
    const std::string phase = window_->text(TextBox::ausgabe2);
    if (phase != prompt::destination)
        clicked_.reset();
    const auto player = playerFromText(window_->text(TextBox::ausgabe1));
    if (!player) {
        // The welcome or a win: only the demo starts a game.
        if (!demo())
            return false;
        window_->neu_but_Click();
        return true;
    }
    if (!plays(*player))
        return false;
    if (phase == prompt::roll) {
        plan_.reset();
        window_->wuerfel_Click();
    } else if (phase == prompt::select) {
        plan_ = chooseComputerMove(window_->engine(), options_.level());
        if (plan_)
            clickCell(plan_->piece);
        else
            window_->Image1_Click();
    } else if (phase == prompt::destination) {
        // A piece picked up by a person before the computer took over is moved where
        // the computer would move it, if that is its best move; else the turn ends.
        const std::string lifted = window_->text(TextBox::speicher);
        if (!plan_ || fieldName(plan_->piece) != lifted)
            plan_ = chooseComputerMove(window_->engine(), options_.level());
        // A destination the rules refused is not clicked again: the turn ends instead.
        if (plan_ && fieldName(plan_->piece) == lifted && plan_ != clicked_) {
            clickCell(plan_->destination);
            window_->markLastMove();
            clicked_ = plan_;
        } else {
            window_->Image1_Click();
        }
    } else {
        return false;
    }
    return true;
}

bool ComputerTurns::plays(Player player) const
{
    return sides_ ? sides_->kind(player) == SideKind::computer : options_.computerPlays(player);
}

bool ComputerTurns::demo() const { return sides_ ? sides_->demo() : options_.demo(); }

void ComputerTurns::clickCell(const CellClick& cell)
{
    switch (cell.letter) {
    case 'b': window_->b_Click(cell.index); break;
    case 's': window_->s_Click(cell.index); break;
    case 'g': window_->g_Click(cell.index); break;
    default: break;
    }
}

} // namespace bramlow
