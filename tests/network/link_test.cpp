// The join, the hostile peer and lockstep over real WebSockets on localhost.
#include "network_peer.h"

#include "network/lockstep_session.h"
#include "network/network_guest.h"
#include "network/network_host.h"
#include "network/peer_link.h"

#include <QCryptographicHash>

#include <memory>
#include <random>

using namespace bramlow::network;
using namespace bramlow::network::testing;

namespace {

const QString code = QStringLiteral("314159");

// A game of turns for the layer alone: the host makes the even actions, the guest the odd;
// each is "zug <number> <draw>", the draw agreed just before it.
class TurnGame final : public LockstepGame {
public:
    TurnGame(Role role) : role_(role) {}
    LockstepSession* session = nullptr;
    QStringList lines;

    bool myTurn() const { return (lines.size() % 2 == 0) == (role_ == Role::host); }
    QString nextLine() const
    {
        return QStringLiteral("zug %1 %2").arg(lines.size()).arg(session->draws().empty() ? 0.0f : session->draws().back().x);
    }
    QString applyPeerAction(const QString& line) override
    {
        if (myTurn())
            return QStringLiteral("Die Gegenseite ist nicht am Zug.");
        if (line != nextLine())
            return QStringLiteral("„%1“ ist hier kein Zug.").arg(line);
        lines.append(line);
        return {};
    }
    bool peerMayDraw() const override { return !myTurn(); }
    std::uint32_t checkValue() const override { return qHash(lines.join(u'\n')); }

private:
    Role role_;
};

struct Side {
    explicit Side(Role role) : game(role), session(role, game) { game.session = &session; }
    TurnGame game;
    LockstepSession session;
    QStringList lost;
};

class NetworkGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host_.listen(0).isEmpty());
        QObject::connect(&host_, &NetworkHost::guestJoined, [this](PeerLink* link) { hostSide_.session.attach(link); });
        for (Side* side : {&hostSide_, &guestSide_})
            QObject::connect(&side->session, &LockstepSession::linkLost,
                             [side](const QString& why) { side->lost.append(why); });
    }
    void joinGuest()
    {
        guest_ = std::make_unique<NetworkGuest>();
        QObject::connect(guest_.get(), &NetworkGuest::joined,
                         [this](PeerLink* link, const QString&) { guestSide_.session.attach(link); });
        guest_->join({QStringLiteral("127.0.0.1"), host_.port()}, code);
        ASSERT_TRUE(waitFor([this] { return hostSide_.session.connected() && guestSide_.session.connected(); }));
    }
    // A raw client past the join and the exchange of where the game stands.
    std::unique_ptr<RawClient> hostileGuest()
    {
        auto client = std::make_unique<RawClient>(host_.port());
        EXPECT_EQ(client->join(code).kind, MessageKind::welcome);
        EXPECT_EQ(client->next().kind, MessageKind::sync);
        Message sync{MessageKind::sync};
        sync.actions = int(hostSide_.session.actions().size());
        sync.draws = int(hostSide_.session.draws().size());
        sync.check = hostSide_.game.checkValue();
        client->send(sync);
        EXPECT_TRUE(waitFor([this] { return hostSide_.session.connected(); }));
        return client;
    }
    NetworkHost host_{code, QStringLiteral("gold")};
    Side hostSide_{Role::host};
    Side guestSide_{Role::guest};
    std::unique_ptr<NetworkGuest> guest_;
};

