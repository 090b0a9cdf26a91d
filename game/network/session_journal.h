#pragma once
// The journal of a network game: what a program needs to come back into its game after its
// window was closed or it was killed. Who it was (role, host, port, the join code, the
// peer's side), every action with its check value, the start line of each game, every
// agreed draw with both values, and this side's value of a draw still open, written before
// its commitment goes out: coming back never lets a side pick a new value after it has seen
// the other's. Lines are only appended; a last line cut off by a crash is dropped.
//
//   Bramlow-Netzwerkpartie 1
//   gast 127.0.0.1 47474 271828 Gold          role, host, port, code, the peer's side
//   anfang logo aus würfel 6 meldung "" …     a game begins: the record's start line
//   aktion 5c1e08a2 neu 0.7312509 Gold        an action and the check value after it
//   zusage 9f2c…                              this side's value of the open draw (64 hex digits)
//   wurf 9f2c… 3a07…                          an agreed draw: the host's value, the guest's
//
// The code is kept as typed: the journal lies in the user's own folder, readable by the
// user alone, and a six-digit code under a hash would fall to a million tries anyway.

#include "network/join_code.h"
#include "network/lockstep_session.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace bramlow::network {

struct SessionSeat {
    Role role = Role::guest;
    QString host; // "-" for the host itself
    quint16 port = 0;
    QString code;
    QString peer; // "Silber" or "Gold"
    bool operator==(const SessionSeat&) const = default;
};

struct SessionState {
    QStringList actions;
    std::vector<std::uint32_t> checks; // after each action
    std::vector<AgreedDrawRecord> draws;
    QByteArray openSecret;   // this side's value of the open draw, or empty
    QString gameStart;       // the start line of the last game begun
    int gameBegins = 0;      // the index in `actions` where that game begins
};

inline constexpr qint64 maxSessionJournalBytes = 8 * 1024 * 1024;

QByteArray journalBeginning(const SessionSeat& seat);
QByteArray journalGameStart(const QString& startLine);
QByteArray journalAction(const QString& line, std::uint32_t check);
QByteArray journalSecret(const QByteArray& value);
QByteArray journalDraw(const AgreedDrawRecord& draw);

struct ParsedSessionJournal {
    std::optional<SessionSeat> seat;
    SessionState state;
    QString error; // German, naming the line, when seat is empty
};

ParsedSessionJournal parseSessionJournal(const QByteArray& bytes);

} // namespace bramlow::network
