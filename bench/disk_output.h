#pragma once
// What SDL's disk audio driver wrote: the device's output itself, 16-bit stereo frames as
// the sound player asks for them, at no pace but its own. Stretches of sound are found
// sample-exactly, so the measure holds whatever the driver's pacing or the machine's load.

#include <QFile>
#include <QString>

#include <cstdint>
#include <cstring>
#include <vector>

namespace bramlow::bench {

// One stretch of sound: its first and last non-silent frame.
struct Stretch {
    std::int64_t first = 0;
    std::int64_t last = 0;
    std::int64_t frames() const { return last - first + 1; }
};

// The stretches of sound in the disk driver's file at `path`, split wherever at least
// `pauseFrames` silent frames follow each other.
inline std::vector<Stretch> soundStretches(const QString& path, std::int64_t pauseFrames)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto frames = std::int64_t(bytes.size()) / 4;
    std::vector<Stretch> stretches;
    for (std::int64_t f = 0; f < frames; ++f) {
        std::uint32_t frame = 0;
        std::memcpy(&frame, bytes.constData() + 4 * f, 4);
        if (frame == 0)
            continue;
        if (stretches.empty() || f - stretches.back().last > pauseFrames)
            stretches.push_back({f, f});
        stretches.back().last = f;
    }
    return stretches;
}

// First to last non-silent frame of 16-bit stereo samples.
inline Stretch soundIn(const std::vector<unsigned char>& samples)
{
    Stretch s{-1, -1};
    for (std::size_t f = 0; f + 4 <= samples.size(); f += 4) {
        std::uint32_t frame = 0;
        std::memcpy(&frame, samples.data() + f, 4);
        if (frame != 0) {
            s.last = std::int64_t(f / 4);
            if (s.first < 0)
                s.first = s.last;
        }
    }
    return s;
}

} // namespace bramlow::bench
