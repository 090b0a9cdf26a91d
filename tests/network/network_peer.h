#pragma once
// Test helpers over real sockets: a raw WebSocket client that says exactly what the test
// tells it (the hostile peer), and waits that run the event loop until something happens.

#include "network/join_code.h"
#include "network/network_message.h"
#include "network/protocol_limits.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWebSocket>

#include <gtest/gtest.h>

namespace bramlow::network::testing {

// Runs the event loop until `done` holds or 5 s passed; whether it holds.
template <typename Done>
bool waitFor(Done done)
{
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

class RawClient {
public:
    explicit RawClient(quint16 port)
    {
        QObject::connect(&socket_, &QWebSocket::textMessageReceived,
                         [this](const QString& text) { inbox_.append(text.toUtf8()); });
        bool connected = false;
        const auto once = QObject::connect(&socket_, &QWebSocket::connected, [&connected] { connected = true; });
        socket_.open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(QLatin1String(resourcePath))));
        EXPECT_TRUE(waitFor([&connected] { return connected; }));
        QObject::disconnect(once);
    }
    QWebSocket& socket() { return socket_; }
    void send(const QByteArray& json) { socket_.sendTextMessage(QString::fromUtf8(json)); }
    void send(const Message& message) { send(encodeMessage(message)); }
    // The next message the other side sent, read by the real reader; kind bye when closed.
    Message next()
    {
        waitFor([this] { return !inbox_.isEmpty() || socket_.state() != QAbstractSocket::ConnectedState; });
        if (inbox_.isEmpty())
            return Message{MessageKind::bye};
        const ParsedMessage parsed = parseMessage(inbox_.takeFirst());
        EXPECT_TRUE(std::holds_alternative<Message>(parsed));
        return std::holds_alternative<Message>(parsed) ? std::get<Message>(parsed) : Message{MessageKind::bye};
    }
    // Goes through the join with `code`; the host's last answer.
    Message join(const QString& code, int version = protocolVersion)
    {
        Message hello{MessageKind::hello};
        hello.version = version;
        hello.nonce = freshNonce();
        send(hello);
        const Message challenge = next();
        if (challenge.kind != MessageKind::challenge)
            return challenge;
        Message response{MessageKind::response};
        response.proof = joinProof(code, Role::guest, hello.nonce, challenge.nonce);
        send(response);
        return next();
    }
    bool waitClosed()
    {
        return waitFor([this] { return socket_.state() == QAbstractSocket::UnconnectedState; });
    }
private:
    QWebSocket socket_;
    QList<QByteArray> inbox_;
};

} // namespace bramlow::network::testing
