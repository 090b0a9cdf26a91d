// Two real game programs, host and guest, each with the computer on its own side, play a
// whole game over a real socket on localhost; both keep the same record and the same draws.
// And every way a --join start can fail ends with its status.
#include "network_peer.h"

#include "record/engine_game.h"
#include "record/game_recorder.h"
#include "record/replay.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>

using namespace bramlow;
using namespace bramlow::network::testing;

namespace {

// Whether a program listens on `port` within 30 s (the host's window comes up first).
bool listening(quint16 port)
{
    const QDeadlineTimer deadline(30000);
    for (QTcpSocket probe; !deadline.hasExpired(); probe.abort()) {
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200))
            return true;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 200);
    }
    return false;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// One program with folders of its own, offscreen, without sound.
struct Program {
    explicit Program(const QStringList& arguments) : arguments(arguments)
    {
        QDir(home.path()).mkpath(QStringLiteral("bramlow"));
        QFile options(home.filePath(QStringLiteral("bramlow/bramlow.conf")));
        options.open(QIODevice::WriteOnly);
        options.write("[Optionen]\nTon=false\n");
        options.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME"})
            environment.insert(QLatin1String(name), home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        environment.insert(QStringLiteral("BRAMLOW_DIALOG_TIMEOUT_MS"), QStringLiteral("50"));
        process.setProcessEnvironment(environment);
        start();
    }
    void start() { process.start(QStringLiteral(BRAMLOW_PROGRAM_DIR "/bramlow"), arguments); }
    ~Program()
    {
        process.kill();
        process.waitForFinished();
    }
    QByteArray kept(const char* name) const
    {
        QFile file(home.filePath(QStringLiteral("bramlow/") + QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The network game's record, once it is won; else why not.
    std::string won() const
    {
        const ParsedRecord parsed = parseRecord(kept("netzwerkpartie.bramlow").toStdString());
        EngineGame game;
        if (!parsed.record)
            return parsed.error.message;
        const ReplayResult replayed = replayRecord(*parsed.record, game);
        return !replayed.ok ? replayed.error.message : isWon(game) ? std::string() : "nicht gewonnen";
    }
    const QStringList arguments;
    QTemporaryDir home;
    QProcess process;
};

// Both programs end the game won, with the same record and the same draws.
void expectTheSameWonGame(const Program& host, const Program& guest, const QDeadlineTimer& deadline)
{
    while (!(host.won().empty() && guest.won().empty()) && !deadline.hasExpired())
        QThread::msleep(500);
    ASSERT_EQ(host.won() + guest.won(), "");
    EXPECT_EQ(host.kept("netzwerkpartie.bramlow"), guest.kept("netzwerkpartie.bramlow"));
    EXPECT_EQ(host.kept("netzwerkpartie-wuerfe.txt"), guest.kept("netzwerkpartie-wuerfe.txt"));
}

TEST(TwoWindows, PlayAWholeGameOverTheNetworkAndKeepTheSameRecord)
{
    const QString port = QString::number(freePort());
    Program host({QStringLiteral("--host=") + port, QStringLiteral("--code=271828"), QStringLiteral("--computer=silber")});
    ASSERT_TRUE(listening(port.toUShort()));
    Program guest({QStringLiteral("--join=127.0.0.1:") + port, QStringLiteral("--code=271828"),
                   QStringLiteral("--computer=gold")});
    expectTheSameWonGame(host, guest, QDeadlineTimer(240000));
    EXPECT_FALSE(host.kept("netzwerkpartie-wuerfe.txt").isEmpty());
}

// The actions in a network journal (check values cut off) and its last line, whole lines only.
struct JournalEnd {
    explicit JournalEnd(const QByteArray& journal)
    {
        lines = journal.split('\n');
        lines.removeLast();
        last = lines.isEmpty() ? QByteArray() : lines.last();
        for (const QByteArray& line : lines)
            if (line.startsWith("aktion "))
                actions.append(line.mid(16));
    }
    // Silber's turn has just ended (its move or the logo after its roll): Gold rolls next.
    bool goldToRoll() const
    {
        for (qsizetype i = actions.size() - 1; i >= 0; --i)
            if (actions[i].startsWith("wurf "))
                return actions[i].startsWith("wurf Silber") && last == "aktion" + last.mid(6, 10) + actions.last()
                    && (actions.last().startsWith("logo") || (actions.last().startsWith("setze") && actions.last().endsWith(" ja")));
        return false;
    }
    // A whole line that starts with `start`, or an action that does: the last one, or any.
    static bool says(const QByteArray& line, const char* start)
    {
        return line.startsWith(start) || (line.startsWith("aktion ") && line.mid(16).startsWith(start));
    }
    bool endsWith(const char* start) const { return says(last, start); }
    bool holds(const char* start) const
    {
        return std::any_of(lines.begin(), lines.end(), [start](const QByteArray& line) { return says(line, start); });
    }
    QList<QByteArray> lines;
    QList<QByteArray> actions;
    QByteArray last;
};

TEST(TwoWindows, AProgramKilledAtAnyMomentComesBackAndTheGameGoesOn)
{
    // Silber is the host's, Gold the guest's. Each moment is caught in the guest's journal
    // and the program killed (SIGKILL) is started again with the same arguments;
    // for a draw left open the host is held (SIGSTOP) as Gold's turn begins, so that the
    // guest's commitment goes out and no reveal comes back before the guest dies.
    struct Moment {
        const char* name;
        const char* lastLine; // the start of the journal's last line, or of its last action
        bool holdHost;
        bool killHost = false; // else the guest
    };
    const Moment moments[] = {
        {"a game just begun", "neu ", false},
        {"the guest rolled, before it moves", "wurf Gold ", false},
        {"a draw open: the guest committed, nothing revealed", "zusage ", true},
        {"the host's turn", "wurf Silber ", false},
        {"the host itself killed, in its turn", "wurf Silber ", false, true},
    };
    const QString port = QString::number(freePort());
    Program host({QStringLiteral("--host=") + port, QStringLiteral("--code=314159"), QStringLiteral("--computer=silber")});
    ASSERT_TRUE(listening(port.toUShort()));
    Program guest({QStringLiteral("--join=127.0.0.1:") + port, QStringLiteral("--code=314159"),
                   QStringLiteral("--computer=gold")});
    const QDeadlineTimer deadline(240000);
    qsizetype killedAt = 0;
    const auto waitUntil = [&](auto done) {
        // Polled every 2 ms: the moment between a commitment and its reveal is short.
        while (!done() && !deadline.hasExpired())
            QThread::msleep(2);
        return done();
    };
    for (const Moment& moment : moments) {
        const auto journal = [&] { return guest.kept("netzwerkpartie.journal"); };
        if (moment.holdHost) {
            ASSERT_TRUE(waitUntil([&] { return journal().size() > killedAt && JournalEnd(journal()).goldToRoll(); }));
            ::kill(pid_t(host.process.processId()), SIGSTOP);
        }
        // The moment itself, or soon after it where a busy machine let it pass unseen between
        // two looks: any moment must do. Lines are only appended, also by a program that came back.
        const qsizetype from = journal().size();
        ASSERT_TRUE(waitUntil([&] {
            const QByteArray kept = journal();
            return kept.size() > killedAt
                && (JournalEnd(kept).endsWith(moment.lastLine) || JournalEnd(kept.mid(from)).holds(moment.lastLine));
        })) << moment.name;
        // It holds the join code: no one else may read it.
        EXPECT_FALSE(QFileInfo(guest.home.filePath("bramlow/netzwerkpartie.journal")).permissions()
                     & (QFile::ReadGroup | QFile::ReadOther));
        Program& killed = moment.killHost ? host : guest;
        killed.process.kill();
        killed.process.waitForFinished();
        ::kill(pid_t(host.process.processId()), SIGCONT);
        killedAt = journal().size();
        killed.start();
    }
    expectTheSameWonGame(host, guest, deadline);
}

TEST(TwoWindows, AJoinThatCannotBeginAGameEndsWithItsStatus)
{
    const QString port = QString::number(freePort());
    Program host({QStringLiteral("--host=") + port, QStringLiteral("--code=271828")});
    ASSERT_TRUE(listening(port.toUShort()));
    struct JoinCase {
        const char* name;
        QStringList arguments;
        int status;
        const char* says;
    };
    const JoinCase cases[] = {
        {"wrong code", {"--join=127.0.0.1:" + port, "--code=999999"}, 8, "Der Code ist falsch."},
        {"no host there", {QStringLiteral("--join=127.0.0.1:%1").arg(freePort()), "--code=271828"}, 8, "Keine Verbindung"},
        {"code of five digits", {"--join=127.0.0.1:" + port, "--code=27182"}, 2, "--code"},
        {"port out of range", {"--join=127.0.0.1:70000", "--code=271828"}, 2, "--join"},
        {"join without code", {"--join=127.0.0.1:" + port}, 2, "braucht den Code"},
        {"host and join", {"--host", "--join=127.0.0.1"}, 2, "schließen einander aus"},
        {"side of nobody", {"--host", "--side=rot"}, 2, "--side"},
    };
    for (const JoinCase& c : cases) {
        Program guest(c.arguments);
        ASSERT_TRUE(guest.process.waitForFinished(30000)) << c.name;
        EXPECT_EQ(guest.process.exitCode(), c.status) << c.name;
        EXPECT_TRUE(QString::fromUtf8(guest.process.readAllStandardError()).contains(QString::fromUtf8(c.says))) << c.name;
    }
}

} // namespace
