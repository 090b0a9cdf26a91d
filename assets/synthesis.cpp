#include "synthesis.h"

#include "noise.h"
#include "wave_encoding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bramlow::assets {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

std::size_t sampleIndex(double seconds)
{
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kSampleRate));
}

Samples silence(double seconds) { return Samples(sampleIndex(seconds), 0.0f); }

void mixIn(Samples& mix, const Samples& sound, double at, double gain)
{
    const std::size_t start = sampleIndex(at);
    if (mix.size() < start + sound.size())
        mix.resize(start + sound.size(), 0.0f);
    for (std::size_t i = 0; i < sound.size(); ++i)
        mix[start + i] += static_cast<float>(sound[i] * gain);
}

Samples decayingTone(double frequency, double decay, double seconds)
{
    Samples out = silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        out[i] = static_cast<float>(std::sin(kTwoPi * frequency * t) * std::exp(-t / decay));
    }
    return out;
}

Samples knock(double centre, double resonance, double decay, double seconds, unsigned seed)
{
    NoiseSequence noise(seed);
    Samples out = silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        out[i] = static_cast<float>(noise.bipolar() * std::exp(-t / decay));
    }
    bandPass(out, centre, resonance);
    return out;
}

void bandPass(Samples& samples, double centre, double resonance)
{
    // Biquad band-pass with 0 dB peak gain (the usual cookbook form).
    const double w0 = kTwoPi * centre / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * resonance);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0;
    const double b2 = -alpha / a0;
    const double a1 = -2.0 * std::cos(w0) / a0;
    const double a2 = (1.0 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& s : samples) {
        const double x = s;
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        s = static_cast<float>(y);
    }
}

void lowPass(Samples& samples, double cutoff)
{
    const double k = 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
    double state = 0.0;
    for (float& s : samples) {
        state += k * (s - state);
        s = static_cast<float>(state);
    }
}

void fade(Samples& samples, double fadeIn, double fadeOut)
{
    const std::size_t n = samples.size();
    const std::size_t in = std::min(n, sampleIndex(fadeIn));
    const std::size_t out = std::min(n, sampleIndex(fadeOut));
    for (std::size_t i = 0; i < in; ++i)
        samples[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / in));
    // The last sample reaches exactly zero.
    for (std::size_t i = 0; i < out; ++i)
        samples[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / out));
}

void finish(Samples& samples, double peak, double fadeIn, double fadeOut)
{
    float loudest = 0.0f;
    for (const float s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0.0f) {
        const auto gain = static_cast<float>(peak / loudest);
        for (float& s : samples)
            s *= gain;
    }
    fade(samples, fadeIn, fadeOut);
}

} // namespace bramlow::assets
