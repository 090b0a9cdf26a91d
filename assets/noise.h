#pragma once
// Deterministic value noise: the same inputs give the same pictures on every build, so the
// generated files never change unless the drawing code does.

#include <cstdint>

namespace bramlow::assets {

// A pseudo-random value in [0, 1) for an integer lattice point.
double latticeValue(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice values; result in [0, 1).
double valueNoise(double x, double y, std::uint32_t seed);

// Sum of `octaves` layers of value noise, each twice as fine and half as strong; result in [0, 1).
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

// xorshift32: a fixed sequence for the sound synthesis (std:: distributions differ between
// standard libraries, this does not).
class NoiseSequence {
public:
    explicit NoiseSequence(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    double uniform();        // [0, 1)
    double bipolar();        // [-1, 1)
    double between(double low, double high);
private:
    std::uint32_t state_;
};

} // namespace bramlow::assets
