#include "network/lockstep_session.h"

#include "network/network_message.h"
#include "network/peer_link.h"

#include <QCryptographicHash>

namespace bramlow::network {

LockstepSession::LockstepSession(Role role, LockstepGame& game, QObject* parent)
    : QObject(parent), role_(role), game_(game)
{
}

void LockstepSession::attach(PeerLink* link)
{
    if (link_)
        link_->disconnect(this);
    link_ = link;
    synced_ = false;
    if (open_)
        open_->revealed = false; // the peer may have missed it
    connect(link, &PeerLink::received, this, &LockstepSession::onMessage);
    connect(link, &PeerLink::gone, this, [this](const QString& why) {
        synced_ = false;
        emit linkLost(why);
    });
    Message sync;
    sync.kind = MessageKind::sync;
    sync.actions = int(actions_.size());
    sync.draws = int(draws_.size());
    sync.check = game_.checkValue();
    link->send(sync);
}

bool LockstepSession::connected() const { return link_ && link_->isOpen() && synced_; }

void LockstepSession::resume(const QStringList& actions, const std::vector<std::uint32_t>& checks,
                             const std::vector<AgreedDrawRecord>& draws, const QByteArray& openSecret)
{
    actions_ = actions;
    checks_ = checks;
    draws_ = draws;
    open_.reset();
    if (!openSecret.isEmpty()) {
        // The value this side may already have committed to: the same again, never a new one.
        open_ = OpenDraw{};
        open_->number = int(draws_.size());
        open_->mine = DrawSecret{openSecret, QCryptographicHash::hash(openSecret, QCryptographicHash::Sha256)};
    }
}

void LockstepSession::localAction(const QString& line)
{
    actions_.append(line);
    checks_.push_back(game_.checkValue());
    emit actionKept(line, checks_.back());
    if (connected())
        sendAction(int(actions_.size()) - 1);
}

void LockstepSession::requestDraw()
{
    if (open_)
        return;
    openDraw();
}

void LockstepSession::hangUp(const QString& reason)
{
    if (link_)
        link_->end(reason);
}

void LockstepSession::onMessage(const Message& message)
{
    if (!synced_ && message.kind != MessageKind::sync && message.kind != MessageKind::bye) {
        fault(QStringLiteral("Die Gegenseite hat nicht gesagt, wie weit ihre Partie ist."));
        return;
    }
    switch (message.kind) {
    case MessageKind::sync:
        onSync(message);
        break;
    case MessageKind::action:
        onAction(message);
        break;
    case MessageKind::commit:
        onCommit(message);
        break;
    case MessageKind::reveal:
        onReveal(message);
        break;
    case MessageKind::bye:
        // The peer ended the game; its words are the reason.
        link_->disconnect(this);
        emit peerLeft();
        emit linkLost(message.text);
        link_->end(message.text);
        break;
    default:
        fault(QStringLiteral("Unerwartete Nachricht mitten in der Partie."));
    }
}

void LockstepSession::onSync(const Message& message)
{
    const int mine = int(actions_.size());
    // While the line was down the side at the board may have gone on without drawing: the
    // actions may differ by many, the draws by the one whose reveal did not arrive.
    if (synced_ || message.draws > int(draws_.size()) + 1) {
        fault(QStringLiteral("Die Partie der Gegenseite passt nicht zu dieser."));
        return;
    }
    if (message.actions == mine && message.check != game_.checkValue()) {
        fault(QStringLiteral("Die Partien sind auseinandergelaufen: gleich viele Aktionen, aber eine andere Stellung."));
        return;
    }
    synced_ = true;
    // What the peer missed, in the order it happened: each draw before the action after it.
    for (int action = message.actions; action <= mine; ++action) {
        for (int draw = message.draws; draw < int(draws_.size()); ++draw)
            if (draws_[size_t(draw)].afterActions == action)
                resendDraw(draw);
        if (action < mine)
            sendAction(action);
    }
    if (open_)
        sendCommit();
    advanceDraw();
    emit inStep();
}

void LockstepSession::onAction(const Message& message)
{
    if (message.number != int(actions_.size())) {
        fault(QStringLiteral("Die Gegenseite hat Aktion %1 gesendet, erwartet war Aktion %2.")
                  .arg(message.number + 1)
                  .arg(actions_.size() + 1));
        return;
    }
    if (open_) {
        fault(QStringLiteral("Die Gegenseite handelt, bevor der Würfel gefallen ist."));
        return;
    }
    const QString refusal = game_.applyPeerAction(message.line);
    if (!refusal.isEmpty()) {
        fault(QStringLiteral("Aktion der Gegenseite abgewiesen: %1").arg(refusal));
        return;
    }
    actions_.append(message.line);
    checks_.push_back(game_.checkValue());
    emit actionKept(message.line, checks_.back());
    emit peerActed(message.number, message.line);
    if (message.check != checks_.back())
        fault(QStringLiteral("Die Partien sind nach Aktion %1 auseinandergelaufen. Beide Aufzeichnungen bleiben erhalten.")
                  .arg(message.number + 1));
}

void LockstepSession::onCommit(const Message& message)
{
    const int next = int(draws_.size());
    if (message.number < next) {
        const AgreedDrawRecord& done = draws_[size_t(message.number)];
        const QByteArray& peerValue = role_ == Role::host ? done.guestValue : done.hostValue;
        if (!revealMatches(peerValue, message.digest))
            fault(QStringLiteral("Die Gegenseite hat ihre Zusage für einen Wurf geändert."));
        return;
    }
    if (message.number > next) {
        fault(QStringLiteral("Die Gegenseite sagt einen Wurf zu, der noch nicht dran ist."));
        return;
    }
    if (!open_) {
        if (!game_.peerMayDraw()) {
            fault(QStringLiteral("Die Gegenseite würfelt außer der Reihe."));
            return;
        }
        openDraw();
    }
    if (!open_->peerCommitment.isEmpty() && !sameBytes(open_->peerCommitment, message.digest)) {
        fault(QStringLiteral("Die Gegenseite hat ihre Zusage für einen Wurf geändert."));
        return;
    }
    open_->peerCommitment = message.digest;
    advanceDraw();
}

void LockstepSession::onReveal(const Message& message)
{
    const int next = int(draws_.size());
    if (message.number < next) {
        const AgreedDrawRecord& done = draws_[size_t(message.number)];
        if (!sameBytes(role_ == Role::host ? done.guestValue : done.hostValue, message.digest))
            fault(QStringLiteral("Die Gegenseite hat einen anderen Wert aufgedeckt als zuvor."));
        return;
    }
    if (message.number > next || !open_ || open_->peerCommitment.isEmpty()) {
        fault(QStringLiteral("Die Gegenseite deckt einen Wert auf, den sie nicht zugesagt hat."));
        return;
    }
    if (!revealMatches(message.digest, open_->peerCommitment)) {
        fault(QStringLiteral("Der aufgedeckte Wert der Gegenseite passt nicht zu ihrer Zusage – die Partie endet."));
        return;
    }
    open_->peerValue = message.digest;
    advanceDraw();
}

void LockstepSession::openDraw()
{
    open_ = OpenDraw{};
    open_->number = int(draws_.size());
    open_->mine = freshDrawSecret();
    emit secretKept(open_->mine.value);
    if (connected())
        sendCommit();
}

void LockstepSession::sendCommit()
{
    Message commit;
    commit.kind = MessageKind::commit;
    commit.number = open_->number;
    commit.digest = open_->mine.commitment;
    link_->send(commit);
}

void LockstepSession::advanceDraw()
{
    if (!open_ || open_->peerCommitment.isEmpty() || !connected())
        return;
    // Reveal only once both commitments are in, and again after a new link.
    if (!open_->revealed) {
        Message reveal;
        reveal.kind = MessageKind::reveal;
        reveal.number = open_->number;
        reveal.digest = open_->mine.value;
        link_->send(reveal);
        open_->revealed = true;
    }
    if (open_->peerValue.isEmpty())
        return;
    AgreedDrawRecord done;
    done.afterActions = int(actions_.size());
    done.hostValue = role_ == Role::host ? open_->mine.value : open_->peerValue;
    done.guestValue = role_ == Role::host ? open_->peerValue : open_->mine.value;
    done.x = sharedDraw(done.hostValue, done.guestValue);
    draws_.push_back(done);
    emit drawKept(done);
    const int number = open_->number;
    open_.reset();
    emit drawAgreed(number, done.x);
}

void LockstepSession::sendAction(int number)
{
    Message action;
    action.kind = MessageKind::action;
    action.number = number;
    action.line = actions_[number];
    action.check = checks_[size_t(number)];
    link_->send(action);
}

void LockstepSession::resendDraw(int number)
{
    const AgreedDrawRecord& done = draws_[size_t(number)];
    const QByteArray& mine = role_ == Role::host ? done.hostValue : done.guestValue;
    Message commit;
    commit.kind = MessageKind::commit;
    commit.number = number;
    commit.digest = QCryptographicHash::hash(mine, QCryptographicHash::Sha256);
    link_->send(commit);
    Message reveal;
    reveal.kind = MessageKind::reveal;
    reveal.number = number;
    reveal.digest = mine;
    link_->send(reveal);
}

void LockstepSession::fault(const QString& why)
{
    if (link_)
        link_->end(why);
}

} // namespace bramlow::network
