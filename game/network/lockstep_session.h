#pragma once
// Both programs run the whole game; this keeps them in step. The local side's actions go
// out as record lines with the check value after each; the peer's come in, are applied by
// the game through the same handlers as the computer's and must lead to the same check
// value. Every draw is a commit and reveal (fair_draw.h). When the line drops, the
// session keeps everything; on the next link both say how far they are, and the one ahead
// sends what the other missed, so nothing is lost and nothing played twice. Any fault of
// the peer ends the link with a German sentence; the local game stays as it was.

#include "network/fair_draw.h"
#include "network/join_code.h"
#include "network/peer_link.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace bramlow::network {


struct Message;

// The game behind a session.
class LockstepGame {
public:
    virtual ~LockstepGame() = default;
    // Applies the peer's action; or, when it is not the peer's to make or no action at
    // all, changes nothing and says why in German.
    virtual QString applyPeerAction(const QString& line) = 0;
    // Whether the peer may ask for the next draw now (it is the peer's turn to draw).
    virtual bool peerMayDraw() const = 0;
    // A number that differs when the position or the window's texts differ.
    virtual std::uint32_t checkValue() const = 0;
};

struct AgreedDrawRecord {
    int afterActions = 0; // how many actions came before the draw
    float x = 0.0f;
    QByteArray hostValue;
    QByteArray guestValue;
};

class LockstepSession : public QObject {
    Q_OBJECT
public:
    LockstepSession(Role role, LockstepGame& game, QObject* parent = nullptr);

    // A fresh link to the peer, after the join; the session reads and writes it from now on.
    void attach(PeerLink* link);
    bool connected() const;
    // The local game has just applied `line`.
    void localAction(const QString& line);
    // The local side needs the next draw; drawAgreed follows once both sides revealed.
    void requestDraw();
    // Ends the link from this side with `reason`; the session stays as it is.
    void hangUp(const QString& reason);
    // Takes up a session kept in a journal (session_journal.h), before the first link.
    void resume(const QStringList& actions, const std::vector<std::uint32_t>& checks,
                const std::vector<AgreedDrawRecord>& draws, const QByteArray& openSecret);

    const QStringList& actions() const { return actions_; }
    const std::vector<AgreedDrawRecord>& draws() const { return draws_; }
    bool drawOpen() const { return open_.has_value(); }

signals:
    void peerActed(int number, const QString& line);
    void drawAgreed(int number, float x);
    // The link is gone: the game pauses. `why` in German.
    void linkLost(const QString& why);
    // The peer ended the link on purpose (a "bye"); linkLost follows.
    void peerLeft();
    // Both sides agree again on where the game stands.
    void inStep();
    // For the journal, each before anything of it goes to the peer.
    void actionKept(const QString& line, std::uint32_t check);
    void drawKept(const bramlow::network::AgreedDrawRecord& draw);
    void secretKept(const QByteArray& value);

private:
    struct OpenDraw {
        int number = 0;
        DrawSecret mine;
        QByteArray peerCommitment;
        QByteArray peerValue;
        bool revealed = false;
    };
    void onMessage(const Message& message);
    void onSync(const Message& message);
    void onAction(const Message& message);
    void onCommit(const Message& message);
    void onReveal(const Message& message);
    void openDraw();
    void sendCommit();
    void advanceDraw();
    void sendAction(int number);
    void resendDraw(int number);
    void fault(const QString& why);

    Role role_;
    LockstepGame& game_;
    QPointer<PeerLink> link_;
    bool synced_ = false;
    QStringList actions_;
    std::vector<std::uint32_t> checks_; // the check value after each action
    std::vector<AgreedDrawRecord> draws_;
    std::optional<OpenDraw> open_;
};

} // namespace bramlow::network
