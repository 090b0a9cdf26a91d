// What a peer's bytes can be and what becomes of them, the fair draw, and the host's door.
#include "network/entry_guard.h"
#include "network/fair_draw.h"
#include "network/join_code.h"
#include "network/network_message.h"

#include <gtest/gtest.h>

#include <array>

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

TEST(NetworkMessage, EveryKindReadsBackAsWritten)
{
    const QByteArray bytes = QByteArray::fromHex(hex64);
    std::array<Message, 10> messages;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        Message& m = messages[i];
        m.kind = MessageKind(i);
        m.version = 1;
        m.nonce = m.proof = m.digest = bytes;
        m.side = QStringLiteral("gold");
        m.reason = RefusalReason::locked;
        m.text = QStringLiteral("Verbindung unterbrochen – warte auf Gold …");
        m.number = m.actions = 41;
        m.draws = 7;
        m.line = QStringLiteral("setze b33 nein");
        m.check = 0x0c1e08a2;
    }
    for (const Message& m : messages) {
        const ParsedMessage parsed = parseMessage(encodeMessage(m));
        ASSERT_TRUE(std::holds_alternative<Message>(parsed)) << encodeMessage(m).toStdString();
        EXPECT_EQ(encodeMessage(std::get<Message>(parsed)), encodeMessage(m));
    }
}

TEST(JoinCode, ProofsDependOnCodeRoleAndBothNonces)
{
    const QByteArray a = freshNonce(), b = freshNonce();
    const QByteArray proof = joinProof(QStringLiteral("123456"), Role::guest, a, b);
    EXPECT_EQ(proof.size(), 32);
    EXPECT_TRUE(sameBytes(proof, joinProof(QStringLiteral("123456"), Role::guest, a, b)));
    EXPECT_FALSE(sameBytes(proof, joinProof(QStringLiteral("123457"), Role::guest, a, b)));
    EXPECT_FALSE(sameBytes(proof, joinProof(QStringLiteral("123456"), Role::host, a, b)));
    EXPECT_FALSE(sameBytes(proof, joinProof(QStringLiteral("123456"), Role::guest, b, a)));
    EXPECT_TRUE(joinCodeError(drawJoinCode()).isEmpty());
    for (const char* bad : {"12345", "1234567", "12345a", ""})
        EXPECT_FALSE(joinCodeError(QString::fromLatin1(bad)).isEmpty()) << bad;
}

TEST(FairDraw, RevealMustMatchItsCommitment)
{
    const DrawSecret secret = freshDrawSecret();
    EXPECT_TRUE(revealMatches(secret.value, secret.commitment));
    QByteArray bent = secret.value;
    bent[31] = char(bent[31] ^ 1);
    EXPECT_FALSE(revealMatches(bent, secret.commitment));
    EXPECT_FALSE(revealMatches(secret.value.left(31), secret.commitment));
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
    struct Step {
        const char* name;
        int wrongBefore;
        bool rightBetween;
        std::chrono::milliseconds askedAfter;
        bool locked;
    };
    const Step steps[] = {
        {"two wrong", 2, false, 0ms, false},
        {"three wrong", 3, false, 0ms, true},
        {"three wrong, 29.9 s later", 3, false, 29900ms, true},
        {"three wrong, 30 s later", 3, false, 30000ms, false},
        {"a right code between", 3, true, 0ms, false},
    };
    for (const Step& s : steps) {
        EntryGuard guard;
        for (int i = 0; i < s.wrongBefore; ++i) {
            if (s.rightBetween && i == 2)
                guard.rightCode();
            guard.wrongCode(t0);
        }
        EXPECT_EQ(guard.locked(t0 + s.askedAfter), s.locked) << s.name;
    }
}

} // namespace
