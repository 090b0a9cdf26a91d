// Ctrl+Q typed into the real, running program ends it at once with status 0. The program
// runs on Qt's VNC platform, the one headless platform that takes keyboard input from
// outside the process; this test is the VNC client that types.

#include "window_test_support.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtEndian>

#include <gtest/gtest.h>

namespace bramlow {
namespace {

constexpr std::uint32_t controlKey = 0xffe3; // X keysym Control_L
constexpr std::uint32_t letterQ = 0x71;      // X keysym q

int freeLocalPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return -1;
    return probe.serverPort();
}

// A minimal RFB client: no security, no pixels, only key events.
class VncKeyboard {
public:
    bool connectTo(int port)
    {
        socket_.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        if (!socket_.waitForConnected(1000))
            return false;
        const QByteArray version = read(12);
        if (!version.startsWith("RFB 003."))
            return false;
        const bool oldProtocol = version.startsWith("RFB 003.003");
        socket_.write(oldProtocol ? "RFB 003.003\n" : "RFB 003.008\n");
        if (oldProtocol) {
            if (qFromBigEndian<quint32>(read(4).constData()) != 1)
                return false;
        } else {
            const QByteArray count = read(1);
            if (count.isEmpty() || count[0] == 0 || !read(count[0]).contains('\x01'))
                return false;
            socket_.write(QByteArray(1, '\x01'));
            if (version >= "RFB 003.008" && qFromBigEndian<quint32>(read(4).constData()) != 0)
                return false;
        }
        socket_.write(QByteArray(1, '\x01')); // shared session
        const QByteArray init = read(24);
        if (init.size() != 24)
            return false;
        read(static_cast<int>(qFromBigEndian<quint32>(init.constData() + 20))); // desktop name
        return true;
    }

    void key(std::uint32_t keysym, bool down)
    {
        char event[8] = {4, static_cast<char>(down ? 1 : 0), 0, 0};
        qToBigEndian<quint32>(keysym, event + 4);
        socket_.write(event, sizeof event);
        socket_.flush();
    }

private:
    QByteArray read(int bytes)
    {
        QByteArray data;
        while (data.size() < bytes && (socket_.bytesAvailable() > 0 || socket_.waitForReadyRead(5000)))
            data += socket_.read(bytes - data.size());
        return data;
    }

    QTcpSocket socket_;
};

TEST(EndeRealProgram, CtrlQEndsTheRunningProgramWithStatusZero)
{
    const int port = freeLocalPort();
    ASSERT_GT(port, 0);
    test::QuickProgramDir dir;

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("vnc:size=1024x768:port=%1").arg(port));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    environment.insert(QStringLiteral("SDL_DISKAUDIOFILE"), QStringLiteral("/dev/null"));
    environment.insert(QStringLiteral("BRAMLOW_DIALOG_TIMEOUT_MS"), QStringLiteral("50"));
    program.setProcessEnvironment(environment);
    program.start(QDir(dir.path()).filePath(QStringLiteral("bramlow")), {});
    ASSERT_TRUE(program.waitForStarted());

    VncKeyboard keyboard;
    bool connected = false;
    for (int attempt = 0; attempt < 100 && !connected && program.state() == QProcess::Running; ++attempt)
        connected = keyboard.connectTo(port) || (program.waitForFinished(100), false);
    ASSERT_TRUE(connected) << program.readAllStandardError().toStdString();

    // The window may not be up yet when the first keys arrive; they are typed again until
    // the program ends, within a minute at most.
    for (int attempt = 0; attempt < 300 && program.state() == QProcess::Running; ++attempt) {
        keyboard.key(controlKey, true);
        keyboard.key(letterQ, true);
        keyboard.key(letterQ, false);
        keyboard.key(controlKey, false);
        program.waitForFinished(200);
    }
    if (program.state() == QProcess::Running) {
        program.kill();
        program.waitForFinished();
        FAIL() << "Ctrl+Q did not end the program";
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

} // namespace
} // namespace bramlow
