#include "window/media/wave_guard.h"

#include <cstdint>
#include <cstring>

namespace bramlow {

namespace {

std::uint32_t readLe32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

void writeLe32(unsigned char* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void clampAt(unsigned char* sizeField, std::size_t available)
{
    if (readLe32(sizeField) > available)
        writeLe32(sizeField, static_cast<std::uint32_t>(available));
}

} // namespace

bool clampRiffChunkSizes(std::span<unsigned char> image)
{
    constexpr std::size_t kHeader = 12; // "RIFF", size, "WAVE"
    constexpr std::size_t kChunkHeader = 8;
    // Images beyond 4 GiB cannot be described by 32-bit sizes; callers cap far below.
    if (image.size() < kHeader || image.size() > 0xFFFFFFFFu)
        return false;
    unsigned char* base = image.data();
    if (std::memcmp(base, "RIFF", 4) != 0 || std::memcmp(base + 8, "WAVE", 4) != 0)
        return false;

    clampAt(base + 4, image.size() - 8);

    std::size_t pos = kHeader;
    while (pos + kChunkHeader <= image.size()) {
        const std::size_t available = image.size() - pos - kChunkHeader;
        const std::uint32_t declared = readLe32(base + pos + 4);
        if (declared > available) {
            clampAt(base + pos + 4, available);
            break;
        }
        // Chunks are padded to even length.
        pos += kChunkHeader + declared + (declared & 1u);
    }
    return true;
}

} // namespace bramlow
