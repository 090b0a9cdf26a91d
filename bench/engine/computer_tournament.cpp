// Tournaments of the computer against simpler players, every game played through the engine
// on a quiet window, the computer taking Silber in one game and Gold in the next. Prints each
// win rate with its 95 % interval, how long the computer takes to decide, and how many turns
// the games last; a game still running after the turn cap is counted and reported, never
// dropped.
//
// Run: build/release/bench/engine/computer_tournament [games] [what] [only]
//   what: main (computer against random and greedy, the default), levels (each level against
//   its yardsticks: Stark against Mittel, careful and greedy, Leicht against random and
//   greedy, with each level's decision times), stark (Stark against Mittel, careful and
//   greedy, or only the one named third), leicht (Leicht against random and greedy), depth
//   (win rate against greedy by search depth and evaluation), pairs (every pair of players,
//   game lengths).
#include "quiet_table.h"

#include "engine/computer_evaluation.h"
#include "engine/computer_player.h"
#include "engine/computer_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <time.h>

namespace bramlow::bench {
namespace {

constexpr int turnCap = 5'000;

// A way to choose a move: what the player sees is the engine after the roll.
using Policy = std::function<std::optional<Move>(const Engine&, Player, std::mt19937&)>;

struct Contestant {
    std::string name;
    Policy choose;
};

std::optional<Move> randomMove(const Engine& engine, Player player, std::mt19937& pick)
{
    const MoveList moves = engine.position().legalMoves(player, engine.wurf());
    if (moves.empty())
        return std::nullopt;
    return moves[static_cast<int>(pick() % moves.size())];
}

// A capture if there is one, else the move that goes furthest towards the target row; of
// equal moves one at random.
std::optional<Move> greedyMove(const Engine& engine, Player player, std::mt19937& pick)
{
    const Position position = engine.position();
    const MoveList moves = position.legalMoves(player, engine.wurf());
    std::vector<Move> best;
    int bestScore = -1;
    for (const Move move : moves) {
        const bool capture = position.at(move.to) == occupantOf(opponentOf(player));
        const int score = (capture ? 100 : 0) + progress(player, move.to) - progress(player, move.from);
        if (score > bestScore)
            best.clear();
        if (score >= bestScore) {
            bestScore = score;
            best.push_back(move);
        }
    }
    if (best.empty())
        return std::nullopt;
    return best[pick() % best.size()];
}

// A careful one-move player, the yardstick above greedy: the move with the most of its race
// gain + 1.5 x the steps it takes with a capture - 1.2 x the steps its own pieces can expect
// to lose on the opponent's next roll; of equal moves one at random.
std::optional<Move> carefulMove(const Engine& engine, Player player, std::mt19937& pick)
{
    const Position position = engine.position();
    const Player other = opponentOf(player);
    const MoveList moves = position.legalMoves(player, engine.wurf());
    const int ownSteps = stepsToGo(position, player), otherSteps = stepsToGo(position, other);
    std::vector<Move> best;
    double bestScore = 0.0;
    for (const Move move : moves) {
        Position after = position;
        after.play(player, move);
        const double score = after.hasWon(player)
                                 ? 1e9
                                 : (ownSteps - stepsToGo(after, player)) + 1.5 * (stepsToGo(after, other) - otherSteps) -
                                       1.2 * expectedCapture(after, other, 0.0);
        if (best.empty() || score > bestScore + 1e-9) {
            best.clear();
            bestScore = score;
        }
        if (score >= bestScore - 1e-9)
            best.push_back(move);
    }
    if (best.empty())
        return std::nullopt;
    return best[pick() % best.size()];
}

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(q * values.size()))];
}

std::vector<double> decisionMicros, decisionWallMicros;

// The processor time of this thread: the machine is shared, and a decision's wall time
// would also count the time others used the core.
double threadMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

// The computer exactly as the window asks it, timed.
std::optional<Move> computerMove(const Engine& engine, ComputerLevel level, std::vector<double>& micros)
{
    const double start = threadMicros();
    const auto wallStart = std::chrono::steady_clock::now();
    const auto choice = chooseComputerMove(engine, level);
    micros.push_back(threadMicros() - start);
    decisionWallMicros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - wallStart).count());
    if (!choice)
        return std::nullopt;
    return Move{squareOf(*cellWithIndex(choice->piece.letter, choice->piece.index)),
                squareOf(*cellWithIndex(choice->destination.letter, choice->destination.index))};
}

