// What a peer's bytes can be and what becomes of them, the fair draw, and the host's door.
#include "network/entry_guard.h"
#include "network/fair_draw.h"
#include "network/join_code.h"
#include "network/network_message.h"
#include "network/peer_actions.h"
#include "network/session_journal.h"
#include "record/check_value.h"
#include "record/engine_game.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

using namespace bramlow;
using namespace bramlow::network;

namespace {

const QByteArray hex64(64, 'a');

struct ReadCase {
    const char* name;
    QByteArray bytes;
    const char* errorPart; // nullptr: the message is read
};

TEST(NetworkMessage, ReadsOnlyWellFormedMessages)
{
    const ReadCase cases[] = {
        {"hello", R"({"type":"hello","version":1,"nonce":")" + hex64 + "\"}", nullptr},
        {"action", R"({"type":"action","number":3,"line":"nimm g13 ja","check":"5c1e08a2"})", nullptr},
        {"over 64 KiB", "{\"type\":\"bye\",\"text\":\"" + QByteArray(70000, 'x') + "\"}", "größer als 64 KiB"},
        {"not JSON", "{\"type\":", "kein gültiges JSON"},
        {"an array", "[1,2]", "kein JSON-Objekt"},
        {"no type", R"({"text":"x"})", "fehlt ihre Art"},
        {"unknown type", R"({"type":"cheat"})", "Unbekannte Nachrichtenart „cheat“"},
        {"extra key", R"({"type":"bye","text":"x","admin":true})", "Unbekanntes Feld „admin“"},
        {"missing key", R"({"type":"commit","number":0})", "fehlt das Feld „hash“"},
        {"short nonce", R"({"type":"hello","version":1,"nonce":"abc"})", "64 Hexadezimalziffern"},
        {"capital hex", R"({"type":"reveal","number":0,"value":")" + hex64.toUpper() + "\"}", "64 Hexadezimal"},
        {"fraction", R"({"type":"commit","number":1.5,"hash":")" + hex64 + "\"}", "keine ganze Zahl"},
        {"negative", R"({"type":"commit","number":-1,"hash":")" + hex64 + "\"}", "keine ganze Zahl"},
        {"huge", R"({"type":"commit","number":1e300,"hash":")" + hex64 + "\"}", "keine ganze Zahl"},
        {"number as text", R"({"type":"commit","number":"1","hash":")" + hex64 + "\"}", "keine ganze Zahl"},
        {"control character", R"({"type":"action","number":0,"line":"nimm\u0007","check":"00000000"})", "Steuerzeichen"},
        {"line too long", R"({"type":"action","number":0,"line":")" + QByteArray(201, 'a') + R"(","check":"00000000"})",
         "länger als 200"},
        {"short check", R"({"type":"sync","actions":0,"draws":0,"check":"abc"})", "8 Hexadezimalziffern"},
        {"side", R"({"type":"welcome","side":"rot","proof":")" + hex64 + "\"}", "weder „silber“ noch „gold“"},
        {"reason", R"({"type":"refused","reason":"bored","text":"x"})", "Unbekannter Grund"},
    };
    for (const ReadCase& c : cases) {
        const ParsedMessage parsed = parseMessage(c.bytes);
        if (!c.errorPart) {
            EXPECT_TRUE(std::holds_alternative<Message>(parsed)) << c.name << ": " << std::get<QString>(parsed).toStdString();
        } else {
            ASSERT_TRUE(std::holds_alternative<QString>(parsed)) << c.name;
            EXPECT_TRUE(std::get<QString>(parsed).contains(QString::fromUtf8(c.errorPart)))
                << c.name << ": " << std::get<QString>(parsed).toStdString();
        }
    }
}

TEST(FairDraw, EitherValueChangesTheDrawAndFacesKeepTheDiesOdds)
{
    const QByteArray host = freshNonce(), guest = freshNonce();
    EXPECT_NE(sharedDraw(host, guest), sharedDraw(guest, host));
    EXPECT_NE(sharedDraw(host, guest), sharedDraw(host, freshNonce()));
    EXPECT_NE(sharedDraw(host, guest), sharedDraw(freshNonce(), guest));
    // Over many fresh pairs, the faces come as often as the die's own mapping makes them:
    // 1..5 each 5/27, the 6 only 2/27.
    constexpr int draws = 27000;
    std::array<int, 7> seen{};
    for (int i = 0; i < draws; ++i) {
        const float x = sharedDraw(freshNonce(), guest);
        ASSERT_TRUE(x >= 0.0f && x < 1.0f);
        ++seen[size_t(agreedFace(x))];
    }
    for (int face = 1; face <= 6; ++face)
        EXPECT_NEAR(seen[size_t(face)], face < 6 ? 5000 : 2000, 300) << "face " << face;
    EXPECT_EQ(agreedFace(0.0f), 1);
    EXPECT_EQ(agreedFace(0.99999994f), 6);
    EXPECT_TRUE(agreedSilberStarts(0.4999f));
    EXPECT_FALSE(agreedSilberStarts(0.5f));
}

