#pragma once
// The host: listens while a network game is open or waiting, lets in only a guest that
// proves it knows the join code, and only one at a time. After three wrong codes in a row
// it lets no one in for 30 s. When the guest's line drops it keeps listening, so the guest
// can come back with the same code.

#include "network/entry_guard.h"
#include "network/join_code.h"
#include "network/peer_link.h"
#include "network/protocol_limits.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QWebSocketServer;

namespace bramlow::network {


struct Message;

class NetworkHost : public QObject {
    Q_OBJECT
public:
    // guestSide: "silber" or "gold", the side the guest plays.
    NetworkHost(QString code, QString guestSide, LinkTiming timing = {}, QObject* parent = nullptr);
    ~NetworkHost() override;

    // Listens on every address; port 0 picks a free one. The German error on failure.
    QString listen(quint16 port);
    quint16 port() const;
    void stop();
    // The guest in the game, or null while none is.
    PeerLink* guest() const { return guest_; }

signals:
    // A guest proved the code; the link stays the host's.
    void guestJoined(bramlow::network::PeerLink* link);
    void guestLost(const QString& why);
    // A guest was turned away (wrong code, door shut, game full, other version).
    void guestRefused(const QString& text);

private:
    struct Handshake {
        QByteArray guestNonce;
        QByteArray hostNonce;
    };
    void onNewConnection();
    void onHandshakeMessage(PeerLink* link, const Message& message);
    void refuse(PeerLink* link, int reason, const QString& text);

    QString code_;
    QString guestSide_;
    LinkTiming timing_;
    QWebSocketServer* server_;
    EntryGuard guard_;
    QHash<PeerLink*, Handshake> handshakes_;
    QPointer<PeerLink> guest_;
};

} // namespace bramlow::network
