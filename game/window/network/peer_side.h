#pragma once
// The network peer as one more side: it acts for its player by replaying the peer's record
// lines through the window's handlers, the same way the computer clicks, and sends the local
// side's actions to the peer. In a network game every draw comes from both sides
// (lockstep_session.h): a click that draws waits for the draw and is made once it is agreed.

#include "network/lockstep_session.h"
#include "network/session_journal.h"
#include "record/game_recorder.h"
#include "window/sides/side.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace bramlow {

class PeerSide : public QObject, public Side, public network::LockstepGame {
    Q_OBJECT
public:
    PeerSide(Player peer, network::Role role, QObject* parent = nullptr);
    ~PeerSide() override;

    SideKind kind() const override { return SideKind::peer; }
    void follow(BramlowWindow* window) override;
    void actionTaken(const RecordEntries& lines) override;

    QString applyPeerAction(const QString& line) override;
    bool peerMayDraw() const override;
    std::uint32_t checkValue() const override;

    Player peer() const { return peer_; }
    network::LockstepSession& session() { return session_; }
    // Takes up a session kept in the journal; the window already shows its position.
    void resume(const network::SessionState& state);
    // The window's draw gate: whether a click with `handler` may go ahead now.
    bool clickMayDraw(Handler handler);

signals:
    // A click of the local side was refused, in German why (for the message line).
    void refused(const QString& why);

private:
    void drawAgreed(float x);
    void clearNetworkMessage();

    Player peer_;
    network::Role role_;
    network::LockstepSession session_;
    QPointer<BramlowWindow> window_;
    std::optional<float> agreed_;
    std::optional<Handler> waitingClick_;
    bool replaying_ = false;
};

} // namespace bramlow
