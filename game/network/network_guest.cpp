#include "network/network_guest.h"

#include "network/network_message.h"
#include "network/peer_link.h"

#include <QUrl>
#include <QWebSocket>

namespace bramlow::network {

NetworkGuest::NetworkGuest(LinkTiming timing, QObject* parent) : QObject(parent), timing_(timing) {}

void NetworkGuest::join(const HostAddress& address, const QString& code)
{
    code_ = code;
    nonce_ = freshNonce();
    challenged_ = false;
    settled_ = false;
    auto* socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest);
    link_ = new PeerLink(socket, timing_, this);
    connect(link_, &PeerLink::received, this, &NetworkGuest::onMessage);
    connect(link_, &PeerLink::gone, this, [this, address](const QString& why) {
        fail(challenged_ ? why : QStringLiteral("Keine Verbindung zu %1:%2 (%3).").arg(address.host).arg(address.port).arg(why));
    });
    connect(socket, &QWebSocket::connected, this, [this] {
        Message hello;
        hello.kind = MessageKind::hello;
        hello.version = protocolVersion;
        hello.nonce = nonce_;
        link_->send(hello);
    });
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(address.host);
    url.setPort(address.port);
    url.setPath(QLatin1String(resourcePath));
    socket->open(url);
}

void NetworkGuest::onMessage(const Message& message)
{
    if (settled_)
        return;
    if (message.kind == MessageKind::refused) {
        fail(message.text);
    } else if (message.kind == MessageKind::challenge && !challenged_) {
        challenged_ = true;
        hostNonce_ = message.nonce;
        if (message.version != protocolVersion) {
            fail(QStringLiteral("Der Gastgeber spricht Protokollversion %1, dieses Programm Version %2.")
                     .arg(message.version)
                     .arg(protocolVersion));
        } else {
            Message response;
            response.kind = MessageKind::response;
            response.proof = joinProof(code_, Role::guest, nonce_, message.nonce);
            link_->send(response);
        }
    } else if (message.kind == MessageKind::welcome && challenged_) {
        if (!sameBytes(message.proof, joinProof(code_, Role::host, hostNonce_, nonce_))) {
            fail(QStringLiteral("Der Gastgeber kennt den Code nicht – ist es die richtige Partie?"));
            return;
        }
        settled_ = true;
        link_->disconnect(this); // the session takes over the messages
        emit joined(link_, message.side);
    } else {
        fail(QStringLiteral("Der Gastgeber hat unerwartet geantwortet."));
    }
}

void NetworkGuest::fail(const QString& text)
{
    if (settled_)
        return;
    settled_ = true;
    if (link_) {
        link_->disconnect(this);
        link_->end(text);
        link_->deleteLater();
    }
    emit failed(text);
}

} // namespace bramlow::network
