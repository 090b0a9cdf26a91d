// Cost of playing cues one after another. Each Play waits for its sound to end and then
// for one device buffer, so ten Plays of a sound take a little longer than the sound
// itself ten times. Reported per sound length:
//   ratio_to_length   wall time of ten Plays / (10 x the sound's length)   target <= 1.05
//   ratio_to_baseline wall time of ten Plays / one Play of a sound ten times as long,
//                     measured in the same run (the disk driver's own pace included)
// The device is SDL's disk driver writing to /dev/null at the pace of a real device.
#include "window/media/sound_player.h"

#include "test_media_files.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace {

using bramlow::SoundPlayer;
using namespace bramlow::testing;
using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void PlayTenTimes(benchmark::State& state)
{
    const int lengthMs = int(state.range(0));
    QTemporaryDir dir;
    writeFile(dir.filePath("cue.wav"), waveImage({}, tonePcm({}, 440, lengthMs)));
    writeFile(dir.filePath("long.wav"), waveImage({}, tonePcm({}, 440, 10 * lengthMs)));

    SoundPlayer player(dir.path());
    if (!player.hasDevice()) {
        state.SkipWithError("no audio device");
        return;
    }
    player.Play("cue.wav"); // the device is past its warm-up from here on

    double tenPlays = 0;
    double baseline = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < 10; ++i)
            player.Play("cue.wav");
        const Clock::time_point middle = Clock::now();
        player.Play("long.wav");
        const Clock::time_point end = Clock::now();
        tenPlays += seconds(middle - start);
        baseline += seconds(end - middle);
    }
    const double runs = double(state.iterations());
    state.counters["ratio_to_length"] = tenPlays / runs / (10 * lengthMs / 1000.0);
    state.counters["ratio_to_baseline"] = tenPlays / baseline;
    state.counters["ms_per_play"] = tenPlays / runs / 10 * 1000;
}
BENCHMARK(PlayTenTimes)->Arg(45)->Arg(250)->Arg(500)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