std::map<ComputerLevel, std::vector<double>> levelMicros;

Policy computerAt(ComputerLevel level)
{
    return [level](const Engine& engine, Player, std::mt19937&) {
        return computerMove(engine, level, level == ComputerLevel::Mittel ? decisionMicros : levelMicros[level]);
    };
}

void printTimes(const char* who, const std::vector<double>& micros)
{
    std::printf("processor time per decision of %s over %zu decisions: median %.0f us, p99 %.0f us, max %.0f us\n",
                who, micros.size(), quantile(micros, 0.5), quantile(micros, 0.99), quantile(micros, 1.0));
}

Policy searching(SearchSettings settings)
{
    return [settings](const Engine& engine, Player player, std::mt19937&) {
        return bestMove(engine.position(), player, engine.wurf(), settings);
    };
}

struct GameResult {
    bool silberWon = false;
    bool capped = false;
    int turns = 0;
};

// One game through the engine's handlers; a move the engine refuses ends the program, since
// it means the players and the rules disagree.
GameResult playGame(const Policy& silber, const Policy& gold, unsigned seed)
{
    QuietWindow window;
    SeededDie die(seed);
    Engine engine(window, die);
    std::mt19937 pick(seed ^ 0x9e3779b9u);
    engine.Main();
    engine.neu_but_Click();
    GameResult result;
    for (; result.turns < turnCap; ++result.turns) {
        engine.wuerfel_Click();
        const Player player = *playerFromText(engine.spielerText());
        const auto move = (player == Player::silber ? silber : gold)(engine, player, pick);
        if (!move) {
            engine.Image1_Click();
            continue;
        }
        click(engine, *cellOf(move->from));
        click(engine, *cellOf(move->to));
        if (window.prompt() == prompt::gameWon) {
            result.silberWon = window.texts[0].ends_with(silberName);
            ++result.turns;
            return result;
        }
        if (window.prompt() != prompt::roll) {
            std::fprintf(stderr, "game %u: the engine refused a move; prompt \"%s\"\n", seed, window.prompt().c_str());
            std::exit(2);
        }
    }
    result.capped = true;
    return result;
}

struct MatchResult {
    int games = 0, wins = 0, capped = 0;
    std::vector<double> turns;
};

// `first` takes Silber in even games and Gold in odd ones.
MatchResult match(const Contestant& first, const Contestant& second, int games, unsigned seedBase)
{
    MatchResult result;
    for (int g = 0; g < games; ++g) {
        const bool firstIsSilber = g % 2 == 0;
        const GameResult game = firstIsSilber ? playGame(first.choose, second.choose, seedBase + g)
                                              : playGame(second.choose, first.choose, seedBase + g);
        ++result.games;
        result.capped += game.capped;
        result.wins += !game.capped && game.silberWon == firstIsSilber;
        result.turns.push_back(game.turns);
    }
    return result;
}

// Wilson score interval, 95 %.
void printRow(const std::string& label, const MatchResult& r)
{
    const double n = r.games, p = r.wins / n, z = 1.96;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    std::printf("%-34s %7d %7.2f %%  [%6.2f, %6.2f] %%   turns median %4.0f  p99 %5.0f  max %5.0f  capped %d\n",
                label.c_str(), r.games, 100 * p, 100 * (centre - half), 100 * (centre + half), quantile(r.turns, 0.5),
                quantile(r.turns, 0.99), *std::max_element(r.turns.begin(), r.turns.end()), r.capped);
}

void printHeader()
{
    std::printf("%-34s %7s %9s  %18s\n", "first player against second", "games", "win rate", "95 % interval");
}

} // namespace
} // namespace bramlow::bench

