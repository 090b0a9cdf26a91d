#pragma once
// A network game at the program's main window: opening one (the host listens, shows its
// code and addresses, announces the game on the local network), joining one, a dropped line
// (the game pauses; the guest comes back by itself with the same code), and hanging up (the
// game goes on at this window alone). The peer sits in the sides as one more side.

#include "engine/player.h"
#include "network/game_discovery.h"
#include "network/network_guest.h"
#include "network/network_host.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace bramlow {

class GameApp;
class PeerSide;

class NetworkPlay : public QObject {
    Q_OBJECT
public:
    static constexpr int joinFailedExitCode = 8;

    explicit NetworkPlay(GameApp& app);
    ~NetworkPlay() override;

    // Listens on `port` with the local player `local`; `code` empty draws one. The German
    // error, or empty.
    QString open(quint16 port, Player local, QString code = {});
    // Joins; `exitOnFailure` ends the program with status 8 if the game cannot begin.
    void join(const network::HostAddress& address, const QString& code, bool exitOnFailure = false);
    void hangUp();
    bool active() const { return peer_ != nullptr; }
    QString code() const { return code_; }

signals:
    void stateChanged();

private:
    void seatPeer(Player peer, network::Role role, network::PeerLink* link);
    void linkLost(const QString& why);
    void say(const QString& text);
    void keepRecord();

    GameApp& app_;
    QString code_;
    std::unique_ptr<network::NetworkHost> host_;
    std::unique_ptr<network::NetworkGuest> guest_;
    std::unique_ptr<network::GameAnnouncement> announcement_;
    std::unique_ptr<PeerSide> peer_;
    network::HostAddress joinedAt_;
    QTimer rejoinTimer_;
    bool exitOnFailure_ = false;
};

} // namespace bramlow
