#pragma once
// One WebSocket to the other program, with the protocol's limits kept: one message a text
// frame of at most 64 KiB, read strictly; a ping every 5 s; a peer silent for 15 s, or one
// that floods, sends bytes that are no message, or closes, is gone. `gone` comes once,
// with a German sentence, and nothing is received after it.

#include "network/network_message.h"
#include "network/protocol_limits.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWebSocket;

namespace bramlow::network {

class PeerLink : public QObject {
    Q_OBJECT
public:
    // Takes the socket over, open or still connecting.
    PeerLink(QWebSocket* socket, LinkTiming timing, QObject* parent = nullptr);
    ~PeerLink() override;

    void send(const Message& message);
    // Ends the link from this side: `bye` with the reason first, then the close handshake.
    void end(const QString& reason);
    bool isOpen() const { return open_; }
    QWebSocket* socket() const { return socket_; }

signals:
    void received(const bramlow::network::Message& message);
    void gone(const QString& why);

private:
    void onText(const QString& text);
    void lose(const QString& why);
    void heardFromPeer();

    QWebSocket* socket_;
    LinkTiming timing_;
    QTimer pingTimer_;
    QTimer silenceTimer_;
    QElapsedTimer floodWindow_;
    int messagesInWindow_ = 0;
    bool open_ = true;
};

} // namespace bramlow::network
