#pragma once
// Uniform pseudo-random numbers in [0, 1), single precision.

#include <cstdint>
#include <random>

namespace bramlow {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // 0.0f <= result < 1.0f
    virtual float next() = 0;
};

// A Mersenne Twister with its default seed: every instance, in every run, yields the same
// sequence. Each number has 24 random bits, the precision of a float, so it is exact and
// never rounds up to 1.0f.
class DefaultRandomSource final : public RandomSource {
public:
    float next() override;
    // Starts the sequence afresh from `seed`: only for a player who asks for new dice.
    void seed(std::uint32_t seed) { generator_.seed(seed); }

private:
    std::mt19937 generator_;
};

// One source per process, default-seeded and never reseeded, so every start of the
// program replays the same sequence of draws.
RandomSource& processRandomSource();

// Seeds the process-wide source once, before the first draw, for a player who wants other
// dice at every start; without it the sequence stays the fixed one.
void seedProcessRandomSource(std::uint32_t seed);

} // namespace bramlow
