#include "window/media/wave_guard.h"

#include "test_media_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace bramlow {
namespace {

using testing::appendLe;
using testing::waveImage;
using testing::WaveSpec;

std::uint32_t le32At(const QByteArray& bytes, int offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[offset + i]);
    return value;
}

void setLe32At(QByteArray& bytes, int offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

bool clamp(QByteArray& bytes)
{
    return clampRiffChunkSizes({reinterpret_cast<unsigned char*>(bytes.data()), std::size_t(bytes.size())});
}

// Offsets in a waveImage(): RIFF size at 4, fmt chunk at 12, data size at 40, data at 44.
constexpr int kRiffSize = 4;
constexpr int kDataSize = 40;

struct HostileCase {
    const char* what;
    std::uint32_t declaredRiff;
    std::uint32_t declaredData;
    int cutAfter; // bytes kept of the image; -1 keeps all
    std::uint32_t expectedRiff;
    std::uint32_t expectedData;
};

TEST(WaveGuard, ClampsEveryDeclaredSizeToTheBytesPresent)
{
    // A 100-byte data chunk: the whole image is 144 bytes.
    const HostileCase cases[] = {
        {"data chunk claims 4 GiB", 136, 0xFFFFFFF0u, -1, 136, 100},
        {"RIFF size claims 4 GiB", 0xFFFFFFFFu, 100, -1, 136, 100},
        {"file cut in the middle of the data", 136, 100, 94, 86, 50},
        {"file cut right after the data header", 136, 100, 44, 36, 0},
        {"sizes smaller than the file are kept", 100, 20, -1, 100, 20},
    };
    for (const HostileCase& c : cases) {
        QByteArray image = waveImage({}, QByteArray(100, '\x22'));
        setLe32At(image, kRiffSize, c.declaredRiff);
        setLe32At(image, kDataSize, c.declaredData);
        if (c.cutAfter >= 0)
            image.truncate(c.cutAfter);
        ASSERT_TRUE(clamp(image)) << c.what;
        EXPECT_EQ(le32At(image, kRiffSize), c.expectedRiff) << c.what;
        EXPECT_EQ(le32At(image, kDataSize), c.expectedData) << c.what;
    }
}

TEST(WaveGuard, FollowsOddChunksWithTheirPadByte)
{
    // A 3-byte "LIST" chunk plus pad byte before the data: the data chunk must still be
    // found and clamped.
    QByteArray image("RIFF");
    appendLe(image, 0, 4);
    image.append("WAVELIST");
    appendLe(image, 3, 4);
    image.append("abc");
    image.append('\0');
    image.append("data");
    const int dataSizeOffset = image.size();
    appendLe(image, 1'000'000, 4);
    image.append(QByteArray(10, '\x33'));
    ASSERT_TRUE(clamp(image));
    EXPECT_EQ(le32At(image, dataSizeOffset), 10u);
}

TEST(WaveGuard, RefusesWhatIsNoWaveImage)
{
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("RIFF"),
        QByteArray("RIFF\x04\0\0\0AVI LIST", 16),
        QByteArray("Dies ist keine Wellendatei."),
    };
    for (QByteArray bytes : cases)
        EXPECT_FALSE(clamp(bytes)) << bytes.toStdString();
}

} // namespace
} // namespace bramlow
