#include "network/peer_link.h"

#include <QWebSocket>

namespace bramlow::network {

PeerLink::PeerLink(QWebSocket* socket, LinkTiming timing, QObject* parent)
    : QObject(parent), socket_(socket), timing_(timing)
{
    socket_->setParent(this);
    // Larger frames and messages are refused by the socket itself before they are buffered.
    socket_->setMaxAllowedIncomingFrameSize(maxMessageBytes);
    socket_->setMaxAllowedIncomingMessageSize(maxMessageBytes);
    connect(socket_, &QWebSocket::textMessageReceived, this, &PeerLink::onText);
    connect(socket_, &QWebSocket::binaryMessageReceived, this,
            [this] { lose(QStringLiteral("Die Gegenseite hat Binärdaten statt einer Nachricht gesendet.")); });
    connect(socket_, &QWebSocket::pong, this, &PeerLink::heardFromPeer);
    connect(socket_, &QWebSocket::connected, this, [this] {
        heardFromPeer();
        pingTimer_.start();
    });
    connect(socket_, &QWebSocket::disconnected, this, [this] {
        if (socket_->closeCode() == QWebSocketProtocol::CloseCodeTooMuchData)
            lose(QStringLiteral("Die Gegenseite hat eine Nachricht über 64 KiB gesendet."));
        else
            lose(QStringLiteral("Die Verbindung ist abgebrochen."));
    });

    pingTimer_.setInterval(timing_.pingInterval);
    connect(&pingTimer_, &QTimer::timeout, this, [this] { socket_->ping(); });
    silenceTimer_.setSingleShot(true);
    silenceTimer_.setInterval(timing_.silenceLimit);
    connect(&silenceTimer_, &QTimer::timeout, this,
            [this] { lose(QStringLiteral("Die Gegenseite antwortet nicht mehr.")); });
    // A socket that is still connecting gets the same time to answer as a silent peer.
    silenceTimer_.start();
    if (socket_->state() == QAbstractSocket::ConnectedState)
        pingTimer_.start();
    floodWindow_.start();
}

PeerLink::~PeerLink()
{
    open_ = false;
    socket_->disconnect(this);
}

void PeerLink::send(const Message& message)
{
    if (open_ && socket_->state() == QAbstractSocket::ConnectedState)
        socket_->sendTextMessage(QString::fromUtf8(encodeMessage(message)));
}

void PeerLink::end(const QString& reason)
{
    if (!open_)
        return;
    Message bye;
    bye.kind = MessageKind::bye;
    bye.text = reason.left(maxTextChars);
    send(bye);
    lose(reason);
}

void PeerLink::heardFromPeer()
{
    if (open_)
        silenceTimer_.start();
}

void PeerLink::onText(const QString& text)
{
    if (!open_)
        return;
    heardFromPeer();
    if (floodWindow_.elapsed() >= 1000) {
        floodWindow_.restart();
        messagesInWindow_ = 0;
    }
    if (++messagesInWindow_ > maxMessagesPerSecond) {
        lose(QStringLiteral("Die Gegenseite sendet mehr als %1 Nachrichten in der Sekunde.").arg(maxMessagesPerSecond));
        return;
    }
    const ParsedMessage parsed = parseMessage(text.toUtf8());
    if (const QString* error = std::get_if<QString>(&parsed)) {
        end(QStringLiteral("Nachricht abgewiesen: %1").arg(*error));
        return;
    }
    emit received(std::get<Message>(parsed));
}

void PeerLink::lose(const QString& why)
{
    if (!open_)
        return;
    open_ = false;
    pingTimer_.stop();
    silenceTimer_.stop();
    if (socket_->state() == QAbstractSocket::ConnectedState)
        socket_->close();
    else
        socket_->abort();
    emit gone(why);
}

} // namespace bramlow::network
