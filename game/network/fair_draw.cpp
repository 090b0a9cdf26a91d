#include "network/fair_draw.h"

#include "engine/die.h"
#include "network/join_code.h"

#include <QCryptographicHash>

namespace bramlow::network {

DrawSecret freshDrawSecret()
{
    DrawSecret secret;
    secret.value = freshNonce();
    secret.commitment = QCryptographicHash::hash(secret.value, QCryptographicHash::Sha256);
    return secret;
}

bool revealMatches(const QByteArray& value, const QByteArray& commitment)
{
    return value.size() == 32
        && sameBytes(QCryptographicHash::hash(value, QCryptographicHash::Sha256), commitment);
}

float sharedDraw(const QByteArray& hostValue, const QByteArray& guestValue)
{
    const QByteArray digest = QCryptographicHash::hash(hostValue + guestValue, QCryptographicHash::Sha256);
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(digest[i])); };
    const std::uint32_t top24 = (byte(0) << 16) | (byte(1) << 8) | byte(2);
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(top24) * scale;
}

std::int16_t agreedFace(float x)
{
    AgreedDraw draw(x);
    return rollDie(draw);
}

bool agreedSilberStarts(float x) { return silberStarts(x); }

} // namespace bramlow::network
