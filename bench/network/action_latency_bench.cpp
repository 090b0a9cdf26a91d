// How long an action takes from one program to the other and back over localhost: the
// network layer (WebSocket, JSON, strict reading, lockstep with check values) against a bare
// WebSocket echo of the same bytes, in the same run, as a ratio. The peer is a second process
// (this program started again with --peer). One way is half a round trip.
//
// Run: build/release/bench/network/action_latency_bench [rounds]
#include "network/lockstep_session.h"
#include "network/network_guest.h"
#include "network/network_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWebSocket>
#include <QWebSocketServer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace bramlow::network;

namespace {

const QString code = QStringLiteral("161803");

// Takes every action of the peer; `echo` answers each with one of its own.
class EchoGame final : public LockstepGame {
public:
    LockstepSession* session = nullptr;
    bool echo = false;
    int applied = 0;
    QString applyPeerAction(const QString& line) override
    {
        ++applied;
        if (echo)
            QMetaObject::invokeMethod(session, [this, line] { session->localAction(line); }, Qt::QueuedConnection);
        return {};
    }
    bool peerMayDraw() const override { return true; }
    // Both sides agree after every action: the number of actions so far.
    std::uint32_t checkValue() const override { return std::uint32_t(session->actions().size()); }
};

int runPeer(quint16 port)
{
    EchoGame game;
    game.echo = true;
    LockstepSession session(Role::guest, game);
    game.session = &session;
    NetworkGuest guest;
    QObject::connect(&guest, &NetworkGuest::joined, [&](PeerLink* link) { session.attach(link); });
    QObject::connect(&guest, &NetworkGuest::failed, [] { QCoreApplication::exit(8); });
    QObject::connect(&session, &LockstepSession::linkLost, [](const QString& why) {
        std::fprintf(stderr, "peer: %s\n", qUtf8Printable(why));
        QCoreApplication::quit();
    });
    guest.join({QStringLiteral("127.0.0.1"), port}, code);
    // The bare echo, for the baseline.
    QWebSocketServer echo(QStringLiteral("echo"), QWebSocketServer::NonSecureMode);
    echo.listen(QHostAddress::LocalHost, port + 1);
    QObject::connect(&echo, &QWebSocketServer::newConnection, [&] {
        QWebSocket* socket = echo.nextPendingConnection();
        QObject::connect(socket, &QWebSocket::textMessageReceived, socket, &QWebSocket::sendTextMessage);
    });
    return QCoreApplication::exec();
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

void report(const char* name, const std::vector<double>& roundTrips)
{
    std::printf("%-28s one way p50 %7.3f ms  p99 %7.3f ms  (round trip p99 %7.3f ms)\n", name,
                percentile(roundTrips, 0.5) / 2, percentile(roundTrips, 0.99) / 2, percentile(roundTrips, 0.99));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--peer"))
        return runPeer(quint16(arguments[2].toUInt()));
    const int rounds = arguments.size() > 1 ? arguments[1].toInt() : 1000;

    EchoGame game;
    LockstepSession session(Role::host, game);
    game.session = &session;
    NetworkHost host(code, QStringLiteral("gold"));
    host.listen(0);
    QObject::connect(&host, &NetworkHost::guestJoined, [&](PeerLink* link) { session.attach(link); });
    QProcess peer;
    peer.setProcessChannelMode(QProcess::ForwardedChannels);
    peer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peer"), QString::number(host.port())});
    const auto waitUntil = [](auto done) {
        while (!done())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    };
    waitUntil([&] { return session.connected(); });

    // The network layer: an action out, the peer's answering action back and checked.
    const QString line = QStringLiteral("setze b34 ja");
    std::vector<double> layer;
    QElapsedTimer clock;
    // One action every 10 ms, as a brisk game: a peer sending more than 200 messages a
    // second counts as a flood.
    QElapsedTimer pace;
    pace.start();
    for (int i = 0; i < rounds; ++i) {
        waitUntil([&] { return pace.elapsed() >= 10 * i; });
        const int before = game.applied;
        clock.start();
        session.localAction(line);
        waitUntil([&] { return game.applied > before || !session.connected(); });
        if (!session.connected()) {
            std::fprintf(stderr, "the peer went away\n");
            return 1;
        }
        layer.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    // The baseline: the same JSON as a bare WebSocket echo.
    QWebSocket bare;
    bare.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(host.port() + 1)));
    waitUntil([&] { return bare.state() == QAbstractSocket::ConnectedState; });
    int echoed = 0;
    QObject::connect(&bare, &QWebSocket::textMessageReceived, [&] { ++echoed; });
    const QString frame = QStringLiteral(R"({"type":"action","number":1,"line":"setze b34 ja","check":"0000002a"})");
    std::vector<double> baseline;
    pace.start();
    for (int i = 0; i < rounds; ++i) {
        waitUntil([&] { return pace.elapsed() >= 10 * i; });
        clock.start();
        bare.sendTextMessage(frame);
        waitUntil([&] { return echoed > i; });
        baseline.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    report("network layer (lockstep)", layer);
    report("bare WebSocket echo", baseline);
    std::printf("ratio of p99: %.2f; target: one way p99 below 50 ms\n", percentile(layer, 0.99) / percentile(baseline, 0.99));
    session.hangUp(QStringLiteral("Ende der Messung."));
    peer.waitForFinished(5000);
    return 0;
}
