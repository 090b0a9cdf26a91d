#include "network/game_discovery.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>

namespace bramlow::network {

namespace {

constexpr char avahiService[] = "org.freedesktop.Avahi";
constexpr char serverInterface[] = "org.freedesktop.Avahi.Server";
constexpr char groupInterface[] = "org.freedesktop.Avahi.EntryGroup";
constexpr char browserInterface[] = "org.freedesktop.Avahi.ServiceBrowser";
// AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC
constexpr int anyInterface = -1;
constexpr int anyProtocol = -1;

QDBusInterface server()
{
    return QDBusInterface(QLatin1String(avahiService), QStringLiteral("/"), QLatin1String(serverInterface),
                          QDBusConnection::systemBus());
}

QString noDaemon(const QString& detail)
{
    return QStringLiteral("Der Avahi-Dienst antwortet nicht (%1). %2").arg(detail, typeTheAddressText());
}

} // namespace

QString typeTheAddressText()
{
    return QStringLiteral("Die Partie wird im lokalen Netz nicht angekündigt; wer beitreten will, gibt die Adresse ein.");
}

GameAnnouncement::~GameAnnouncement() { withdraw(); }

QString GameAnnouncement::announce(const QString& name, quint16 port)
{
    withdraw();
    qDBusRegisterMetaType<QList<QByteArray>>();
    QDBusReply<QDBusObjectPath> group = server().call(QStringLiteral("EntryGroupNew"));
    if (!group.isValid())
        return noDaemon(group.error().message());
    group_ = group.value();
    QDBusInterface entries(QLatin1String(avahiService), group_.path(), QLatin1String(groupInterface),
                           QDBusConnection::systemBus());
    const QList<QByteArray> txt{QByteArrayLiteral("version=1")};
    QDBusReply<void> added = entries.call(QStringLiteral("AddService"), anyInterface, anyProtocol, 0u, name,
                                          QLatin1String(serviceType), QString(), QString(),
                                          QVariant::fromValue(port), QVariant::fromValue(txt));
    if (!added.isValid())
        return noDaemon(added.error().message());
    QDBusReply<void> committed = entries.call(QStringLiteral("Commit"));
    return committed.isValid() ? QString() : noDaemon(committed.error().message());
}

void GameAnnouncement::withdraw()
{
    if (group_.path().isEmpty())
        return;
    QDBusInterface(QLatin1String(avahiService), group_.path(), QLatin1String(groupInterface),
                   QDBusConnection::systemBus())
        .call(QDBus::NoBlock, QStringLiteral("Free"));
    group_ = {};
}

GameBrowser::~GameBrowser()
{
    if (!browser_.path().isEmpty())
        QDBusInterface(QLatin1String(avahiService), browser_.path(), QLatin1String(browserInterface),
                       QDBusConnection::systemBus())
            .call(QDBus::NoBlock, QStringLiteral("Free"));
}

QString GameBrowser::start()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    // Listen on every path before the browser exists: the daemon may report its first
    // items before the call that creates the browser has returned.
    bus.connect(QLatin1String(avahiService), QString(), QLatin1String(browserInterface), QStringLiteral("ItemNew"),
                this, SLOT(onItemNew(int, int, QString, QString, QString, uint)));
    bus.connect(QLatin1String(avahiService), QString(), QLatin1String(browserInterface),
                QStringLiteral("ItemRemove"), this, SLOT(onItemRemove(int, int, QString, QString, QString, uint)));
    QDBusReply<QDBusObjectPath> browser = server().call(QStringLiteral("ServiceBrowserNew"), anyInterface, anyProtocol,
                                                        QLatin1String(serviceType), QString(), 0u);
    if (!browser.isValid())
        return noDaemon(browser.error().message());
    browser_ = browser.value();
    return {};
}

void GameBrowser::onItemNew(int interface, int protocol, const QString& name, const QString& type,
                            const QString& domain, uint)
{
    if (type != QLatin1String(serviceType))
        return;
    QDBusPendingCall call = server().asyncCall(QStringLiteral("ResolveService"), interface, protocol, name, type,
                                               domain, anyProtocol, 0u);
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusMessage reply = done->reply();
        const QList<QVariant> values = reply.arguments();
        if (reply.type() != QDBusMessage::ReplyMessage || values.size() < 9)
            return; // gone again before it could be resolved
        AnnouncedGame game;
        game.name = values[2].toString();
        game.address = values[7].toString();
        game.port = quint16(values[8].toUInt());
        emit found(game);
    });
}

void GameBrowser::onItemRemove(int, int, const QString& name, const QString& type, const QString&, uint)
{
    if (type == QLatin1String(serviceType))
        emit lost(name);
}

} // namespace bramlow::network
