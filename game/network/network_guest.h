#pragma once
// The guest: connects to a host, proves it knows the join code (and checks that the host
// knows it too), and learns its side. Either `joined` or `failed` comes, once.

#include "network/host_address.h"
#include "network/join_code.h"
#include "network/peer_link.h"
#include "network/protocol_limits.h"

#include <QObject>
#include <QPointer>

namespace bramlow::network {


struct Message;

class NetworkGuest : public QObject {
    Q_OBJECT
public:
    explicit NetworkGuest(LinkTiming timing = {}, QObject* parent = nullptr);

    void join(const HostAddress& address, const QString& code);
    PeerLink* link() const { return link_; }

signals:
    // The host let us in; the link stays the guest's. side: "silber" or "gold".
    void joined(bramlow::network::PeerLink* link, const QString& side);
    void failed(const QString& text);

private:
    void onMessage(const Message& message);
    void fail(const QString& text);

    LinkTiming timing_;
    QString code_;
    QByteArray nonce_;
    QByteArray hostNonce_;
    QPointer<PeerLink> link_;
    bool challenged_ = false;
    bool settled_ = false;
};

} // namespace bramlow::network
