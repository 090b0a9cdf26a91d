#include "wave_encoding.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace bramlow::assets {

namespace {

void put(std::vector<std::uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
}

} // namespace

std::vector<std::uint8_t> encodeWave(const std::vector<float>& samples, int sampleRate)
{
    constexpr int channels = 1;
    constexpr int bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * bytesPerSample);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    put(out, "RIFF");
    putLittleEndian(out, 36 + dataBytes, 4);
    put(out, "WAVE");
    put(out, "fmt ");
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, channels, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate * channels * bytesPerSample), 4);
    putLittleEndian(out, channels * bytesPerSample, 2);
    putLittleEndian(out, 8 * bytesPerSample, 2);
    put(out, "data");
    putLittleEndian(out, dataBytes, 4);
    for (const float sample : samples) {
        const double clamped = std::clamp(static_cast<double>(sample), -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
    }
    return out;
}

} // namespace bramlow::assets
