#pragma once
// Draws neither side can bend: each side commits to the SHA-256 of a fresh 32-byte value,
// and only after both commitments are in do both reveal. The draw is a function of both
// values, so neither side alone chooses it, and each can check the other's value afterwards.
// The number in [0, 1) then goes through the die's own mapping, exactly like a draw of the
// program's random source.

#include "engine/random_source.h"

#include <QByteArray>

#include <cstdint>

namespace bramlow::network {

struct DrawSecret {
    QByteArray value;      // 32 bytes, kept until both commitments are in
    QByteArray commitment; // SHA-256 of value
};

DrawSecret freshDrawSecret();
bool revealMatches(const QByteArray& value, const QByteArray& commitment);

// The top 24 bits of SHA-256(host value | guest value), times 2^-24: every float in
// [0, 1 - 2^-24] of the source's own grid, each equally likely when either value is fresh.
float sharedDraw(const QByteArray& hostValue, const QByteArray& guestValue);

// Hands one agreed number to code that draws from a RandomSource (the die, the start).
class AgreedDraw final : public RandomSource {
public:
    explicit AgreedDraw(float x) : x_(x) {}
    float next() override { return x_; }

private:
    float x_;
};

// The face the die shows for an agreed number, and whether it lets Silber start.
std::int16_t agreedFace(float x);
bool agreedSilberStarts(float x);

} // namespace bramlow::network
