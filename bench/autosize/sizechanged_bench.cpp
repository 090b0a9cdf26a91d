// Sizechanged on a form shaped like the game's main window and on a large Designer form
// (424 controls on tab pages and in group boxes), each against a baseline that sets the
// very same geometries and fonts directly. Both alternate between two form sizes so that
// every run really moves every control. Prints the ratios of the medians.

#include "trellauto/trell_auto_size.h"
#include "ui_large_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Twips to whole pixels, 15 twips a pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

template <typename W>
W* place(W* widget, const QString& name, QRect geometry, const char* family = nullptr,
         qreal points = 0)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    if (family)
        widget->setFont(QFont(QLatin1String(family), 0));
    if (points > 0) {
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
    }
    return widget;
}

// About 115 controls on a 12375 x 8745 twip form, as on the game's main window.
struct GameShapedWindow {
    GameShapedWindow()
    {
        form = new QWidget;
        window.setCentralWidget(form);
        for (const char* entry : {"neues Spiel", "Hilfe", "Ende"}) {
            QAction* action = window.menuBar()->addAction(QString::fromUtf8(entry));
            action->setObjectName(QStringLiteral("menu") + QString::fromUtf8(entry).left(3));
        }
        place(new QLabel(form), "Image2", twips(0, 0, 9000, 8760));
        for (int t = 1; t <= 8; ++t)
            for (int u = 1; u <= 8; ++u)
                place(new QLabel(form), "b", twips(1200 + 840 * (u - 1), 6960 - 840 * (t - 1), 870, 870));
        for (int u = 1; u <= 8; ++u) {
            place(new QLabel(form), "s", twips(360, 6960 - 840 * (u - 1), 870, 870));
            place(new QLabel(form), "s", twips(7920, 6960 - 840 * (u - 1), 870, 870));
            place(new QLabel(form), "g", twips(1200 + 840 * (u - 1), 7800, 870, 870));
            place(new QLabel(form), "g", twips(1200 + 840 * (u - 1), 240, 870, 870));
        }
        place(new QPushButton(QStringLiteral("neues Spiel"), form), "Neu_but",
              twips(9240, 360, 1335, 615), "Arial", 9.75);
        place(new QPushButton(QStringLiteral("Ende"), form), "ende", twips(11040, 360, 1215, 615),
              "Arial", 9.75);
        place(new QLabel(form), "Image1", twips(9120, 1440, 3120, 2400));
        auto* frame = place(new QGroupBox(QStringLiteral("Meldungen"), form), "Frame2",
                            twips(9120, 3960, 3255, 3135));
        place(new QTextEdit(frame), "ausgabe1", twips(120, 360, 3015, 1215), "Times New Roman", 14.25);
        place(new QTextEdit(frame), "ausgabe2", twips(120, 1800, 3015, 1095), "Times New Roman", 14.25);
        place(new QLabel(frame), "ausgabe11", twips(120, 2640, 2775, 375), "Arial", 9.75);
        place(new QLabel(form), "wuerfel", twips(9960, 7440, 1485, 1110));
        place(new QTextEdit(form), "speicher", twips(7920, 7920, 855, 375))->hide();
        place(new QTextEdit(form), "speicher2", twips(9000, 7200, 855, 375))->hide();
        autoSize = place(new TrellAutoSize(form), "TrellAutoSize1", twips(9360, 0, 495, 495));
        form->resize(825, 583);
        window.show();
        autoSize->Init();
    }

    std::vector<QWidget*> controls() const
    {
        std::vector<QWidget*> all;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (!w->objectName().startsWith(QLatin1String("qt_")) && !w->isWindow())
                all.push_back(w);
        return all;
    }

    static constexpr QSize kSizes[2] = {{1650, 1166}, {990, 700}};
    QMainWindow window;
    QWidget* form;
    TrellAutoSize* autoSize;
};

// The large form of the control's tests, compiled by uic: 1000 x 700 pixels.
struct LargeDesignerForm {
    LargeDesignerForm()
    {
        ui.setupUi(&root);
        form = &root;
        autoSize = ui.TrellAutoSize1;
        root.show();
        autoSize->Init();
    }

