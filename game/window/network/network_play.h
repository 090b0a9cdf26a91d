#pragma once
// A network game at the program's main window: opening one (the host listens, shows its
// code and addresses, announces the game on the local network), joining one, a dropped line
// (the game pauses; the guest comes back by itself with the same code, also after its
// program was closed or killed: the journal keeps the game), and hanging up (the game goes
// on at this window alone; after a dropped line only once the peer has been away for the
// wait, ten minutes or BRAMLOW_PEER_WAIT_MS). The peer sits in the sides as one more side.

#include "engine/player.h"
#include "network/game_discovery.h"
#include "network/network_guest.h"
#include "network/network_host.h"
#include "network_journal.h"

#include <QElapsedTimer>
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
    // Ends the network game at once; the game goes on at this window alone.
    void hangUp();
    // The player's "Verbindung trennen": while the peer is away, only after the wait.
    void hangUpAsked();
    bool active() const { return peer_ != nullptr; }
    // A click of the person while the peer is to move: says whose turn it is.
    void peerIsToMove();
    QString code() const { return code_; }

signals:
    void stateChanged();

private:
    void takeSeat(Player peer, network::Role role);
    void seatPeer(Player peer, network::Role role, network::PeerLink* link);
    // Takes up the game kept in the journal for `seat` (its peer aside); whether it did.
    bool resume(const network::SessionSeat& seat);
    void keep(const QByteArray& journalLines);
    void journalProblem(const QString& error);
    void linkLost(const QString& why);
    // The peer is away: the wait before this side may end the game alone begins.
    void startWaiting();
    void closeDown(bool endGame);
    QString pauseText() const;
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
    NetworkJournal journal_;
    bool journalFailed_ = false;
    // While the line is down: since when, and whether the peer left on purpose.
    QElapsedTimer awaySince_;
    bool peerLeft_ = false;
    bool waitedOut_ = false;
    qint64 peerWaitMs_;
    QTimer waitOver_;
};

} // namespace bramlow
