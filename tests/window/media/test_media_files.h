#pragma once
// Small wave files written by the tests themselves.

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace bramlow::testing {

struct WaveFormat {
    int rate = 48000;
    int channels = 2;
    int bits = 16; // what the header declares; tonePcm writes 16-bit signed samples
};

// A RIFF/WAVE image with a PCM fmt chunk and `data` as its data chunk.
inline QByteArray waveImage(const WaveFormat& format, const QByteArray& data)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    const auto blockAlign = quint16(format.channels * format.bits / 8);
    stream.writeRawData("RIFF", 4);
    stream << quint32(36 + data.size());
    stream.writeRawData("WAVEfmt ", 8);
    stream << quint32(16) << quint16(1) << quint16(format.channels) << quint32(format.rate)
           << quint32(format.rate * blockAlign) << blockAlign << quint16(format.bits);
    stream.writeRawData("data", 4);
    stream << quint32(data.size());
    return out + data;
}

// A sine tone as 16-bit PCM bytes. Each channel gets its own phase, so the interleaved samples
// form a pattern that silence or another tone cannot produce by chance.
inline QByteArray tonePcm(const WaveFormat& format, double hertz, int milliseconds, double amplitude = 0.4)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    for (int f = 0; f < format.rate * milliseconds / 1000; ++f) {
        for (int c = 0; c < format.channels; ++c) {
            const double v = amplitude * std::sin(2 * M_PI * hertz * f / format.rate + c * 1.3);
            stream << qint16(std::lround(32767 * v));
        }
    }
    return out;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A Unix socket left at `path`: a name that no reader can open as a file.
inline bool bindSocket(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::min(name.size(), qsizetype(sizeof address.sun_path - 1)));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace bramlow::testing