TEST_F(NetworkGame, OnlyTheInvitedGuestGetsIn)
{
    struct JoinCase {
        const char* name;
        int wrongTriesBefore;
        bool gameRunning;
        int version;
        const char* code;
        const char* hostSays; // what the raw client hears; nullptr: it gets in
    };
    const JoinCase cases[] = {
        {"right code", 0, false, protocolVersion, "314159", nullptr},
        {"wrong code", 0, false, protocolVersion, "271828", "Der Code ist falsch."},
        {"other version", 0, false, 2, "314159", "Protokollversion 2"},
        {"third machine", 0, true, protocolVersion, "314159", "schon zwei Spieler"},
        {"right code after three wrong", 3, false, protocolVersion, "314159", "30 Sekunden"},
    };
    for (const JoinCase& c : cases) {
        NetworkHost host(code, QStringLiteral("gold"));
        ASSERT_TRUE(host.listen(0).isEmpty());
        QStringList refusals;
        QObject::connect(&host, &NetworkHost::guestRefused, [&](const QString& text) { refusals.append(text); });
        for (int i = 0; i < c.wrongTriesBefore; ++i)
            RawClient(host.port()).join(QStringLiteral("000000"));
        RawClient first(host.port());
        if (c.gameRunning)
            ASSERT_EQ(first.join(code).kind, MessageKind::welcome) << c.name;
        RawClient client(host.port());
        const Message answer = c.gameRunning ? client.next() : client.join(QString::fromLatin1(c.code), c.version);
        if (!c.hostSays) {
            EXPECT_EQ(answer.kind, MessageKind::welcome) << c.name;
            EXPECT_EQ(answer.side, QStringLiteral("gold"));
            EXPECT_TRUE(waitFor([&] { return host.guest() != nullptr; })) << c.name;
            continue;
        }
        EXPECT_EQ(answer.kind, MessageKind::refused) << c.name;
        EXPECT_TRUE(answer.text.contains(QString::fromUtf8(c.hostSays))) << c.name << ": " << answer.text.toStdString();
        EXPECT_TRUE(client.waitClosed()) << c.name;
        ASSERT_FALSE(refusals.isEmpty()) << c.name;
        EXPECT_EQ(refusals.back(), answer.text) << c.name;
    }
}

TEST_F(NetworkGame, AHostilePeerLosesTheConnectionAndTheGameStaysAsItWas)
{
    struct HostileCase {
        const char* name;
        bool hostMovesFirst; // the host has made action 0, the peer may draw
        std::function<void(RawClient&)> act;
        const char* hostSays;
    };
    const QByteArray value = freshNonce();
    const QByteArray commitment = QCryptographicHash::hash(value, QCryptographicHash::Sha256);
    const auto commit = [&](RawClient& client) {
        Message m{MessageKind::commit};
        m.number = int(hostSide_.session.draws().size());
        m.digest = commitment;
        client.send(m);
    };
    const HostileCase cases[] = {
        {"a frame over 64 KiB", false, [](RawClient& c) { c.send(QByteArray(maxMessageBytes + 1, ' ')); }, "über 64 KiB"},
        {"invalid JSON", false, [](RawClient& c) { c.send("{\"type\":\"action\","); }, "kein gültiges JSON"},
        {"an action out of turn", false,
         [](RawClient& c) { c.send(R"({"type":"action","number":0,"line":"zug 0 0","check":"00000000"})"); },
         "nicht am Zug"},
        {"a draw out of turn", false, commit, "würfelt außer der Reihe"},
        {"binary data", false, [](RawClient& c) { c.socket().sendBinaryMessage("x"); }, "Binärdaten"},
        {"an action with a wrong number", true,
         [](RawClient& c) { c.send(R"({"type":"action","number":5,"line":"zug 5 0","check":"00000000"})"); },
         "Aktion 6 gesendet, erwartet war Aktion 2"},
        {"a reveal that does not match", true,
         [&](RawClient& c) {
             commit(c);
             Message reveal{MessageKind::reveal};
             reveal.number = int(hostSide_.session.draws().size());
             reveal.digest = freshNonce();
             c.send(reveal);
         },
         "passt nicht zu ihrer Zusage"},
        {"ten thousand messages at once", true,
         [&](RawClient& c) {
             for (int i = 0; i < 10000; ++i)
                 commit(c);
         },
         "mehr als 200 Nachrichten"},
    };
    for (const HostileCase& c : cases) {
        hostSide_.lost.clear();
        std::unique_ptr<RawClient> client = hostileGuest();
        if (c.hostMovesFirst && hostSide_.game.lines.isEmpty()) {
            // The host makes action 0; now it is the peer's turn.
            hostSide_.game.lines.append(hostSide_.game.nextLine());
            hostSide_.session.localAction(hostSide_.game.lines.back());
        }
        const QStringList linesBefore = hostSide_.game.lines;
        const std::uint32_t checkBefore = hostSide_.game.checkValue();
        c.act(*client);
        ASSERT_TRUE(waitFor([this] { return !hostSide_.lost.isEmpty(); })) << c.name;
        EXPECT_TRUE(hostSide_.lost.front().contains(QString::fromUtf8(c.hostSays)))
            << c.name << ": " << hostSide_.lost.front().toStdString();
        EXPECT_TRUE(client->waitClosed()) << c.name;
        EXPECT_EQ(hostSide_.game.lines, linesBefore) << c.name;
        EXPECT_EQ(hostSide_.game.checkValue(), checkBefore) << c.name;
        EXPECT_EQ(hostSide_.session.actions(), linesBefore) << c.name;
    }
}

