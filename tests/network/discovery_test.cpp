// Announcing and finding games through a real avahi-daemon on a private D-Bus system bus,
// and the sentence a player reads where no daemon runs.
#include "network_peer.h"

#include "network/game_discovery.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>
#include <QTemporaryDir>

using namespace bramlow::network;
using namespace bramlow::network::testing;

namespace {

// A private system bus for this test alone; avahi-daemon joins it when asked to.
class PrivateBus : public ::testing::Test {
protected:
    static QString write(const QString& name, const QString& text)
    {
        QFile file(dir_->filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return file.fileName();
    }
    static QProcess* run(const QString& program, const QStringList& arguments)
    {
        auto* process = new QProcess;
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        process->start(program, arguments);
        return process;
    }
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        const QString allow = QStringLiteral("<allow send_type=\"%1\"/><allow receive_type=\"%1\"/>");
        bus_ = run(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--nofork"),
                    QStringLiteral("--config-file=")
                        + write(QStringLiteral("bus.conf"),
                                QStringLiteral("<busconfig><type>system</type><listen>unix:path=%1/bus</listen>"
                                               "<auth>EXTERNAL</auth><policy context=\"default\"><allow user=\"*\"/>"
                                               "<allow own=\"*\"/>%2%3%4%5</policy></busconfig>")
                                    .arg(dir_->path(), allow.arg("method_call"), allow.arg("method_return"),
                                         allow.arg("error"), allow.arg("signal")))});
        // Every call of this process to the system bus goes to the private one.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + dir_->filePath(QStringLiteral("bus")).toUtf8());
        ASSERT_TRUE(waitFor([] { return QFile::exists(dir_->filePath(QStringLiteral("bus"))); }));
    }
    static void TearDownTestSuite()
    {
        for (QProcess* p : {avahi_, bus_})
            if (p) {
                p->terminate();
                p->waitForFinished();
                delete p;
            }
        delete dir_;
    }
    // Whether avahi-daemon could start here and answers on the private bus.
    static bool startAvahi()
    {
        avahi_ = run(QStringLiteral("avahi-daemon"),
                     {QStringLiteral("-f"),
                      write(QStringLiteral("avahi.conf"),
                            QStringLiteral("[server]\nuse-ipv6=no\n[publish]\npublish-workstation=no\n")),
                      QStringLiteral("--no-drop-root"), QStringLiteral("--no-chroot"), QStringLiteral("--no-rlimits")});
        QDBusInterface server(QStringLiteral("org.freedesktop.Avahi"), QStringLiteral("/"),
                              QStringLiteral("org.freedesktop.Avahi.Server"), QDBusConnection::systemBus());
        return waitFor([&] {
            return avahi_->state() != QProcess::NotRunning
                && QDBusReply<int>(server.call(QStringLiteral("GetState"))).value() == 2; // AVAHI_SERVER_RUNNING
        });
    }
    static inline QTemporaryDir* dir_ = nullptr;
    static inline QProcess* bus_ = nullptr;
    static inline QProcess* avahi_ = nullptr;
};

TEST_F(PrivateBus, WithoutTheDaemonThePlayerIsToldToTypeTheAddress)
{
    GameAnnouncement announcement;
    EXPECT_TRUE(announcement.announce(QStringLiteral("Partie von Test"), 47474).endsWith(typeTheAddressText()));
    GameBrowser browser;
    EXPECT_TRUE(browser.start().endsWith(typeTheAddressText()));
}

TEST_F(PrivateBus, AnAnnouncedGameIsFoundWithItsAddressAndPort)
{
    if (!startAvahi())
        GTEST_SKIP() << "avahi-daemon does not run here (it needs root and a multicast network interface)";
    GameBrowser browser;
    QList<AnnouncedGame> found;
    QObject::connect(&browser, &GameBrowser::found, [&](const AnnouncedGame& game) { found.append(game); });
    ASSERT_EQ(browser.start(), QString());
    GameAnnouncement announcement;
    ASSERT_EQ(announcement.announce(QStringLiteral("Partie von Test"), 47475), QString());
    ASSERT_TRUE(waitFor([&] { return !found.isEmpty(); }));
    EXPECT_EQ(found.front().name, QStringLiteral("Partie von Test"));
    EXPECT_EQ(found.front().port, 47475);
    EXPECT_FALSE(found.front().address.isEmpty());
}

} // namespace
