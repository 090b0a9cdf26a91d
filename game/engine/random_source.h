#pragma once
// Uniform pseudo-random numbers in [0, 1), single precision.

namespace bramlow {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // 0.0f <= result < 1.0f
    virtual float next() = 0;
};

// One source per process, default-seeded and never reseeded, so every start of the
// program replays the same sequence of draws.
RandomSource& processRandomSource();

} // namespace bramlow