TEST(EntryGuard, ThreeWrongCodesInARowShutTheDoorFor30Seconds)
{
    using namespace std::chrono_literals;
    const EntryGuard::Clock::time_point t0{};
    EntryGuard guard;
    guard.wrongCode(t0);
    guard.wrongCode(t0);
    guard.rightCode(); // a guest got in: the count starts again
    guard.wrongCode(t0);
    guard.wrongCode(t0);
    EXPECT_FALSE(guard.locked(t0));
    guard.wrongCode(t0);
    EXPECT_TRUE(guard.locked(t0 + 29999ms));
    EXPECT_FALSE(guard.locked(t0 + 30000ms));
}

TEST(PeerActions, APeersLineActsOnlyForItsPlayerAndOnlyAsTheRulesAllow)
{
    // Silber is the peer; its new game (the draw 0.1 lets Silber start) was taken.
    EngineGame game;
    game.draws().supply(0.1f);
    game.neu_but_Click();
    struct LineCase {
        const char* name;
        const char* line;
        std::optional<float> agreed;
        const char* refusal; // nullptr: applied
    };
    const LineCase steps[] = {
        {"no action", "wurf Silber", 0.5f, "keine Aktion"},
        {"a new game while one runs", "neu 0.1 Silber", 0.1f, "Silber ist am Zug"},
        {"a roll without an agreed draw", "wurf Silber 0.5 3", std::nullopt, "nicht der gemeinsam gezogene"},
        {"a roll with another draw", "wurf Silber 0.25 2", 0.5f, "nicht der gemeinsam gezogene"},
        {"a face the draw does not give", "wurf Silber 0.5 6", 0.5f, "Augenzahl 3, nicht 6"},
        {"a roll for the other player", "wurf Gold 0.5 3", 0.5f, "nicht Gold"},
        {"the roll as agreed", "wurf Silber 0.5 3", 0.5f, nullptr},
        {"the other side's piece", "nimm g13 ja", std::nullopt, "nicht möglich"},
        {"an own piece", "nimm s17 ja", std::nullopt, nullptr},
        {"an illegal destination", "setze b88 ja", std::nullopt, "nicht möglich"},
    };
    for (const LineCase& c : steps) {
        const std::uint32_t before = checkValueOf(game);
        const QString refusal = applyPeerLine(game, Player::silber, QString::fromUtf8(c.line), c.agreed);
        if (!c.refusal) {
            EXPECT_EQ(refusal, QString()) << c.name;
            continue;
        }
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.refusal))) << c.name << ": " << refusal.toStdString();
        EXPECT_EQ(checkValueOf(game), before) << c.name;
    }
    EXPECT_EQ(applyPeerLine(game, Player::gold, QStringLiteral("setze b88 nein"), {}),
              QStringLiteral("Silber ist am Zug."));
}

TEST(SessionJournal, ReadsWhatAProgramNeedsToComeBackAndRefusesTheRest)
{
    const QByteArray top = "Bramlow-Netzwerkpartie 1\ngast 127.0.0.1 47474 271828 Gold\n";
    const QByteArray game = "anfang logo aus würfel 6 meldung \"\" speicher \"Text1\" speicher2 \"Text1\"\n"
                            "wurf " + hex64 + " " + QByteArray(64, 'b') + "\naktion 0000abcd neu 0.5 Gold\n";
    struct JournalCase {
        const char* name;
        QByteArray bytes;
        const char* errorPart; // nullptr: read
        int actions, draws;
        bool openDraw;
    };
    const JournalCase cases[] = {
        {"a game with an open draw", top + game + "zusage " + hex64 + "\n", nullptr, 1, 1, true},
        {"the last line cut off by a crash is dropped", top + game + "zusage " + hex64.left(10), nullptr, 1, 1, false},
        {"a draw agreed closes the open one", top + "zusage " + hex64 + "\nwurf " + hex64 + " " + hex64 + "\n", nullptr, 0, 1, false},
        {"another file", "Bramlow-Partie 1\n" + top.mid(25), "kein Journal", 0, 0, false},
        {"a code of five digits", "Bramlow-Netzwerkpartie 1\ngast h 47474 27182 Gold\n", "Zeile 2", 0, 0, false},
        {"port zero", "Bramlow-Netzwerkpartie 1\ngast h 0 271828 Gold\n", "Zeile 2", 0, 0, false},
        {"a port beyond 65535", "Bramlow-Netzwerkpartie 1\ngast h 65536 271828 Gold\n", "Zeile 2", 0, 0, false},
        {"an action before its game's start", top + "aktion 0000abcd neu 0.5 Gold\n", "keinen Anfang", 0, 0, false},
        {"a check value of seven digits", top + game + "aktion 000abcd logo\n", "Zeile 6", 0, 0, false},
        {"a value in capitals", top + "zusage " + hex64.toUpper() + "\n", "Zeile 3", 0, 0, false},
        {"an unknown line", top + "schummeln 6\n", "keine Zeile", 0, 0, false},
    };
    for (const JournalCase& c : cases) {
        const ParsedSessionJournal parsed = parseSessionJournal(c.bytes);
        EXPECT_EQ(parsed.seat.has_value(), !c.errorPart) << c.name << ": " << parsed.error.toStdString();
        if (c.errorPart) {
            EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.errorPart))) << c.name << ": " << parsed.error.toStdString();
            continue;
        }
        EXPECT_EQ(parsed.state.actions.size(), c.actions) << c.name;
        EXPECT_EQ(int(parsed.state.draws.size()), c.draws) << c.name;
        EXPECT_EQ(!parsed.state.openSecret.isEmpty(), c.openDraw) << c.name;
    }
}

} // namespace
