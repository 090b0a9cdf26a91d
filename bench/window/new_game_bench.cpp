// A new game in the real window with SDL's disk audio driver (real-time pace): wall time
// divided by 96 times the length of "gut.wav", the sounds that the set-up must play in
// any case. Counter `ratio` (target at most 1.05). Counter `ratio_to_plays` divides by
// 96 plain Play("gut.wav") calls through the same window in the same run, which leaves
// the window's own share: loading and repainting 96 cells.
// Run: build/<preset>/bench/window/new_game_bench

#include "window/bramlow_window.h"

#include <QFile>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

namespace {

const QString programDir = QStringLiteral(BRAMLOW_PROGRAM_DIR);

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// Seconds of sound in a PCM wave file: data bytes over bytes per second; 0 if unreadable.
double waveSeconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray wave = file.readAll();
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return 0;
    std::uint32_t bytesPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const std::uint32_t size = littleEndian(wave, at + 4, 4);
        if (id == "fmt " && at + 20 <= wave.size())
            bytesPerSecond = littleEndian(wave, at + 16, 4);
        if (id == "data")
            return bytesPerSecond ? double(size) / bytesPerSecond : 0;
        at += 8 + size + (size & 1);
    }
    return 0;
}

void NewGameAgainstItsSounds(benchmark::State& state)
{
    const double gut = waveSeconds(programDir + QStringLiteral("/gut.wav"));
    if (gut <= 0) {
        state.SkipWithError("gut.wav unreadable");
        return;
    }
    bramlow::BramlowWindow window(programDir);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window never shown");
        return;
    }
    using Clock = std::chrono::steady_clock;
    double total = 0;
    double plays = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        window.neu_but_Click();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        total += seconds;
        state.SetIterationTime(seconds);

        const auto soundsOnly = Clock::now();
        for (int cell = 0; cell < 96; ++cell)
            window.Play("gut.wav");
        plays += std::chrono::duration<double>(Clock::now() - soundsOnly).count();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["gut_ms"] = 1000 * gut;
    state.counters["new_game_ms"] = 1000 * total / n;
    state.counters["ratio"] = total / n / (96 * gut);
    state.counters["ratio_to_plays"] = total / plays;
}
BENCHMARK(NewGameAgainstItsSounds)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
