#pragma once
// The messages two Bramlow programs exchange: one JSON object a WebSocket text frame.
//
// The peer is never trusted, so reading is strict: the exact keys of each kind and no
// other, numbers that are whole and in range, nonces, proofs and hashes as 64 lowercase
// hexadecimal digits, check values as 8, lines and texts short and free of control characters.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>

namespace bramlow::network {

enum class MessageKind {
    hello,     // guest -> host: version, guest nonce
    challenge, // host -> guest: version, host nonce
    response,  // guest -> host: guest proof
    welcome,   // host -> guest: the guest's side, host proof (only after the guest's)
    refused,   // host -> guest: why not, in German; the host closes then
    sync,      // both: how many actions and draws this side has, the check value after them
    action,    // both: one record line, its number and the check value after it
    commit,    // both: the SHA-256 of this side's value for a draw
    reveal,    // both: the value itself
    bye,       // both: the game ends here, in German why
};

// Why a guest was refused; the German text travels beside it.
enum class RefusalReason { wrongCode, locked, full, version };

struct Message {
    MessageKind kind = MessageKind::hello;
    int version = 0;           // hello, challenge
    QByteArray nonce;          // hello, challenge: 32 raw bytes
    QByteArray proof;          // response, welcome: 32 raw bytes (HMAC-SHA256)
    QString side;              // welcome: "silber" or "gold"
    RefusalReason reason = RefusalReason::wrongCode; // refused
    QString text;              // refused, bye: German
    int number = 0;            // action: its number from 0; commit, reveal: the draw's number
    int actions = 0;           // sync
    int draws = 0;             // sync
    QString line;              // action: the record line
    std::uint32_t check = 0;   // sync, action: the game's check value
    QByteArray digest;         // commit: 32 raw bytes; reveal: the 32-byte value
};

// Either the message or a German sentence saying what was wrong with the bytes.
using ParsedMessage = std::variant<Message, QString>;

// Pure: the same bytes always give the same answer, whatever their size or content.
ParsedMessage parseMessage(const QByteArray& bytes);
// The compact JSON of a message; parseMessage reads it back to an equal message.
QByteArray encodeMessage(const Message& message);

QString refusalName(RefusalReason reason);

} // namespace bramlow::network
