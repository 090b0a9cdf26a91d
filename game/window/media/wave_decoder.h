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

// A sound cue is short; anything larger than this is refused rather than loaded.
inline constexpr std::int64_t kMaxWaveFileBytes = 64 * 1024 * 1024;
inline constexpr int kMaxSoundSeconds = 300;

// The samples of the wave file at `path`, converted to `target`, or nothing when the file
// is missing, unreadable, malformed, longer than kMaxSoundSeconds or larger than
// kMaxWaveFileBytes. Reads the file anew on every call.
std::optional<std::vector<unsigned char>> decodeWaveFile(const QString& path, const AudioFormat& target);

} // namespace bramlow
