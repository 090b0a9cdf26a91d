#pragma once
// Finding games on the local network: DNS-SD service type _bramlow._tcp, announced and
// browsed through the Avahi daemon's D-Bus interface on the system bus. Where no daemon
// runs, both say so in German, and the player types the address instead.

#include <QDBusObjectPath>
#include <QObject>
#include <QString>

namespace bramlow::network {

constexpr char serviceType[] = "_bramlow._tcp";

struct AnnouncedGame {
    QString name;    // the host's chosen name, for the list
    QString address; // numeric, as the daemon resolved it
    quint16 port = 0;
};

// Announces one game while it lives (or until withdraw()).
class GameAnnouncement : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~GameAnnouncement() override;
    // Empty when the game is announced; otherwise why not, in German.
    QString announce(const QString& name, quint16 port);
    void withdraw();

private:
    QDBusObjectPath group_;
};

class GameBrowser : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~GameBrowser() override;
    // Empty when browsing runs; otherwise why not, in German.
    QString start();

signals:
    void found(const bramlow::network::AnnouncedGame& game);
    void lost(const QString& name);

private slots:
    // D-Bus signal ItemNew/ItemRemove of org.freedesktop.Avahi.ServiceBrowser.
    void onItemNew(int interface, int protocol, const QString& name, const QString& type,
                   const QString& domain, uint flags);
    void onItemRemove(int interface, int protocol, const QString& name, const QString& type,
                      const QString& domain, uint flags);

private:
    QDBusObjectPath browser_;
};

// The German sentence shown where no daemon answers.
QString typeTheAddressText();

} // namespace bramlow::network
