#include "engine/random_source.h"

namespace bramlow {

float DefaultRandomSource::next()
{
    // The top 24 of 32 bits, scaled by 2^-24: 0 .. 1 - 2^-24, each value a float exactly.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(generator_() >> 8) * scale;
}

namespace {

DefaultRandomSource& processSource()
{
    static DefaultRandomSource source;
    return source;
}

} // namespace

RandomSource& processRandomSource() { return processSource(); }

void seedProcessRandomSource(std::uint32_t seed) { processSource().seed(seed); }

} // namespace bramlow
