#pragma once
// Where a guest finds its host, as typed on the command line or in the join dialog.

#include "network/protocol_limits.h"

#include <QString>

namespace bramlow::network {

struct HostAddress {
    QString host;
    quint16 port = defaultPort;
    QString error; // German; empty when host and port are usable
};

// "host", "host:port", "[v6]" or "[v6]:port"; the port 1..65535, 47474 when missing.
HostAddress parseHostAddress(const QString& text);

} // namespace bramlow::network
