#pragma once
// RIFF/WAVE, PCM, 16-bit, mono: the format every sound back end reads.

#include <cstdint>
#include <vector>

namespace bramlow::assets {

inline constexpr int kSampleRate = 44100;

// Samples in [-1, 1]; values beyond are clamped, never wrapped.
std::vector<std::uint8_t> encodeWave(const std::vector<float>& samples, int sampleRate = kSampleRate);

} // namespace bramlow::assets
