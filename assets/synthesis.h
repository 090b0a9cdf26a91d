#pragma once
// Building blocks for the sound cues: a mono sample buffer at kSampleRate, oscillators,
// simple filters and the finishing step that every cue goes through.

#include <cstddef>
#include <vector>

namespace bramlow::assets {

using Samples = std::vector<float>;

Samples silence(double seconds);
std::size_t sampleIndex(double seconds);

// Adds `sound` into `mix` starting at `at` seconds, scaled by `gain`; grows `mix` as needed.
void mixIn(Samples& mix, const Samples& sound, double at, double gain = 1.0);

// A decaying sine (a struck partial): frequency in Hz, decay time constant in seconds.
Samples decayingTone(double frequency, double decay, double seconds);

// White noise through a resonant band-pass, decaying: a knock on wood or bone.
Samples knock(double centre, double resonance, double decay, double seconds, unsigned seed);

// Two-pole band-pass (constant peak gain), in place.
void bandPass(Samples& samples, double centre, double resonance);
// One-pole low-pass, in place.
void lowPass(Samples& samples, double cutoff);

// Raised-cosine ramps at both ends.
void fade(Samples& samples, double fadeIn, double fadeOut);

// Normalise to `peak` (below full scale), then fade in and out with raised-cosine ramps, so the
// cue starts and ends in silence and never clips.
void finish(Samples& samples, double peak, double fadeIn, double fadeOut);

} // namespace bramlow::assets
