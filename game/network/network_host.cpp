#include "network/network_host.h"

#include "network/network_message.h"
#include "network/peer_link.h"

#include <QWebSocket>
#include <QWebSocketServer>

namespace bramlow::network {

NetworkHost::NetworkHost(QString code, QString guestSide, LinkTiming timing, QObject* parent)
    : QObject(parent),
      code_(std::move(code)),
      guestSide_(std::move(guestSide)),
      timing_(timing),
      server_(new QWebSocketServer(QStringLiteral("Bramlow"), QWebSocketServer::NonSecureMode, this))
{
    connect(server_, &QWebSocketServer::newConnection, this, &NetworkHost::onNewConnection);
}

NetworkHost::~NetworkHost() { stop(); }

QString NetworkHost::listen(quint16 port)
{
    if (server_->listen(QHostAddress::Any, port))
        return {};
    return QStringLiteral("Auf Port %1 kann keine Partie eröffnet werden: %2").arg(port).arg(server_->errorString());
}

quint16 NetworkHost::port() const { return server_->serverPort(); }

void NetworkHost::stop()
{
    server_->close();
    for (PeerLink* link : handshakes_.keys())
        link->deleteLater();
    handshakes_.clear();
    if (guest_)
        guest_->deleteLater();
}

void NetworkHost::onNewConnection()
{
    while (QWebSocket* socket = server_->nextPendingConnection()) {
        auto* link = new PeerLink(socket, timing_, this);
        connect(link, &PeerLink::gone, this, [this, link](const QString& why) {
            link->deleteLater();
            if (handshakes_.remove(link) == 0 && link == guest_) {
                guest_ = nullptr;
                emit guestLost(why);
            }
        });
        if (guard_.locked(EntryGuard::Clock::now())) {
            refuse(link, int(RefusalReason::locked),
                   QStringLiteral("Nach drei falschen Codes nimmt diese Partie für 30 Sekunden niemanden an."));
            continue;
        }
        if (guest_) {
            refuse(link, int(RefusalReason::full), QStringLiteral("Diese Partie hat schon zwei Spieler."));
            continue;
        }
        handshakes_.insert(link, {});
        connect(link, &PeerLink::received, this,
                [this, link](const Message& message) { onHandshakeMessage(link, message); });
    }
}

void NetworkHost::onHandshakeMessage(PeerLink* link, const Message& message)
{
    const auto found = handshakes_.find(link);
    if (found == handshakes_.end())
        return; // the game's session reads this link now
    Handshake& handshake = *found;
    if (message.kind == MessageKind::hello && handshake.hostNonce.isEmpty()) {
        if (message.version != protocolVersion) {
            refuse(link, int(RefusalReason::version),
                   QStringLiteral("Die Gegenseite spricht Protokollversion %1, dieses Programm Version %2.")
                       .arg(message.version)
                       .arg(protocolVersion));
            return;
        }
        handshake.guestNonce = message.nonce;
        handshake.hostNonce = freshNonce();
        Message challenge;
        challenge.kind = MessageKind::challenge;
        challenge.version = protocolVersion;
        challenge.nonce = handshake.hostNonce;
        link->send(challenge);
        return;
    }
    if (message.kind == MessageKind::response && !handshake.hostNonce.isEmpty()) {
        const QByteArray expected = joinProof(code_, Role::guest, handshake.guestNonce, handshake.hostNonce);
        if (!sameBytes(message.proof, expected)) {
            guard_.wrongCode(EntryGuard::Clock::now());
            refuse(link, int(RefusalReason::wrongCode), QStringLiteral("Der Code ist falsch."));
            return;
        }
        if (guest_) {
            refuse(link, int(RefusalReason::full), QStringLiteral("Diese Partie hat schon zwei Spieler."));
            return;
        }
        guard_.rightCode();
        const Handshake done = handshake;
        handshakes_.erase(found);
        link->disconnect(this, nullptr); // the session takes over the messages
        connect(link, &PeerLink::gone, this, [this, link](const QString& why) {
            link->deleteLater();
            if (link == guest_) {
                guest_ = nullptr;
                emit guestLost(why);
            }
        });
        guest_ = link;
        Message welcome;
        welcome.kind = MessageKind::welcome;
        welcome.side = guestSide_;
        // Only now: a proof sent before the guest's would let anyone try every code at home.
        welcome.proof = joinProof(code_, Role::host, done.hostNonce, done.guestNonce);
        link->send(welcome);
        emit guestJoined(link);
        return;
    }
    link->end(QStringLiteral("Unerwartete Nachricht während der Anmeldung."));
}

void NetworkHost::refuse(PeerLink* link, int reason, const QString& text)
{
    Message refused;
    refused.kind = MessageKind::refused;
    refused.reason = RefusalReason(reason);
    refused.text = text;
    link->send(refused);
    emit guestRefused(text);
    link->end(text);
}

} // namespace bramlow::network
