// Start-up of the game window (load steps, control library, pictures, audio device, first
// showing) against a baseline main window with the same number of plain widgets, timed
// in the same run. Counter `ratio` is game window time / baseline time.
// Run: build/<preset>/bench/window/startup_bench

#include "window/bramlow_window.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Shows `window` and handles events until the window system has exposed it. Spins
// instead of QTest::qWaitForWindowExposed, whose 10 ms naps would swamp the timing.
bool showAndWaitExposed(QWidget& window)
{
    window.show();
    const auto giveUp = Clock::now() + std::chrono::seconds(5);
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (Clock::now() > giveUp)
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

double startGameWindow(int& widgetCount)
{
    const auto start = Clock::now();
    bramlow::BramlowWindow window(QStringLiteral(BRAMLOW_PROGRAM_DIR));
    if (!showAndWaitExposed(window))
        return -1;
    const double seconds = secondsSince(start);
    widgetCount = static_cast<int>(window.findChildren<QWidget*>().size());
    return seconds;
}

double startBaseline(int widgetCount)
{
    const auto start = Clock::now();
    QMainWindow window;
    auto* form = new QWidget(&window);
    window.setCentralWidget(form);
    window.menuBar()->addMenu(QStringLiteral("Datei"));
    for (int i = 0; i < widgetCount; ++i)
        (new QWidget(form))->setGeometry(i % 40, i % 30, 50, 50);
    window.resize(825, 600);
    if (!showAndWaitExposed(window))
        return -1;
    return secondsSince(start);
}

void StartupAgainstPlainWidgets(benchmark::State& state)
{
    double game = 0;
    double baseline = 0;
    int widgets = 0;
    for (auto _ : state) {
        const double g = startGameWindow(widgets);
        const double b = startBaseline(widgets);
        if (g < 0 || b < 0) {
            state.SkipWithError("window never shown");
            return;
        }
        game += g;
        baseline += b;
        state.SetIterationTime(g);
    }
    state.counters["widgets"] = widgets;
    state.counters["baseline_ms"] = 1000 * baseline / static_cast<double>(state.iterations());
    state.counters["game_ms"] = 1000 * game / static_cast<double>(state.iterations());
    state.counters["ratio"] = game / baseline;
}
BENCHMARK(StartupAgainstPlainWidgets)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