    // The widgets on the form, on the tab pages and in the group boxes; not the pages.
    std::vector<QWidget*> controls() const
    {
        std::vector<QWidget*> all;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            QWidget* parent = w->parentWidget();
            if (parent == form || qobject_cast<QGroupBox*>(parent) || ui.tabWidget->indexOf(parent) >= 0)
                all.push_back(w);
        }
        return all;
    }

    static constexpr QSize kSizes[2] = {{1500, 1050}, {800, 560}};
    QWidget root;
    Ui::LargeForm ui;
    QWidget* form;
    TrellAutoSize* autoSize;
};

// Between two resizes a real window runs its event loop; here that happens off the clock.
// Left out, the posted update requests pile up and every later one costs more.
void settle(benchmark::State& state)
{
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

template <typename Form>
void BM_Sizechanged(benchmark::State& state)
{
    Form w;
    const auto& kSizes = Form::kSizes;
    int flip = 0;
    for (auto _ : state) {
        w.form->resize(kSizes[flip]);
        w.autoSize->Sizechanged();
        flip ^= 1;
        settle(state);
    }
}

// The algorithm's own cost: the form keeps its size, so the host has nothing to move.
template <typename Form>
void BM_SizechangedAtOneSize(benchmark::State& state)
{
    Form w;
    const auto& kSizes = Form::kSizes;
    w.form->resize(kSizes[0]);
    w.autoSize->Sizechanged();
    for (auto _ : state)
        w.autoSize->Sizechanged();
}

// The same end state, reached the way a hand-written resize handler would: each
// control's geometry set at once, its font size set on a copy of its font.
template <typename Form>
void BM_DirectBaseline(benchmark::State& state)
{
    Form w;
    const auto& kSizes = Form::kSizes;
    struct Target {
        QWidget* widget;
        QRect geometry;
        qreal points;
    };
    std::vector<Target> targets[2];
    for (int i = 0; i < 2; ++i) {
        w.form->resize(kSizes[i]);
        w.autoSize->Sizechanged();
        for (QWidget* widget : w.controls())
            targets[i].push_back({widget, widget->geometry(), widget->font().pointSizeF()});
    }
    int flip = 0;
    for (auto _ : state) {
        w.form->resize(kSizes[flip]);
        for (const Target& t : targets[flip]) {
            t.widget->setGeometry(t.geometry);
            QFont font = t.widget->font();
            font.setPointSizeF(t.points);
            t.widget->setFont(font);
        }
        flip ^= 1;
        settle(state);
    }
}

BENCHMARK(BM_Sizechanged<GameShapedWindow>)->Repetitions(15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DirectBaseline<GameShapedWindow>)->Repetitions(15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SizechangedAtOneSize<GameShapedWindow>)->Repetitions(15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sizechanged<LargeDesignerForm>)->Repetitions(15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DirectBaseline<LargeDesignerForm>)->Repetitions(15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SizechangedAtOneSize<LargeDesignerForm>)->Repetitions(15)->Unit(benchmark::kMicrosecond);

// Keeps the median of each benchmark for the closing ratio.
class MedianReporter final : public benchmark::ConsoleReporter {
public:
    // Microseconds of CPU time per iteration: on a machine shared with other jobs the
    // wall clock also counts the time this process waited for a core.
    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Both benchmarks' repetitions take turns, so a machine that gets busier during the
    // run slows both alike and the ratio stays fair.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const char* form : {"GameShapedWindow", "LargeDesignerForm"}) {
        const std::string name = std::string("<") + form + ">";
        const double sizechanged = reporter.medians["BM_Sizechanged" + name];
        const double baseline = reporter.medians["BM_DirectBaseline" + name];
        const double atOneSize = reporter.medians["BM_SizechangedAtOneSize" + name];
        if (sizechanged > 0 && baseline > 0)
            std::printf("\n%s: CPU time medians: Sizechanged %.1f us, direct baseline %.1f us, ratio %.3f "
                        "(target at most 1.10); at an unchanged size %.1f us\n",
                        form, sizechanged, baseline, sizechanged / baseline, atOneSize);
    }
    return 0;
}