int main(int argc, char** argv)
{
    using namespace bramlow;
    using namespace bramlow::bench;
    const int games = argc > 1 ? std::atoi(argv[1]) : 10'000;
    const std::string what = argc > 2 ? argv[2] : "main";
    // `stark` only: the games from this even number on, so that one long tournament can be
    // played as parts side by side and added up; each game keeps its dice and its sides.
    const unsigned from = argc > 4 ? unsigned(std::atoi(argv[4])) / 2 * 2 : 0;
    const Contestant computer{"computer", computerAt(ComputerLevel::Mittel)};
    const Contestant leicht{"Leicht", computerAt(ComputerLevel::Leicht)};
    const Contestant mittel{"Mittel", computerAt(ComputerLevel::Mittel)};
    const Contestant stark{"Stark", computerAt(ComputerLevel::Stark)};
    const Contestant careful{"careful", carefulMove};
    const Contestant random{"random", randomMove};
    const Contestant greedy{"greedy", greedyMove};
    std::printf("turn cap %d; a turn is one roll of one player\n", turnCap);
    printHeader();
    if (what == "main") {
        printRow("computer against random", match(computer, random, games, 1'000'000u));
        printRow("computer against greedy", match(computer, greedy, games, 2'000'000u));
        std::printf("processor time per decision of the computer over %zu decisions: median %.0f us, p99 %.0f us, max %.0f us\n",
                    decisionMicros.size(), quantile(decisionMicros, 0.5), quantile(decisionMicros, 0.99),
                    quantile(decisionMicros, 1.0));
        std::printf("wall time per decision, other programs sharing the machine: median %.0f us, p99 %.0f us\n",
                    quantile(decisionWallMicros, 0.5), quantile(decisionWallMicros, 0.99));
    } else if (what == "levels") {
        printRow("Stark against Mittel", match(stark, mittel, games, 5'000'000u));
        printRow("Stark against careful", match(stark, careful, games, 6'000'000u));
        printRow("Stark against greedy", match(stark, greedy, games, 7'000'000u));
        printRow("Leicht against random", match(leicht, random, games, 8'000'000u));
        printRow("Leicht against greedy", match(leicht, greedy, games, 9'000'000u));
        printRow("Mittel against careful", match(mittel, careful, games, 10'000'000u));
        printTimes("Stark", levelMicros[ComputerLevel::Stark]);
        printTimes("Mittel", decisionMicros);
        printTimes("Leicht", levelMicros[ComputerLevel::Leicht]);
    } else if (what == "stark") {
        // Stark against its three yardsticks, or against the one named third (Mittel,
        // careful, greedy), so that the three can run side by side.
        const std::string only = argc > 3 ? argv[3] : "";
        if (only.empty() || only == "Mittel")
            printRow("Stark against Mittel", match(stark, mittel, games, 5'000'000u + from));
        if (only.empty() || only == "careful")
            printRow("Stark against careful", match(stark, careful, games, 6'000'000u + from));
        if (only.empty() || only == "greedy")
            printRow("Stark against greedy", match(stark, greedy, games, 7'000'000u + from));
        printTimes("Stark", levelMicros[ComputerLevel::Stark]);
    } else if (what == "leicht") {
        printRow("Leicht against random", match(leicht, random, games, 8'000'000u));
        printRow("Leicht against greedy", match(leicht, greedy, games, 9'000'000u));
    } else if (what == "depth") {
        const EvaluationWeights raceOnly{1.0, 0.0, 0.0, 0.0};
        printRow("depth 1, race only vs greedy", match({"", searching({1, 1, raceOnly})}, greedy, games, 3'000'000u));
        printRow("depth 1, full vs greedy", match({"", searching({1, 1, {}})}, greedy, games, 3'000'000u));
        printRow("depth 2 (4 kept), full vs greedy", match({"", searching({2, 4, {}})}, greedy, games, 3'000'000u));
        printRow("depth 2 (8 kept), full vs greedy", match({"", searching({2, 8, {}})}, greedy, games, 3'000'000u));
        printRow("depth 2 (all), full vs greedy", match({"", searching({2, 1000, {}})}, greedy, games, 3'000'000u));
    } else if (what == "pairs") {
        const Contestant all[] = {stark, computer, careful, leicht, random, greedy};
        for (const Contestant& a : all) {
            for (const Contestant& b : all)
                printRow(a.name + " against " + b.name, match(a, b, games, 4'000'000u));
        }
    } else {
        std::fprintf(stderr, "unknown \"%s\": main, levels, stark, leicht, depth or pairs\n", what.c_str());
        return 2;
    }
    return 0;
}
