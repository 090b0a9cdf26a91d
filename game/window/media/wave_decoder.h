#pragma once
// Reads a wave file and converts its samples to the format an audio device plays.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace bramlow {

struct AudioFormat {
    int frequency = 0;          // frames per second
    std::uint16_t sdlFormat = 0; // an SDL_AudioFormat value, e.g. AUDIO_S16LSB
    int channels = 0;

    int bytesPerFrame() const;
    std::int64_t bytesPerSecond() const { return std::int64_t(frequency) * bytesPerFrame(); }
};

// A sound cue is short (the game's longest, winner.wav, is 138 kB and under two seconds);
// a larger or longer one is refused rather than loaded. Compressed samples decode to at
// most four times their bytes, and the conversion's working buffer is bounded too, so no
// cue costs more than a few tens of megabytes.
inline constexpr std::int64_t kMaxWaveFileBytes = 4 * 1024 * 1024;
inline constexpr int kMaxSoundSeconds = 10;
inline constexpr std::int64_t kMaxConversionBytes = 32 * 1024 * 1024;
// Sample rates outside this range are no sound cue; SDL's resampler also miscomputes its
// buffers for some rates of several megahertz.
inline constexpr int kMinSampleRate = 1000;
inline constexpr int kMaxSampleRate = 384000;

// The samples of the wave image `bytes`, converted to `target`, or nothing when the image
// is malformed or its sound lasts kMaxSoundSeconds or longer. A valid image without samples
// gives an empty vector, whatever its format.
std::optional<std::vector<unsigned char>> decodeWave(QByteArray bytes, const AudioFormat& target);

} // namespace bramlow
