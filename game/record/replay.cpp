#include "record/replay.h"

#include "record/check_value.h"
#include "record/game_recorder.h"

#include "engine/die.h"
#include "engine/game_texts.h"

#include <cstdio>
#include <exception>

namespace bramlow {

namespace {

std::string hex(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

// The face that rollDie gives for `x`.
int faceOf(float x)
{
    struct One final : RandomSource {
        float x;
        float next() override { return x; }
    } one;
    one.x = x;
    return rollDie(one);
}

} // namespace

std::string playRecordedAction(const RecordAction& action, PlayedGame& game)
{
    const std::string phase = game.text(TextBox::ausgabe2);
    const auto player = playerFromText(game.text(TextBox::ausgabe1));
    switch (action.kind) {
    case ActionKind::newGame: {
        const Player starter = silberStarts(action.draw) ? Player::silber : Player::gold;
        if (starter != action.player)
            return "Die Zufallszahl lässt " + playerName(starter) + " beginnen, nicht " + playerName(action.player) + '.';
        game.draws().supply(action.draw);
        game.neu_but_Click();
        return {};
    }
    case ActionKind::roll: {
        if (phase != prompt::roll || !player)
            return "Würfeln ist hier nicht möglich (es gilt „" + phase + "“).";
        if (*player != action.player)
            return "Es würfelt " + playerName(*player) + ", nicht " + playerName(action.player) + '.';
        const int face = faceOf(action.draw);
        if (face != action.face)
            return "Die Zufallszahl ergibt die Augenzahl " + std::to_string(face) + ", nicht " +
                   std::to_string(action.face) + '.';
        game.draws().supply(action.draw);
        game.wuerfel_Click();
        return {};
    }
    case ActionKind::pickUp:
    case ActionKind::destination: {
        const bool pickUp = action.kind == ActionKind::pickUp;
        if (phase != (pickUp ? prompt::select : prompt::destination))
            return std::string(pickUp ? "Eine Figur zu wählen" : "Ein Ziel zu wählen") + " ist hier nicht möglich (es gilt „" +
                   phase + "“).";
        const std::string playerBefore = game.text(TextBox::ausgabe1);
        game.cellClick(action.cell);
        const bool taken = clickTaken(playerBefore, phase, game);
        if (taken != action.accepted)
            return "Der Klick auf " + action.cell.name() + " wird hier " + (taken ? "angenommen" : "abgelehnt") +
                   ", nicht " + (action.accepted ? "angenommen" : "abgelehnt") + '.';
        return {};
    }
    case ActionKind::logo:
        if (!game.image1Enabled())
            return std::string("Das Logo nimmt hier keinen Klick an.");
        game.Image1_Click();
        return {};
    }
    return {};
}

ReplayResult replayRecord(const Record& record, PlayedGame& game, std::size_t count)
{
    ReplayResult result;
    game.draws().clearSupplied();
    game.resetTo(record.start);
    if (record.entries.empty()) {
        result.error = errorAt(3, "Die Partie enthält keinen Zug; sie beginnt mit „neu“.");
        return result;
    }
    const std::size_t end = count < record.entries.size() ? count : record.entries.size();
    for (std::size_t i = 0; i < end; ++i) {
        const std::size_t line = lineOfEntry(i);
        std::string wrong;
        try {
            if (const auto* check = std::get_if<CheckLine>(&record.entries[i])) {
                const std::uint32_t actual = checkValueOf(game);
                if (actual != check->value)
                    wrong = "Der Prüfwert stimmt nicht: die Partie ergibt hier " + hex(actual) + ", nicht " +
                            hex(check->value) + '.';
            } else {
                const auto& action = std::get<RecordAction>(record.entries[i]);
                if ((i == 0) != (action.kind == ActionKind::newGame))
                    wrong = i == 0 ? "Eine Partie beginnt mit „neu“." : "Eine Partie enthält nur ein „neu“, am Anfang.";
                else
                    wrong = playRecordedAction(action, game);
            }
        } catch (const std::exception& fault) {
            wrong = std::string("Die Partie lässt sich hier nicht fortsetzen (") + fault.what() + ").";
        }
        if (!wrong.empty()) {
            game.draws().clearSupplied();
            result.error = errorAt(line, wrong);
            return result;
        }
    }
    result.ok = true;
    return result;
}

} // namespace bramlow
