// What network play costs a local game: nothing, while no network game runs. The same
// scripted games (mostly the computer's moves, now and then a refused click or the logo) are
// played through the handlers of two real windows, sounds off, in turns: a bare window, and
// one that carries what the program hangs on it for network play, all idle: the Netzwerk
// menu bound to a NetworkPlay, and the sides with their peer seats, told of every action.
// Both in the processor time of the thread, which a machine busy with other work does not
// inflate; the two windows take turns, game by game, and take turns carrying the network.
//   ratio_with_network  with / without, the geometric mean over the pairs of games.
//                       Target <= 1.02.
// Run: build/<preset>/bench/network/idle_network_bench

#include "../../tests/record/scripted_play.h"

#include "window/bramlow_window.h"
#include "window/game_app.h"
#include "window/network/network_menu.h"

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <utility>

namespace {

using namespace bramlow;

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Hangs the idle network play on `window`, or takes it off again (nullptr).
class NetworkOnWindow {
public:
    explicit NetworkOnWindow(GameApp& app) : app_(app) {}
    void carry(BramlowWindow* window)
    {
        if (window_) {
            delete window_->menuBar()->findChild<QMenu*>(QStringLiteral("menuNetzwerk"));
            QObject::disconnect(recorded_);
        }
        window_ = window;
        app_.sides().follow(window);
        if (!window)
            return;
        addNetworkMenu(*window->menuBar(), app_.network(), window);
        recorded_ = QObject::connect(window, &BramlowWindow::actionRecorded, &app_.sides(),
                                     [this](const RecordEntries& lines) { app_.sides().actionTaken(lines); });
    }

private:
    GameApp& app_;
    BramlowWindow* window_ = nullptr;
    QMetaObject::Connection recorded_;
};

void LocalGameWithIdleNetwork(benchmark::State& state)
{
    const QTemporaryDir folder;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        qputenv(name, folder.path().toLocal8Bit());
    const QString programDir = QStringLiteral(BRAMLOW_PROGRAM_DIR);
    GameApp app(programDir); // never started: its NetworkPlay stays idle
    // Two windows in the same state all along; which one carries the network play changes,
    // since one window alone may run a few per cent faster than the other (where it lies in
    // memory), and the geometric mean of the ratios cancels that out.
    BramlowWindow first(programDir);
    BramlowWindow second(programDir);
    for (BramlowWindow* window : {&first, &second}) {
        window->setSoundOn(false);
        window->show();
    }
    NetworkOnWindow network(app);
    double without = 0, logRatios = 0;
    unsigned seed = 1;
    for (auto _ : state) {
        BramlowWindow* carrier = (seed / 2) % 2 ? &first : &second;
        network.carry(carrier);
        BramlowWindow* order[] = {&first, &second};
        if (seed % 2)
            std::swap(order[0], order[1]);
        double seconds[2] = {}; // without, with
        for (BramlowWindow* window : order) {
            const double start = threadSeconds();
            test::play(*window, seed, 300);
            seconds[window == carrier ? 1 : 0] = threadSeconds() - start;
        }
        without += seconds[0];
        logRatios += std::log(seconds[1] / seconds[0]);
        ++seed;
    }
    network.carry(nullptr);
    state.counters["ratio_with_network"] = std::exp(logRatios / double(state.iterations()));
    state.counters["actions_per_ms"] = 300.0 * double(state.iterations()) / (1000 * without);
}
BENCHMARK(LocalGameWithIdleNetwork)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace
