#include "network/session_journal.h"

#include "network/fair_draw.h"

#include <utility>

namespace bramlow::network {

namespace {

const QByteArray header = "Bramlow-Netzwerkpartie 1";

// Exactly `digits` lowercase hexadecimal digits.
bool isHex(const QByteArray& text, int digits)
{
    if (text.size() != digits)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

std::optional<SessionSeat> readSeat(const QByteArray& line)
{
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 5 || (parts[0] != "gast" && parts[0] != "gastgeber"))
        return std::nullopt;
    SessionSeat seat;
    seat.role = parts[0] == "gast" ? Role::guest : Role::host;
    seat.host = QString::fromUtf8(parts[1]);
    bool portRead = false;
    const uint port = parts[2].toUInt(&portRead);
    seat.port = quint16(port);
    seat.code = QString::fromLatin1(parts[3]);
    seat.peer = QString::fromLatin1(parts[4]);
    if (seat.host.isEmpty() || !portRead || port == 0 || port > 65535 || !joinCodeError(seat.code).isEmpty()
        || (seat.peer != QLatin1String("Silber") && seat.peer != QLatin1String("Gold")))
        return std::nullopt;
    return seat;
}

} // namespace

QByteArray journalBeginning(const SessionSeat& seat)
{
    return header + '\n'
        + QStringLiteral("%1 %2 %3 %4 %5\n")
              .arg(seat.role == Role::guest ? QStringLiteral("gast") : QStringLiteral("gastgeber"), seat.host)
              .arg(seat.port)
              .arg(seat.code, seat.peer)
              .toUtf8();
}

QByteArray journalGameStart(const QString& startLine) { return startLine.toUtf8() + '\n'; }

QByteArray journalAction(const QString& line, std::uint32_t check)
{
    return "aktion " + QByteArray::number(check, 16).rightJustified(8, '0') + ' ' + line.toUtf8() + '\n';
}

QByteArray journalSecret(const QByteArray& value) { return "zusage " + value.toHex() + '\n'; }

QByteArray journalDraw(const AgreedDrawRecord& draw)
{
    return "wurf " + draw.hostValue.toHex() + ' ' + draw.guestValue.toHex() + '\n';
}

ParsedSessionJournal parseSessionJournal(const QByteArray& bytes)
{
    ParsedSessionJournal parsed;
    if (bytes.size() > maxSessionJournalBytes) {
        parsed.error = QStringLiteral("Die Datei ist zu groß.");
        return parsed;
    }
    QList<QByteArray> lines = bytes.split('\n');
    // The last piece follows the last line end: empty, or a line a crash cut off.
    lines.removeLast();
    const auto fail = [&parsed](qsizetype index, const QString& what) {
        parsed.error = QStringLiteral("Zeile %1: %2").arg(index + 1).arg(what);
        return parsed;
    };
    if (lines.size() < 2 || lines[0] != header)
        return fail(0, QStringLiteral("Das ist kein Journal einer Netzwerkpartie."));
    const std::optional<SessionSeat> seat = readSeat(lines[1]);
    if (!seat)
        return fail(1, QStringLiteral("Rolle, Adresse, Code oder Seite fehlt oder ist falsch."));
    SessionState& state = parsed.state;
    QString started; // an "anfang" line waiting for its game's first action
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype space = line.indexOf(' ');
        const QByteArray kind = line.left(space);
        const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1);
        if (kind == "anfang") {
            started = QString::fromUtf8(line);
        } else if (kind == "aktion" && rest.size() > 9 && isHex(rest.left(8), 8) && rest[8] == ' ') {
            if (!started.isEmpty()) {
                state.gameStart = std::exchange(started, QString());
                state.gameBegins = int(state.actions.size());
            }
            state.checks.push_back(rest.left(8).toUInt(nullptr, 16));
            state.actions.append(QString::fromUtf8(rest.mid(9)));
        } else if (kind == "zusage" && isHex(rest, 64)) {
            state.openSecret = QByteArray::fromHex(rest);
        } else if (kind == "wurf" && rest.size() == 129 && isHex(rest.left(64), 64) && rest[64] == ' '
                   && isHex(rest.mid(65), 64)) {
            AgreedDrawRecord draw;
            draw.afterActions = int(state.actions.size());
            draw.hostValue = QByteArray::fromHex(rest.left(64));
            draw.guestValue = QByteArray::fromHex(rest.mid(65));
            draw.x = sharedDraw(draw.hostValue, draw.guestValue);
            state.draws.push_back(draw);
            state.openSecret.clear();
        } else {
            return fail(i, QStringLiteral("„%1“ ist keine Zeile des Journals.").arg(QString::fromUtf8(line.left(60))));
        }
    }
    if (state.gameStart.isEmpty() && !state.actions.isEmpty())
        return fail(lines.size() - 1, QStringLiteral("Die Aktionen haben keinen Anfang."));
    parsed.seat = seat;
    return parsed;
}

} // namespace bramlow::network
