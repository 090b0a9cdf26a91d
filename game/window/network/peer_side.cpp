#include "peer_side.h"

#include "network/peer_actions.h"
#include "record/check_value.h"
#include "window/bramlow_window.h"

#include <utility>

namespace bramlow {

PeerSide::PeerSide(Player peer, network::Role role, QObject* parent)
    : QObject(parent), peer_(peer), role_(role), session_(role, *this)
{
    connect(&session_, &network::LockstepSession::drawAgreed, this, [this](int, float x) { drawAgreed(x); });
}

PeerSide::~PeerSide() { follow(nullptr); }

void PeerSide::follow(BramlowWindow* window)
{
    if (window_)
        window_->setDrawGate({});
    window_ = window;
    if (window_) {
        // Every draw of a network game comes from both sides; the own generator is never asked.
        window_->draws().setOutsideOnly(true);
        window_->setDrawGate([this](Handler handler) { return clickMayDraw(handler); });
    }
}

void PeerSide::actionTaken(const RecordEntries& lines)
{
    if (replaying_)
        return;
    for (const RecordEntry& entry : lines)
        if (const auto* action = std::get_if<RecordAction>(&entry))
            session_.localAction(QString::fromStdString(recordLine(*action)));
}

QString PeerSide::applyPeerAction(const QString& line)
{
    if (!window_)
        return QStringLiteral("Es ist kein Spielfenster offen.");
    replaying_ = true;
    if (line.startsWith(QLatin1String("neu ")))
        clearNetworkMessage();
    const QString refusal = network::applyPeerLine(*window_, peer_, line, agreed_);
    replaying_ = false;
    if (refusal.isEmpty() && (line.startsWith(QLatin1String("neu ")) || line.startsWith(QLatin1String("wurf "))))
        agreed_.reset();
    return refusal;
}

void PeerSide::resume(const network::SessionState& state)
{
    session_.resume(state.actions, state.checks, state.draws, state.openSecret);
    // A draw agreed after the last action is still to be used, by whichever side rolls next.
    if (!state.draws.empty() && state.draws.back().afterActions == int(state.actions.size()))
        agreed_ = state.draws.back().x;
}

bool PeerSide::peerMayDraw() const
{
    // A new game is the host's to begin, so that both sides never draw for one at once.
    return window_ && !agreed_
        && (network::drawDueFor(*window_, peer_, false)
            || (role_ == network::Role::guest && network::drawDueFor(*window_, peer_, true)));
}

// The message line may hold a word of the network (a pause, a refusal); a new game finds it
// empty on both sides, so both records start alike and hold only what the game can show.
void PeerSide::clearNetworkMessage()
{
    if (window_)
        window_->setMessage({});
}

std::uint32_t PeerSide::checkValue() const { return window_ ? checkValueOf(*window_) : 0; }

bool PeerSide::clickMayDraw(Handler handler)
{
    const bool newGame = handler == Handler::neu;
    if (!window_ || replaying_ || window_->draws().suppliedLeft() > 0)
        return true;
    const Player local = opponentOf(peer_);
    if (newGame && role_ == network::Role::guest) {
        emit refused(QStringLiteral("Eine neue Netzwerkpartie beginnt der Gastgeber."));
        return false;
    }
    if (newGame && network::playerToMove(*window_)) {
        emit refused(QStringLiteral("Eine neue Netzwerkpartie beginnt erst nach dem Ende dieser."));
        return false;
    }
    if (!network::drawDueFor(*window_, local, newGame))
        return true; // this click draws nothing
    if (agreed_) {
        // Agreed before this program was last closed, and not used yet.
        window_->draws().supply(*std::exchange(agreed_, std::nullopt));
        return true;
    }
    if (!waitingClick_) {
        waitingClick_ = handler;
        session_.requestDraw();
    }
    return false;
}

void PeerSide::drawAgreed(float x)
{
    if (!waitingClick_ || !window_) {
        agreed_ = x; // the peer's: its action line follows
        return;
    }
    const Handler handler = *waitingClick_;
    waitingClick_.reset();
    window_->draws().supply(x);
    if (handler == Handler::neu) {
        clearNetworkMessage();
        window_->neu_but_Click();
    } else {
        window_->wuerfel_Click();
    }
    window_->draws().clearSupplied();
}

} // namespace bramlow
