// The wave files as a sound back end reads them: parsed here from the raw bytes, chunk by chunk.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string kProgramDir = BRAMLOW_PROGRAM_DIR;

struct Wave {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved
    double seconds() const { return double(samples.size()) / channels / sampleRate; }
};

std::uint32_t little(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= std::uint32_t(b[at + i]) << (8 * i);
    return v;
}

// Returns the wave, or a reason in `error`.
std::optional<Wave> readWave(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open";
        return std::nullopt;
    }
    const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in), {}};
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        error = "no RIFF/WAVE header";
        return std::nullopt;
    }
    if (little(b, 4, 4) + 8 != b.size()) {
        error = "RIFF size does not match the file size";
        return std::nullopt;
    }
    Wave wave;
    bool haveFormat = false, haveData = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const std::uint32_t size = little(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) {
            error = "chunk " + id + " runs past the end";
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = int(little(b, body, 2));
            wave.channels = int(little(b, body + 2, 2));
            wave.sampleRate = int(little(b, body + 4, 4));
            const std::uint32_t byteRate = little(b, body + 8, 4);
            const std::uint32_t blockAlign = little(b, body + 12, 2);
            wave.bitsPerSample = int(little(b, body + 14, 2));
            if (blockAlign != std::uint32_t(wave.channels * wave.bitsPerSample / 8)
                || byteRate != blockAlign * std::uint32_t(wave.sampleRate)) {
                error = "inconsistent block align or byte rate";
                return std::nullopt;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || wave.bitsPerSample != 16 || size % (2 * wave.channels) != 0) {
                error = "data chunk without a 16-bit format before it";
                return std::nullopt;
            }
            for (std::size_t i = 0; i < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(little(b, body + i, 2)));
            haveData = true;
        }
        at = body + size + (size & 1u);
    }
    if (!haveFormat || !haveData) {
        error = "fmt or data chunk missing";
        return std::nullopt;
    }
    return wave;
}

struct SoundRow {
    const char* file;
    double shortest; // seconds
    double longest;
};

// gut.wav plays 96 times in a row when a game is set up, so it must stay very short.
const std::vector<SoundRow> kSounds{
    {"gut.wav", 0.040, 0.050},      {"wuerfeln.wav", 0.50, 0.80}, {"ende.wav", 0.15, 1.0},
    {"schlecht.wav", 0.15, 1.0},    {"schlagen.wav", 0.15, 1.0},  {"winner.wav", 1.2, 1.8},
};

constexpr int kFullScale = 32767;

TEST(GeneratedSounds, EachIsPcm16BitAtACommonRateAndLength)
{
    for (const SoundRow& row : kSounds) {
        SCOPED_TRACE(row.file);
        std::string error;
        const auto wave = readWave(kProgramDir + "/" + row.file, error);
        ASSERT_TRUE(wave) << error;
        EXPECT_EQ(wave->format, 1) << "PCM";
        EXPECT_EQ(wave->bitsPerSample, 16);
        EXPECT_TRUE(wave->channels == 1 || wave->channels == 2);
        EXPECT_TRUE(wave->sampleRate == 44100 || wave->sampleRate == 48000);
        EXPECT_GE(wave->seconds(), row.shortest);
        EXPECT_LE(wave->seconds(), row.longest);
    }
}

TEST(GeneratedSounds, NoneClipsAndNoneIsSilent)
{
    for (const SoundRow& row : kSounds) {
        SCOPED_TRACE(row.file);
        std::string error;
        const auto wave = readWave(kProgramDir + "/" + row.file, error);
        ASSERT_TRUE(wave) << error;
        int peak = 0;
        double energy = 0;
        for (const std::int16_t s : wave->samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
        }
        EXPECT_LT(peak, kFullScale * 95 / 100) << "headroom below full scale";
        EXPECT_GT(peak, kFullScale / 5) << "loud enough to hear";
        EXPECT_GT(std::sqrt(energy / wave->samples.size()), kFullScale * 0.02);
    }
}

TEST(GeneratedSounds, StartAndEndInSilenceSoNothingClicks)
{
    for (const SoundRow& row : kSounds) {
        SCOPED_TRACE(row.file);
        std::string error;
        const auto wave = readWave(kProgramDir + "/" + row.file, error);
        ASSERT_TRUE(wave) << error;
        const auto& s = wave->samples;
        const std::size_t edge = std::size_t(wave->sampleRate / 4000) * wave->channels; // 0.25 ms
        ASSERT_GT(s.size(), 2 * edge);
        for (std::size_t i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(int(s[i])), kFullScale / 50) << "sample " << i;
            EXPECT_LT(std::abs(int(s[s.size() - 1 - i])), kFullScale / 50) << i << " samples before the end";
        }
        EXPECT_EQ(s.front(), 0);
        EXPECT_EQ(s.back(), 0);
    }
}

TEST(GeneratedSounds, TheCellTickIsShortAndFrontLoaded)
{
    // A tick, not a tone: most of its energy lies in the first third.
    std::string error;
    const auto wave = readWave(kProgramDir + "/gut.wav", error);
    ASSERT_TRUE(wave) << error;
    double early = 0, total = 0;
    for (std::size_t i = 0; i < wave->samples.size(); ++i) {
        const double e = double(wave->samples[i]) * wave->samples[i];
        total += e;
        if (i < wave->samples.size() / 3)
            early += e;
    }
    EXPECT_GT(early / total, 0.8);
}

double zeroCrossingsPerSecond(const Wave& wave)
{
    int crossings = 0;
    for (std::size_t i = wave.channels; i < wave.samples.size(); i += wave.channels)
        if ((wave.samples[i] < 0) != (wave.samples[i - wave.channels] < 0))
            ++crossings;
    return crossings / wave.seconds();
}

TEST(GeneratedSounds, TheRefusalBuzzesLowAndTheTickIsBright)
{
    // Each file holds its own cue: a refusal is a dull low buzz, a cell change a light tick.
    struct PitchRow {
        const char* file;
        double fewest;
        double most;
    };
    const std::vector<PitchRow> rows{{"schlecht.wav", 60, 400}, {"gut.wav", 1500, 6000}};
    for (const PitchRow& row : rows) {
        SCOPED_TRACE(row.file);
        std::string error;
        const auto wave = readWave(kProgramDir + "/" + row.file, error);
        ASSERT_TRUE(wave) << error;
        EXPECT_GE(zeroCrossingsPerSecond(*wave), row.fewest);
        EXPECT_LE(zeroCrossingsPerSecond(*wave), row.most);
    }
}

} // namespace