TEST_F(NetworkGame, CutTenTimesAndRejoinedBothSidesEndWithTheSameGame)
{
    joinGuest();
    std::mt19937 random(18);
    constexpr int actions = 40;
    // Four moments an action: before the draw, just after asking for it, when the first
    // side has it (the other's last reveal may still be on its way), after the action.
    std::vector<bool> cutAt(actions * 4, false);
    for (int cuts = 0; cuts < 10;) {
        const size_t action = random() % actions;
        const bool free = !cutAt[action * 4] && !cutAt[action * 4 + 1] && !cutAt[action * 4 + 2] && !cutAt[action * 4 + 3];
        cuts += free ? 1 : 0;
        if (free)
            cutAt[action * 4 + random() % 4] = true;
    }
    int n = 0;
    bool cut = false;
    // Cuts the line without a goodbye, dropping whatever was still on its way.
    const auto cutIf = [&](int moment) {
        if (cutAt[size_t(n * 4 + moment)] && !cut) {
            cut = true;
            guest_->link()->socket()->abort();
        }
    };
    for (Side* side : {&hostSide_, &guestSide_})
        QObject::connect(&side->session, &LockstepSession::drawAgreed, [&] { cutIf(2); });
    const auto rejoinIfCut = [&] {
        if (!cut)
            return;
        ASSERT_TRUE(waitFor([this] { return !hostSide_.session.connected() && host_.guest() == nullptr; }));
        joinGuest();
    };
    const auto bothHave = [&](auto done) {
        ASSERT_TRUE(waitFor([&] { return done() || (cut && !hostSide_.session.connected()); })) << "action " << n;
        rejoinIfCut();
        ASSERT_TRUE(waitFor(done)) << "action " << n;
    };
    for (; n < actions; ++n) {
        Side& actor = n % 2 == 0 ? hostSide_ : guestSide_;
        cut = false;
        cutIf(0);
        rejoinIfCut();
        cut = false;
        actor.session.requestDraw();
        cutIf(1);
        bothHave([&] { return std::min(hostSide_.session.draws().size(), guestSide_.session.draws().size()) > size_t(n); });
        cut = false;
        actor.game.lines.append(actor.game.nextLine());
        actor.session.localAction(actor.game.lines.back());
        cutIf(3);
        bothHave([&] { return hostSide_.game.lines.size() == n + 1 && guestSide_.game.lines.size() == n + 1; });
    }
    EXPECT_EQ(hostSide_.game.lines, guestSide_.game.lines);
    EXPECT_EQ(hostSide_.session.actions(), guestSide_.session.actions());
    ASSERT_EQ(hostSide_.session.draws().size(), size_t(actions));
    for (size_t d = 0; d < size_t(actions); ++d) {
        EXPECT_EQ(hostSide_.session.draws()[d].x, guestSide_.session.draws()[d].x);
        EXPECT_EQ(hostSide_.session.draws()[d].guestValue, guestSide_.session.draws()[d].guestValue);
    }
    EXPECT_EQ(hostSide_.lost.size(), 10);
}

} // namespace
