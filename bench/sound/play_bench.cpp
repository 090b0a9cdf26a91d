// Cues played one after another, as a new game plays "gut.wav" 96 times: each Play returns
// when the device has taken its sound, and the next must follow it without a gap. Measured
// per sound length L in two ways, both against the best any player could do:
//   output_ratio      in the device's output itself (SDL's disk driver writes it to a file):
//                     frames from the first to the last non-silent sample of ten Plays,
//                     over 9 x L plus the sound's own non-silent frames. Sample-exact, so
//                     neither the driver's pace nor the machine's load counts. Target <= 1.02.
//   ratio_to_baseline wall time of ten Plays / one Play of a sound ten times as long, in the
//                     same run (the driver's own pace included). Target <= 1.02.
#include "window/media/sound_player.h"

#include "disk_output.h"
#include "test_media_files.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace {

using bramlow::SoundPlayer;
using namespace bramlow::testing;
using namespace bramlow::bench;
using Clock = std::chrono::steady_clock;

// Silence between the measured stretches, longer than any pause inside one of them.
constexpr auto kPause = std::chrono::milliseconds(300);
constexpr std::int64_t kPauseFrames = 48000 * 150 / 1000;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void PlayTenTimes(benchmark::State& state)
{
    const int lengthMs = int(state.range(0));
    QTemporaryDir dir;
    const QByteArray cue = tonePcm({}, 440, lengthMs);
    writeFile(dir.filePath("cue.wav"), waveImage({}, cue));
    writeFile(dir.filePath("long.wav"), waveImage({}, tonePcm({}, 440, 10 * lengthMs)));
    const QString output = dir.filePath("output.raw");
    qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());

    double tenPlays = 0;
    double baseline = 0;
    {
        SoundPlayer player(dir.path());
        if (!player.hasDevice()) {
            state.SkipWithError("no audio device");
            return;
        }
        player.Play("cue.wav"); // the device is past its warm-up from here on
        for (auto _ : state) {
            std::this_thread::sleep_for(kPause);
            const Clock::time_point start = Clock::now();
            for (int i = 0; i < 10; ++i)
                player.Play("cue.wav");
            const Clock::time_point middle = Clock::now();
            tenPlays += seconds(middle - start);
            std::this_thread::sleep_for(kPause);
            const Clock::time_point longStart = Clock::now();
            player.Play("long.wav");
            baseline += seconds(Clock::now() - longStart);
        }
    } // the player ends, and the driver's file is complete

    // The warm-up cue, then ten Plays and the long sound per iteration.
    const std::vector<Stretch> stretches = soundStretches(output, kPauseFrames);
    if (stretches.size() != 1 + 2 * std::size_t(state.iterations())) {
        state.SkipWithError("the device's output holds other stretches of sound than were played");
        return;
    }
    const std::int64_t cueFrames = cue.size() / 4;
    const std::int64_t cueSound = soundIn({cue.begin(), cue.end()}).frames();
    std::int64_t tenFrames = 0;
    for (std::size_t i = 1; i < stretches.size(); i += 2)
        tenFrames += stretches[i].frames();
    const double runs = double(state.iterations());
    state.counters["output_ratio"] = double(tenFrames) / runs / double(9 * cueFrames + cueSound);
    state.counters["ratio_to_baseline"] = tenPlays / baseline;
    state.counters["ms_per_play"] = tenPlays / runs / 10 * 1000;
}
BENCHMARK(PlayTenTimes)->Arg(45)->Arg(250)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "disk", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
