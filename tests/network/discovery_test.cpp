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
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        QFile config(dir_->filePath(QStringLiteral("bus.conf")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>unix:path=%1/bus</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/>
<allow send_type="method_call"/><allow send_type="method_return"/><allow send_type="error"/><allow send_type="signal"/>
<allow receive_type="method_call"/><allow receive_type="method_return"/><allow receive_type="error"/>
<allow receive_type="signal"/></policy></busconfig>)")
                         .arg(dir_->path())
                         .toUtf8());
        config.close();
        bus_ = new QProcess;
        bus_->start(QStringLiteral("dbus-daemon"), {QStringLiteral("--nofork"), QStringLiteral("--config-file=") + config.fileName()});
        ASSERT_TRUE(bus_->waitForStarted());
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
        QFile config(dir_->filePath(QStringLiteral("avahi.conf")));
        config.open(QIODevice::WriteOnly);
        config.write("[server]\nuse-ipv6=no\nenable-dbus=yes\n[publish]\npublish-workstation=no\npublish-hinfo=no\n");
        config.close();
        avahi_ = new QProcess;
        avahi_->setStandardOutputFile(QProcess::nullDevice());
        avahi_->setStandardErrorFile(QProcess::nullDevice());
        avahi_->start(QStringLiteral("avahi-daemon"), {QStringLiteral("-f"), config.fileName(), QStringLiteral("--no-drop-root"),
                                                       QStringLiteral("--no-chroot"), QStringLiteral("--no-rlimits")});
        QDBusInterface server(QStringLiteral("org.freedesktop.Avahi"), QStringLiteral("/"),
                              QStringLiteral("org.freedesktop.Avahi.Server"), QDBusConnection::systemBus());
        return waitFor([&] {
            return avahi_->state() != QProcess::NotRunning
                && QDBusReply<int>(server.call(QStringLiteral("GetState"))).value() == 2; // AVAHI_SERVER_RUNNING
        });
    }
    static QTemporaryDir* dir_;
    static QProcess* bus_;
    static QProcess* avahi_;
};
QTemporaryDir* PrivateBus::dir_ = nullptr;
QProcess* PrivateBus::bus_ = nullptr;
QProcess* PrivateBus::avahi_ = nullptr;

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

    QStringList lost;
    QObject::connect(&browser, &GameBrowser::lost, [&](const QString& name) { lost.append(name); });
    announcement.withdraw();
    EXPECT_TRUE(waitFor([&] { return lost.contains(QStringLiteral("Partie von Test")); }));
}

} // namespace
