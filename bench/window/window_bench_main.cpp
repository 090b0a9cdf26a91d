// The main() of the window benchmarks: a real QApplication on the offscreen platform
// (unless the environment names another) and SDL's disk audio driver, which plays at the
// pace of a real device, so every Play takes as long as its sound.
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "disk");
    if (!qEnvironmentVariableIsSet("SDL_DISKAUDIOFILE"))
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
