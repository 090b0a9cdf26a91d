#include "noise.h"

#include <cmath>

namespace bramlow::assets {

namespace {

std::uint32_t mix(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

} // namespace

double latticeValue(int x, int y, std::uint32_t seed)
{
    const std::uint32_t h = mix(static_cast<std::uint32_t>(x) * 0x8da6b343U
                                ^ mix(static_cast<std::uint32_t>(y) * 0xd8163841U ^ seed));
    return (h >> 8) / double(1u << 24);
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = latticeValue(ix, iy, seed);
    const double b = latticeValue(ix + 1, iy, seed);
    const double c = latticeValue(ix, iy + 1, seed);
    const double d = latticeValue(ix + 1, iy + 1, seed);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, seed + 101u * static_cast<std::uint32_t>(i));
        total += weight;
        weight *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

double NoiseSequence::uniform()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) / double(1u << 24);
}

double NoiseSequence::bipolar() { return uniform() * 2.0 - 1.0; }

double NoiseSequence::between(double low, double high) { return low + (high - low) * uniform(); }

} // namespace bramlow::assets
