#include "network/peer_actions.h"

#include "engine/die.h"
#include "engine/game_texts.h"
#include "network/fair_draw.h"
#include "record/game_recorder.h"

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

QString applyPeerLine(PlayedGame& game, const GameRecorder& recorder, Player peer, const QString& line,
                     std::optional<float> agreedDraw)
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
    // What a draw gives is known before it is used: a line that says otherwise changes nothing.
    const bool drawSaysOtherwise = newGame
        ? action->player != (silberStarts(action->draw) ? Player::silber : Player::gold)
        : action->kind == ActionKind::roll && (action->player != peer || action->face != agreedFace(action->draw));
    if (drawSaysOtherwise)
        return QStringLiteral("„%1“ passt nicht zum gezogenen Wurf.").arg(line);

    Handler handler = Handler::cell;
    switch (action->kind) {
    case ActionKind::newGame: handler = Handler::neu; break;
    case ActionKind::roll: handler = Handler::wuerfel; break;
    case ActionKind::logo: handler = Handler::image1; break;
    default: break;
    }
    // A new game starts a new record; any other action is appended to it.
    const std::size_t at = newGame ? 0 : recorder.record().entries.size();
    if (draws)
        game.draws().supply(action->draw);
    switch (handler) {
    case Handler::neu: game.neu_but_Click(); break;
    case Handler::wuerfel: game.wuerfel_Click(); break;
    case Handler::image1: game.Image1_Click(); break;
    case Handler::cell: game.cellClick(action->cell); break;
    }
    game.draws().clearSupplied();
    const RecordEntries& entries = recorder.record().entries;
    if (entries.size() > at)
        if (const auto* taken = std::get_if<RecordAction>(&entries[at]); taken && *taken == *action)
            return {};
    return QStringLiteral("„%1“ ist hier nicht möglich.").arg(line);
}

} // namespace bramlow::network
