#include "record/game_recorder.h"

#include "record/check_value.h"

#include "engine/game_texts.h"

namespace bramlow {

bool isWon(const PlayedGame& game)
{
    return !playerFromText(game.text(TextBox::ausgabe1)) && game.text(TextBox::ausgabe2) == prompt::gameWon;
}

bool clickTaken(const std::string& playerBefore, const std::string& phaseBefore, const PlayedGame& game)
{
    return game.text(TextBox::ausgabe1) != playerBefore || game.text(TextBox::ausgabe2) != phaseBefore;
}

GameRecorder::Before GameRecorder::before(const PlayedGame& game)
{
    Before before;
    before.player = game.text(TextBox::ausgabe1);
    before.phase = game.text(TextBox::ausgabe2);
    before.state = {game.image1Enabled(), game.dieFace(), game.message(), game.text(TextBox::speicher),
                    game.text(TextBox::speicher2)};
    before.draws = game.draws().drawCount();
    return before;
}

std::vector<RecordEntry> GameRecorder::after(Handler handler, const Cell& cell, const Before& before,
                                             const PlayedGame& game)
{
    const bool drew = game.draws().drawCount() != before.draws;
    const auto player = playerFromText(game.text(TextBox::ausgabe1));
    RecordAction action;
    switch (handler) {
    case Handler::neu:
        if (!drew || !player)
            return {};
        action.kind = ActionKind::newGame;
        action.draw = game.draws().last();
        action.player = *player;
        record_ = Record{before.state, {}};
        break;
    case Handler::wuerfel:
        if (!drew || !player)
            return {};
        action.kind = ActionKind::roll;
        action.draw = game.draws().last();
        action.player = *player;
        action.face = game.engine().wurf();
        break;
    case Handler::image1:
        action.kind = ActionKind::logo;
        break;
    case Handler::cell:
        if (before.phase != prompt::select && before.phase != prompt::destination)
            return {};
        action.kind = before.phase == prompt::select ? ActionKind::pickUp : ActionKind::destination;
        action.cell = cell;
        action.accepted = clickTaken(before.player, before.phase, game);
        break;
    }
    // Actions before the first new game (none can change the game) are not kept.
    if (record_.entries.empty() && action.kind != ActionKind::newGame)
        return {};
    std::vector<RecordEntry> lines{action};
    if (game.text(TextBox::ausgabe1) != before.player || action.kind == ActionKind::newGame)
        lines.push_back(CheckLine{checkValueOf(game)});
    record_.entries.insert(record_.entries.end(), lines.begin(), lines.end());
    return lines;
}

} // namespace bramlow
