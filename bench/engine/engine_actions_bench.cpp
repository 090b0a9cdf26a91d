// How many user actions the engine evaluates per second, with a window that only keeps its
// texts. One recorded session of actions is replayed three ways:
//   Engine/replay        every action through the engine
//   Baseline/view_calls  only the window calls the engine made for it, straight to the window
//   Baseline/dispatch    only the loop over the actions, no engine and no window
// The ratios printed at the end compare the first with the other two, in CPU time, which
// other programs on a shared machine disturb less than wall time.
#include "engine/destination_checks.h"
#include "engine/engine.h"
#include "engine/field_name.h"
#include "quiet_table.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace bramlow {
namespace {

// Keeps the four texts, since the game's state lives there, and the two switches that
// decide whether the die and Image1 can be clicked. Everything else is dropped.
using NullView = bench::QuietWindow;

// One window call as the engine made it.
struct ViewCall {
    enum Op : std::uint8_t { Text, SetText, Message, CellPicture, DiePicture, Image1, Die, Sound } op;
    TextBox box = TextBox::ausgabe1;
    CellArray array = CellArray::b;
    std::int16_t index = 0;
    bool flag = false;
    std::string value;
};

// A NullView that also writes down every call.
class TapeView : public NullView {
public:
    std::string text(TextBox box) const override
    {
        tape.push_back({ViewCall::Text, box, {}, 0, false, {}});
        return NullView::text(box);
    }
    void setText(TextBox box, const std::string& text) override
    {
        tape.push_back({ViewCall::SetText, box, {}, 0, false, text});
        NullView::setText(box, text);
    }
    void setMessage(const std::string& caption) override { tape.push_back({ViewCall::Message, {}, {}, 0, false, caption}); }
    void setCellPicture(CellArray array, std::int16_t index, const std::string& file) override
    {
        tape.push_back({ViewCall::CellPicture, {}, array, index, false, file});
    }
    void setDiePicture(const std::string& file) override { tape.push_back({ViewCall::DiePicture, {}, {}, 0, false, file}); }
    void setImage1Enabled(bool enabled) override
    {
        tape.push_back({ViewCall::Image1, {}, {}, 0, enabled, {}});
        NullView::setImage1Enabled(enabled);
    }
    void setDieVisible(bool visible) override
    {
        tape.push_back({ViewCall::Die, {}, {}, 0, visible, {}});
        NullView::setDieVisible(visible);
    }
    void Play(const std::string& datei) override { tape.push_back({ViewCall::Sound, {}, {}, 0, false, datei}); }

