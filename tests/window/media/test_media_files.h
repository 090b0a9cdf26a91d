#pragma once
// Small wave and bitmap files written by the tests themselves.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>

namespace bramlow::testing {

struct WaveFormat {
    int rate = 48000;
    int channels = 2;
    int bits = 16; // 8 (unsigned) or 16 (signed)
};

inline void appendLe(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// A RIFF/WAVE image with a PCM fmt chunk and `data` as its data chunk.
inline QByteArray waveImage(const WaveFormat& format, const QByteArray& data)
{
    QByteArray out("RIFF");
    appendLe(out, std::uint32_t(36 + data.size()), 4);
    out.append("WAVEfmt ");
    appendLe(out, 16, 4);
    appendLe(out, 1, 2); // PCM
    appendLe(out, std::uint32_t(format.channels), 2);
    appendLe(out, std::uint32_t(format.rate), 4);
    const int blockAlign = format.channels * format.bits / 8;
    appendLe(out, std::uint32_t(format.rate * blockAlign), 4);
    appendLe(out, std::uint32_t(blockAlign), 2);
    appendLe(out, std::uint32_t(format.bits), 2);
    out.append("data");
    appendLe(out, std::uint32_t(data.size()), 4);
    out.append(data);
    return out;
}

// A sine tone as PCM bytes. Each channel gets its own phase, so the interleaved samples
// form a pattern that silence or another tone cannot produce by chance.
inline QByteArray tonePcm(const WaveFormat& format, double hertz, int milliseconds, double amplitude = 0.4)
{
    const int frames = format.rate * milliseconds / 1000;
    QByteArray out;
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < format.channels; ++c) {
            const double v = amplitude * std::sin(2 * M_PI * hertz * f / format.rate + c * 1.3);
            if (format.bits == 8)
                out.append(char(std::lround(128 + 127 * v)));
            else
                appendLe(out, std::uint32_t(std::uint16_t(std::int16_t(std::lround(32767 * v)))), 2);
        }
    }
    return out;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace bramlow::testing
