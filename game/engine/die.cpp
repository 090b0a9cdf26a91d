#include "engine/die.h"

#include <stdexcept>

namespace bramlow {

namespace {

constexpr double dieScale = 5.4;

} // namespace

std::int16_t rollDie(RandomSource& random)
{
    // A source that keeps its promise never needs a second draw; one that breaks it
    // every time would otherwise hang the window.
    constexpr int maxDraws = 64;
    for (int draw = 0; draw < maxDraws; ++draw) {
        const double n = static_cast<double>(random.next()) * dieScale + 1.0;
        // Compare before converting, so that no value can overflow the conversion.
        if (n >= 1.0 && n < 7.0)
            return static_cast<std::int16_t>(n);
    }
    throw std::domain_error("the random source gives no numbers in [0, 1)");
}

double faceOdds(int face)
{
    if (face < 1 || face > 6)
        return 0.0;
    // Face f takes the x with f - 1 <= x * 5.4 < f, cut off where x reaches 1.
    const double upper = face < dieScale ? face : dieScale;
    return (upper - (face - 1)) / dieScale;
}

bool silberStarts(float x) { return x < 0.5f; }

std::string diePicture(std::int16_t face) { return "wuerfel" + std::to_string(face) + ".bmp"; }

} // namespace bramlow