    mutable std::vector<ViewCall> tape;
};

struct Action {
    enum Kind : std::uint8_t { NewGame, Die, Image1, CellB, CellS, CellG } kind;
    std::int16_t index = 0;
};

// Replays one action as the window would raise it: a hidden die and a disabled Image1
// raise no click.
void perform(Engine& engine, const NullView& view, const Action& action)
{
    switch (action.kind) {
    case Action::NewGame:
        engine.neu_but_Click();
        break;
    case Action::Die:
        if (view.dieVisible)
            engine.wuerfel_Click();
        break;
    case Action::Image1:
        if (view.image1Enabled)
            engine.Image1_Click();
        break;
    case Action::CellB:
        engine.b_Click(action.index);
        break;
    case Action::CellS:
        engine.s_Click(action.index);
        break;
    case Action::CellG:
        engine.g_Click(action.index);
        break;
    }
}

const std::vector<std::string>& allCells()
{
    static const std::vector<std::string> cells = [] {
        std::vector<std::string> names;
        for (const char letter : {'b', 's', 'g'}) {
            for (int first = 1; first <= (letter == 'b' ? 8 : 2); ++first) {
                for (int second = 1; second <= 8; ++second)
                    names.push_back(fieldName(letter, first, second));
            }
        }
        return names;
    }();
    return cells;
}

Action cellAction(const std::string& feld)
{
    const auto cell = *cellNamed(feld);
    const auto kind = feld[0] == 'b' ? Action::CellB : feld[0] == 's' ? Action::CellS : Action::CellG;
    return {kind, cell.index()};
}

// A session like two players would play it: mostly sensible clicks (own pieces, reachable
// destinations), some wild ones, rolls, early ends of turns and rare new games. Recorded
// while playing, so that every replay takes exactly the same course.
std::vector<Action> recordSession(std::size_t length)
{
    NullView view;
    DefaultRandomSource dice;
    Engine engine(view, dice);
    std::mt19937 pick(7);
    const auto below = [&pick](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(pick); };
    engine.Main();

    std::vector<Action> session;
    session.push_back({Action::NewGame});
    engine.neu_but_Click();
    while (session.size() < length) {
        const std::string prompt = view.text(TextBox::ausgabe2);
        const std::string player = view.text(TextBox::ausgabe1);
        const bool silber = player == "Es spielt Spieler Silber";
        const bool playing = silber || player == "Es spielt Spieler Gold";
        Action action{Action::CellB, 11};
        const std::size_t roll = below(1000);
        if (!playing && below(10) == 0) {
            action = {Action::NewGame};
        } else if (roll < 80) {
            action = {Action::Die};
        } else if (roll < 95) {
            action = {Action::Image1};
        } else {
            std::vector<std::string> sensible;
            if (playing && prompt == "Welche Figur bewegen?") {
                for (const auto& feld : allCells()) {
                    if (silber ? isSilberPiece(engine.lese(feld)) : isGoldPiece(engine.lese(feld)))
                        sensible.push_back(feld);
                }
            } else if (playing && prompt == "Wohin bewegen?") {
                const Cell source = *cellNamed(view.text(TextBox::speicher));
                for (const auto& feld : allCells()) {
                    if (!destinationRefusal(silber ? Player::silber : Player::gold, source, *cellNamed(feld),
                                            engine.lese(feld), engine.wurf()))
                        sensible.push_back(feld);
                }
            }
            const auto& from = !sensible.empty() && below(10) < 8 ? sensible : allCells();
            action = cellAction(from[below(from.size())]);
        }
        session.push_back(action);
        perform(engine, view, action);
    }
    return session;
}

const std::vector<Action>& session()
{
    static const std::vector<Action> actions = recordSession(200'000);
    return actions;
}

void setActionCounters(benchmark::State& state)
{
    const auto actions = static_cast<double>(session().size()) * static_cast<double>(state.iterations());
    state.counters["actions/s"] = benchmark::Counter(actions, benchmark::Counter::kIsRate);
}

void EngineReplay(benchmark::State& state)
{
    for (auto _ : state) {
        NullView view;
        DefaultRandomSource dice;
        Engine engine(view, dice);
        engine.Main();
        for (const Action& action : session())
            perform(engine, view, action);
        benchmark::DoNotOptimize(engine.wurf());
    }
    setActionCounters(state);
}

const std::vector<ViewCall>& viewTape()
{
    static const std::vector<ViewCall> tape = [] {
        TapeView view;
        DefaultRandomSource dice;
        Engine engine(view, dice);
        engine.Main();
        for (const Action& action : session())
            perform(engine, view, action);
        return std::move(view.tape);
    }();
    return tape;
}

void ViewCallsOnly(benchmark::State& state)
{
    const auto& tape = viewTape();
    for (auto _ : state) {
        NullView view;
        WindowView& window = view;
        for (const ViewCall& call : tape) {
            switch (call.op) {
            case ViewCall::Text:
                benchmark::DoNotOptimize(window.text(call.box));
                break;
            case ViewCall::SetText:
                window.setText(call.box, call.value);
                break;
            case ViewCall::Message:
                window.setMessage(call.value);
                break;
            case ViewCall::CellPicture:
                window.setCellPicture(call.array, call.index, call.value);
                break;
            case ViewCall::DiePicture:
                window.setDiePicture(call.value);
                break;
            case ViewCall::Image1:
                window.setImage1Enabled(call.flag);
                break;
            case ViewCall::Die:
                window.setDieVisible(call.flag);
                break;
            case ViewCall::Sound:
                window.Play(call.value);
                break;
            }
        }
        benchmark::ClobberMemory();
    }
    setActionCounters(state);
    state.counters["view calls per action"] =
        static_cast<double>(tape.size()) / static_cast<double>(session().size());
}

void DispatchOnly(benchmark::State& state)
{
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const Action& action : session()) {
            sum += action.kind * 100 + action.index;
            benchmark::DoNotOptimize(sum);
        }
    }
    setActionCounters(state);
}

BENCHMARK(EngineReplay)->Name("Engine/replay")->Unit(benchmark::kMillisecond);
BENCHMARK(ViewCallsOnly)->Name("Baseline/view_calls")->Unit(benchmark::kMillisecond);
BENCHMARK(DispatchOnly)->Name("Baseline/dispatch")->Unit(benchmark::kMillisecond);

// Prints the usual table and keeps each benchmark's time for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the benchmark, otherwise its one run.
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.aggregate_name == "median") {
                medians.insert(name);
                seconds[name] = run.GetAdjustedCPUTime();
            } else if (run.run_type == Run::RT_Iteration && !medians.contains(name)) {
                seconds[name] = run.GetAdjustedCPUTime();
            }
        }
    }
    std::map<std::string, double> seconds;
    std::set<std::string> medians;
};

} // namespace
} // namespace bramlow

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bramlow::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto& t = reporter.seconds;
    const auto ratio = [&t](const char* a, const char* b) {
        const auto x = t.find(a);
        const auto y = t.find(b);
        if (x != t.end() && y != t.end() && y->second > 0)
            std::printf("%-36s %8.2f\n", (std::string(a) + " / " + b).c_str(), x->second / y->second);
    };
    std::printf("\n%zu actions per replay\n", bramlow::session().size());
    ratio("Engine/replay", "Baseline/view_calls");
    ratio("Engine/replay", "Baseline/dispatch");
    return 0;
}
