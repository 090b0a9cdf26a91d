#pragma once
// The journal of the network game in progress, $XDG_STATE_HOME/bramlow/netzwerkpartie.journal
// (format in network/session_journal.h): begun when a game with a peer begins, appended
// and flushed to disk line by line as the session keeps them, removed when the network game
// is ended on purpose. A closed window or a killed program leaves it, so that joining the
// same host with the same code again takes the game up where both had it.

#include "network/session_journal.h"

#include <QString>

#include <optional>

namespace bramlow {

class NetworkJournal {
public:
    NetworkJournal();
    ~NetworkJournal();
    NetworkJournal(const NetworkJournal&) = delete;
    NetworkJournal& operator=(const NetworkJournal&) = delete;

    // Empty on success, else the German reason.
    QString begin(const network::SessionSeat& seat);
    QString append(const QByteArray& lines);
    void remove();
    // The journal kept, if there is one; its error when it cannot be read.
    std::optional<network::ParsedSessionJournal> read() const;

private:
    void closeFile();

    std::optional<QString> path_;
    int fd_ = -1;
};

} // namespace bramlow
