// The game record's costs, each as a ratio against a baseline in the same run:
//   replay_ms, ratio_to_engine  a record of 500 actions replayed to the real window, sounds
//                               off, against the engine alone replaying the same record,
//                               both in the processor time of the thread, which a machine
//                               busy with other work does not inflate (the wall time is
//                               Google Benchmark's own column). Targets: <= 300 ms and <= 1.5.
//   append_us, share_of_gut_wav one action appended to the journal and flushed to disk,
//                               against the length of "gut.wav", the shortest sound cue.
//                               Target: well under 1.
// Run: build/<preset>/bench/record/record_bench

#include "../../tests/record/scripted_play.h"

#include "record/engine_game.h"
#include "record/replay.h"
#include "window/bramlow_window.h"
#include "window/record/journal.h"
#include "window/record/window_replay.h"

#include <QTemporaryDir>

#include <SDL.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

using namespace bramlow;
using Clock = std::chrono::steady_clock;

// The first 500 actions of a long game, check values included.
Record fiveHundredActions()
{
    for (unsigned seed = 1;; ++seed) {
        EngineGame game;
        test::play(game, seed, 20000, [&] { return isWon(game); });
        Record record = game.recorder().record();
        std::size_t actions = 0, keep = 0;
        while (keep < record.entries.size() && actions < 500)
            actions += std::holds_alternative<RecordAction>(record.entries[keep++]);
        if (actions == 500) {
            record.entries.resize(keep);
            return record;
        }
    }
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

void ReplayToWindow(benchmark::State& state)
{
    const Record record = fiveHundredActions();
    BramlowWindow window(QStringLiteral(BRAMLOW_PROGRAM_DIR));
    window.setSoundOn(false);
    window.show();
    EngineGame engine;
    double onWindow = 0, alone = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        replayOnWindow(window, record);
        const double middle = threadSeconds();
        replayRecord(record, engine);
        onWindow += middle - start;
        alone += threadSeconds() - middle;
    }
    state.counters["replay_ms"] = 1000 * onWindow / static_cast<double>(state.iterations());
    state.counters["ratio_to_engine"] = onWindow / alone;
}
BENCHMARK(ReplayToWindow)->Unit(benchmark::kMillisecond)->Iterations(50);

void JournalAppend(benchmark::State& state)
{
    const QTemporaryDir folder;
    qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit());
    Journal journal;
    const Record record = fiveHundredActions();
    journal.replace(record, false);
    const RecordEntries logo{RecordAction{}};
    const auto start = Clock::now();
    for (auto _ : state)
        journal.recorded(record, logo, false);
    const double perAction = seconds(Clock::now() - start) / static_cast<double>(state.iterations());
    // The length of "gut.wav" from its header.
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    const QByteArray gut = QByteArray(BRAMLOW_PROGRAM_DIR) + "/gut.wav";
    SDL_LoadWAV(gut.constData(), &spec, &samples, &bytes);
    const double cue = bytes / double(spec.freq * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8));
    SDL_FreeWAV(samples);
    state.counters["append_us"] = 1e6 * perAction;
    state.counters["share_of_gut_wav"] = perAction / cue;
}
BENCHMARK(JournalAppend)->Unit(benchmark::kMicrosecond)->Iterations(300);

} // namespace
