// The reliability campaign: a long run of random actions on the engine, every invariant of
// tests/engine/engine_invariants.h checked after each. The test suite runs a short session of
// the same kind (random_play_test); this one plays 10^8 actions by default.
// Run: build/<preset>/bench/engine/engine_campaign [actions] [seed]
// Prints actions/s and the number of violations (with the first few); exit status 1 if any.
#include "engine_invariants.h"
#include "quiet_table.h"

#include "engine/destination_checks.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace bramlow {
namespace {

// The quiet window that also counts the winner's sounds.
class CampaignView : public bench::QuietWindow {
public:
    void Play(const std::string& datei) override { winnerSounds += datei == "winner.wav"; }

    long long winnerSounds = 0;
};

const std::vector<Cell>& allCells()
{
    static const std::vector<Cell> cells = [] {
        std::vector<Cell> all;
        for (const char letter : {'b', 's', 'g'}) {
            for (int first = 1; first <= (letter == 'b' ? 8 : 2); ++first) {
                for (int second = 1; second <= 8; ++second)
                    all.push_back(*cellAt(letter, first, second));
            }
        }
        return all;
    }();
    return cells;
}

// Mostly what a player would do (own pieces, reachable destinations), often anything at all:
// wild clicks, ends of turns, new games in the middle of one.
void randomAction(Engine& engine, const CampaignView& view, std::mt19937& pick)
{
    const std::string& prompt = view.texts[static_cast<int>(TextBox::ausgabe2)];
    const std::string& player = view.texts[static_cast<int>(TextBox::ausgabe1)];
    const bool silber = player == "Es spielt Spieler Silber";
    const bool playing = silber || player == "Es spielt Spieler Gold";
    const unsigned roll = pick() % 1000;
    if (roll < (playing ? 1u : 100u)) {
        engine.neu_but_Click();
    } else if (roll < 30 && view.image1Enabled) {
        engine.Image1_Click();
    } else if (view.dieVisible && (prompt == "Bitte wuerfeln!" || roll < 60)) {
        engine.wuerfel_Click();
    } else {
        static std::vector<Cell> sensible;
        sensible.clear();
        if (playing && prompt == "Welche Figur bewegen?") {
            for (const Cell& cell : allCells()) {
                if (silber ? isSilberPiece(engine.lese(cell.name())) : isGoldPiece(engine.lese(cell.name())))
                    sensible.push_back(cell);
            }
        } else if (playing && prompt == "Wohin bewegen?") {
            if (const auto source = cellNamed(view.texts[static_cast<int>(TextBox::speicher)])) {
                for (const Cell& cell : allCells()) {
                    if (!destinationRefusal(silber ? Player::silber : Player::gold, *source, cell,
                                            engine.lese(cell.name()), engine.wurf()))
                        sensible.push_back(cell);
                }
            }
        }
        const auto& from = !sensible.empty() && pick() % 4 != 0 ? sensible : allCells();
        bench::click(engine, from[pick() % from.size()]);
    }
}

} // namespace
} // namespace bramlow

int main(int argc, char** argv)
{
    using namespace bramlow;
    const long long actions = argc > 1 ? std::atoll(argv[1]) : 100'000'000LL;
    std::mt19937 pick(argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 20261207u);
    CampaignView view;
    DefaultRandomSource dice;
    Engine engine(view, dice);
    engine.Main();
    engine.neu_but_Click(); // the grids hold zeros until the first game
    long long violations = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long long i = 0; i < actions; ++i) {
        randomAction(engine, view, pick);
        const test::StateTexts texts{view.texts[0], view.texts[1], view.texts[2], view.texts[3]};
        if (const std::string violation = test::invariantViolation(engine, texts); !violation.empty()) {
            if (++violations <= 10)
                std::printf("after action %lld: %s\n", i, violation.c_str());
            engine.neu_but_Click(); // play on from a sound position
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%lld actions in %.1f s: %.0f actions/s, %lld games won, %lld violations\n", actions, seconds,
                double(actions) / seconds, view.winnerSounds, violations);
    return violations == 0 ? 0 : 1;
}
