// Start-up of the game window (load steps, control library, pictures, audio device, first
// showing) against a plain Qt program that builds as many widgets and shows the same
// pictures at the same places, each file decoded once, timed in the same run. Counter
// `ratio` is game window time / baseline time (target at most 1.5).
// Run: build/<preset>/bench/window/startup_bench

#include "window/bramlow_window.h"
#include "window/media/picture_cache.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QPixmap>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

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

// A picture control of the game window at start-up: where it stands and what it shows.
struct Picture {
    const char* name;
    const char* file;
    QRect geometry;
    bool visible = false;
};

double startGameWindow(int& widgetCount, std::vector<Picture>& pictures)
{
    bramlow::forgetPictures(); // as at the program's start: nothing decoded yet
    const auto start = Clock::now();
    bramlow::BramlowWindow window(QStringLiteral(BRAMLOW_PROGRAM_DIR));
    if (!showAndWaitExposed(window))
        return -1;
    const double seconds = secondsSince(start);
    widgetCount = static_cast<int>(window.findChildren<QWidget*>().size());
    pictures = {{"Image1", "bramlow.bmp"}, {"Image2", "bramlow.bmp"}, {"wuerfel", "wuerfel6.bmp"}};
    for (Picture& picture : pictures) {
        const auto* control = window.findChild<QWidget*>(QString::fromLatin1(picture.name));
        picture.geometry = control ? control->geometry() : QRect();
        picture.visible = control && control->isVisible();
    }
    return seconds;
}

// Decodes each picture file once and shows it stretched in a label where the game shows
// it; the other widgets are plain.
double startBaseline(int widgetCount, const std::vector<Picture>& pictures)
{
    const auto start = Clock::now();
    QMainWindow window;
    auto* form = new QWidget(&window);
    window.setCentralWidget(form);
    window.menuBar()->addMenu(QStringLiteral("Datei"));
    QMap<QString, QPixmap> decoded;
    for (const Picture& picture : pictures) {
        const QString file = QString::fromLatin1(picture.file);
        if (!decoded.contains(file))
            // QImage, since QPixmap(path) would take it from Qt's pixmap cache after the first run.
            decoded[file] = QPixmap::fromImage(QImage(QStringLiteral(BRAMLOW_PROGRAM_DIR "/") + file));
        auto* label = new QLabel(form);
        label->setScaledContents(true);
        label->setPixmap(decoded[file]);
        label->setGeometry(picture.geometry);
        label->setVisible(picture.visible);
    }
    for (auto i = static_cast<int>(pictures.size()); i < widgetCount; ++i)
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
    std::vector<Picture> pictures;
    for (auto _ : state) {
        const double g = startGameWindow(widgets, pictures);
        const double b = startBaseline(widgets, pictures);
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
