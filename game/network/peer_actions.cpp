#include "network/peer_actions.h"

#include "engine/game_texts.h"
#include "record/replay.h"

#include <stdexcept>

namespace bramlow::network {

namespace {

// One action line read by the record's own reader.
std::optional<RecordAction> readActionLine(const QString& line)
{
    const std::string text = recordHeader + '\n' + startLine(StartState{}) + '\n' + line.toStdString() + '\n';
    const ParsedRecord parsed = parseRecord(text);
    if (!parsed.record || parsed.record->entries.size() != 1)
        return std::nullopt;
    if (const auto* action = std::get_if<RecordAction>(&parsed.record->entries.front()))
        return *action;
    return std::nullopt;
}

QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace

std::optional<Player> playerToMove(const PlayedGame& game) { return playerFromText(game.text(TextBox::ausgabe1)); }

bool drawDueFor(const PlayedGame& game, Player player, bool newGame)
{
    const std::optional<Player> toMove = playerToMove(game);
    if (newGame)
        return !toMove;
    return toMove == player && game.text(TextBox::ausgabe2) == prompt::roll;
}

QString applyPeerLine(PlayedGame& game, Player peer, const QString& line, std::optional<float> agreedDraw)
{
    const std::optional<RecordAction> action = readActionLine(line);
    if (!action)
        return QStringLiteral("„%1“ ist keine Aktion.").arg(line);
    const std::optional<Player> toMove = playerToMove(game);
    const bool newGame = action->kind == ActionKind::newGame;
    if (newGame ? toMove.has_value() : toMove != peer)
        return toMove ? QStringLiteral("%1 ist am Zug.").arg(qs(playerName(*toMove)))
                      : QStringLiteral("Es läuft keine Partie.");
    const bool draws = newGame || action->kind == ActionKind::roll;
    if (draws && (!agreedDraw || *agreedDraw != action->draw || !drawDueFor(game, peer, newGame)))
        return QStringLiteral("Der Wurf in „%1“ ist nicht der gemeinsam gezogene.").arg(line);
    // The record's own check of an action against the game, as when a record is replayed.
    std::string refusal;
    try {
        refusal = playRecordedAction(*action, game);
    } catch (const std::exception& fault) {
        refusal = fault.what();
    }
    game.draws().clearSupplied();
    return refusal.empty() ? QString() : QStringLiteral("„%1“ ist hier nicht möglich: %2").arg(line, qs(refusal));
}

} // namespace bramlow::network
