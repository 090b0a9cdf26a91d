// The wave files as a sound back end reads them: parsed here from the raw bytes, chunk by chunk.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Wave {
    int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved
    double seconds() const { return double(samples.size()) / channels / sampleRate; }
};

// Reads a file of the program's directory; returns why it is not a sound wave, or "".
std::string readWave(const std::string& name, Wave& wave)
{
    std::ifstream in(std::string(BRAMLOW_PROGRAM_DIR "/") + name, std::ios::binary);
    const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in), {}};
    auto little = [&](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= std::uint32_t(b[at + i]) << (8 * i);
        return v;
    };
    auto tag = [&](std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); };
    if (b.size() < 12 || tag(0) != "RIFF" || tag(8) != "WAVE")
        return "no RIFF/WAVE header";
    if (little(4, 4) + 8 != b.size())
        return "RIFF size does not match the file size";
    bool haveFormat = false, haveData = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = little(at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > b.size())
            return "chunk " + tag(at) + " runs past the end";
        if (tag(at) == "fmt " && size >= 16) {
            wave.format = int(little(body, 2));
            wave.channels = int(little(body + 2, 2));
            wave.sampleRate = int(little(body + 4, 4));
            wave.bitsPerSample = int(little(body + 14, 2));
            const std::uint32_t blockAlign = little(body + 12, 2);
            if (blockAlign != std::uint32_t(wave.channels * wave.bitsPerSample / 8)
                || little(body + 8, 4) != blockAlign * std::uint32_t(wave.sampleRate))
                return "inconsistent block align or byte rate";
            haveFormat = true;
        } else if (tag(at) == "data") {
            if (!haveFormat || wave.bitsPerSample != 16 || size % (2 * wave.channels) != 0)
                return "data chunk without a 16-bit format before it";
            for (std::size_t i = 0; i < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(little(body + i, 2)));
            haveData = true;
        }
        at = body + size + (size & 1u);
    }
    return haveFormat && haveData ? "" : "fmt or data chunk missing";
}

double zeroCrossingsPerSecond(const Wave& wave)
{
    int crossings = 0;
    for (std::size_t i = wave.channels; i < wave.samples.size(); i += wave.channels)
        if ((wave.samples[i] < 0) != (wave.samples[i - wave.channels] < 0))
            ++crossings;
    return crossings / wave.seconds();
}

constexpr int kFullScale = 32767;

TEST(GeneratedSounds, EachIsAudiblePcmOfItsLengthAndPitchStartingAndEndingInSilence)
{
    struct SoundRow {
        const char* file;
        double shortest, longest;          // seconds
        double fewestCrossings, mostCrossings; // per second; 0, 0 for any pitch
    };
    // gut.wav plays 96 times in a row when a game is set up, so it must stay very short. A
    // refusal is a dull low buzz, a cell change a light tick.
    const SoundRow rows[] = {
        {"gut.wav", 0.040, 0.050, 1500, 6000}, {"wuerfeln.wav", 0.50, 0.80, 0, 0},
        {"ende.wav", 0.15, 1.0, 0, 0},         {"schlecht.wav", 0.15, 1.0, 60, 400},
        {"schlagen.wav", 0.15, 1.0, 0, 0},     {"winner.wav", 1.2, 1.8, 0, 0},
    };
    for (const SoundRow& row : rows) {
        SCOPED_TRACE(row.file);
        Wave wave;
        ASSERT_EQ(readWave(row.file, wave), "");
        EXPECT_EQ(wave.format, 1) << "PCM";
        EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
        EXPECT_TRUE(wave.sampleRate == 44100 || wave.sampleRate == 48000);
        EXPECT_GE(wave.seconds(), row.shortest);
        EXPECT_LE(wave.seconds(), row.longest);

        int peak = 0;
        double energy = 0;
        for (const std::int16_t s : wave.samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
        }
        EXPECT_LT(peak, kFullScale * 95 / 100) << "headroom below full scale";
        EXPECT_GT(peak, kFullScale / 5) << "loud enough to hear";
        EXPECT_GT(std::sqrt(energy / wave.samples.size()), kFullScale * 0.02);

        // The first and last 0.25 ms stay near silence, so that nothing clicks.
        const auto& s = wave.samples;
        const std::size_t edge = std::size_t(wave.sampleRate / 4000) * wave.channels;
        ASSERT_GT(s.size(), 2 * edge);
        int edgePeak = 0;
        for (std::size_t i = 0; i < edge; ++i)
            edgePeak = std::max({edgePeak, std::abs(int(s[i])), std::abs(int(s[s.size() - 1 - i]))});
        EXPECT_LT(edgePeak, kFullScale / 50);
        EXPECT_EQ(s.front(), 0);
        EXPECT_EQ(s.back(), 0);

        if (row.mostCrossings > 0) {
            EXPECT_GE(zeroCrossingsPerSecond(wave), row.fewestCrossings);
            EXPECT_LE(zeroCrossingsPerSecond(wave), row.mostCrossings);
        }
    }
}

} // namespace
