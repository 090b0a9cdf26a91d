// A new game in the real window with SDL's disk audio driver: the set-up plays "gut.wav"
// 96 times, one cell after the other, and each sound must follow the one before without a
// gap. Measured against the best any player could do, in two ways:
//   output_ratio        in the device's output itself (the disk driver's file): frames from
//                       the first to the last non-silent sample of the new game, over 95
//                       lengths of "gut.wav" plus its own non-silent frames. Sample-exact, so
//                       neither the driver's pace nor the machine's load counts. Target <= 1.02.
//   ratio_to_long_play  wall time of the new game / one Play of a sound as long as 96
//                       "gut.wav", through the same window in the same run. Target <= 1.02.
// Run: build/<preset>/bench/window/new_game_bench

#include "window/bramlow_window.h"
#include "window/media/wave_decoder.h"

#include "disk_output.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SDL.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <thread>

namespace {

using namespace bramlow::bench;
using Clock = std::chrono::steady_clock;

const QString programDir = QStringLiteral(BRAMLOW_PROGRAM_DIR);
const QString longSound = QStringLiteral("gut96.wav");
// Silence between the measured stretches, longer than any pause inside one of them.
constexpr auto kPause = std::chrono::milliseconds(300);
constexpr std::int64_t kPauseFrames = 48000 * 150 / 1000;

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// "gut.wav" with its samples 96 times over: its fmt chunk, then one data chunk.
QByteArray ninetySixTimes(const QByteArray& wave)
{
    QByteArray fmt;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const std::uint32_t size = littleEndian(wave, at + 4);
        if (id == "fmt ")
            fmt = wave.mid(at, 8 + size);
        if (id == "data" && !fmt.isEmpty()) {
            const QByteArray data = wave.mid(at + 8, size).repeated(96);
            QByteArray out = "RIFF" + QByteArray(4, 0) + "WAVE" + fmt + "data" + QByteArray(4, 0) + data;
            for (int i = 0; i < 4; ++i) {
                out[4 + i] = char(((out.size() - 8) >> (8 * i)) & 0xFF);
                out[16 + fmt.size() + i] = char((data.size() >> (8 * i)) & 0xFF);
            }
            return out;
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

// A program directory with the game's files and the long sound beside them.
bool makeProgramDir(const QTemporaryDir& dir)
{
    for (const QString& name : QDir(programDir).entryList(QDir::Files))
        QFile::link(programDir + QLatin1Char('/') + name, dir.filePath(name));
    QFile gut(programDir + QStringLiteral("/gut.wav"));
    QFile out(dir.filePath(longSound));
    const QByteArray wave = gut.open(QIODevice::ReadOnly) ? ninetySixTimes(gut.readAll()) : QByteArray();
    return !wave.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(wave) == wave.size();
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void NewGameAgainstItsSounds(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile gutFile(programDir + QStringLiteral("/gut.wav"));
    const auto gut = gutFile.open(QIODevice::ReadOnly)
                         ? bramlow::decodeWave(gutFile.readAll(), {48000, AUDIO_S16SYS, 2})
                         : std::nullopt;
    if (!gut || !makeProgramDir(dir)) {
        state.SkipWithError("gut.wav unreadable");
        return;
    }
    const QString output = dir.filePath(QStringLiteral("output.raw"));
    qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
    double newGame = 0;
    double longPlay = 0;
    {
        bramlow::BramlowWindow window(dir.path());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("window never shown");
            return;
        }
        window.Play("gut.wav"); // the device is past its warm-up from here on
        for (auto _ : state) {
            std::this_thread::sleep_for(kPause);
            const auto start = Clock::now();
            window.neu_but_Click();
            const double seconds = secondsSince(start);
            newGame += seconds;
            state.SetIterationTime(seconds);
            std::this_thread::sleep_for(kPause);
            const auto longStart = Clock::now();
            window.Play(longSound.toStdString());
            longPlay += secondsSince(longStart);
        }
    } // the window and its player end, and the driver's file is complete

    // The warm-up sound, then a new game and the long sound per iteration.
    const std::vector<Stretch> stretches = soundStretches(output, kPauseFrames);
    if (stretches.size() != 1 + 2 * std::size_t(state.iterations())) {
        state.SkipWithError("the device's output holds other stretches of sound than were played");
        return;
    }
    std::int64_t newGameFrames = 0;
    for (std::size_t i = 1; i < stretches.size(); i += 2)
        newGameFrames += stretches[i].frames();
    const auto gutFrames = std::int64_t(gut->size() / 4);
    const auto n = static_cast<double>(state.iterations());
    state.counters["gut_ms"] = 1000.0 * double(gutFrames) / 48000;
    state.counters["new_game_ms"] = 1000 * newGame / n;
    state.counters["output_ratio"] = double(newGameFrames) / n / double(95 * gutFrames + soundIn(*gut).frames());
    state.counters["ratio_to_long_play"] = newGame / longPlay;
}
BENCHMARK(NewGameAgainstItsSounds)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
