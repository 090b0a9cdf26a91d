// The game record on the engine alone: whole games written, read and replayed; damaged and
// hostile records, each found at its line; taking back a capture.

#include "scripted_play.h"

#include "record/check_value.h"
#include "record/engine_game.h"
#include "record/replay.h"
#include "record/take_back.h"
#include "quiet_table.h"

#include <gtest/gtest.h>

namespace bramlow {
namespace {

struct Screen {
    GameSnapshot snapshot;
    std::string message;
    int die;
    bool image1;
    bool operator==(const Screen&) const = default;
};

Screen screenOf(const PlayedGame& game)
{
    return {snapshotOf(game), game.message(), game.dieFace(), game.image1Enabled()};
}

// A whole game to its winner, with refusals, logo clicks and captures on the way.
std::string wholeGame(unsigned seed, Screen* end = nullptr)
{
    bench::SeededDie die(seed);
    EngineGame game(die);
    test::play(game, seed, 20000, [&] { return isWon(game); });
    if (end)
        *end = screenOf(game);
    return recordText(game.recorder().record());
}

// The parse, then the replay: the first thing wrong.
RecordError firstError(const std::string& text)
{
    const ParsedRecord parsed = parseRecord(text);
    if (!parsed.record)
        return parsed.error;
    EngineGame game;
    return replayRecord(*parsed.record, game).error;
}

TEST(Record, WholeGamesReadBackAndReplayToTheSameGameWithoutTheGenerator)
{
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        Screen expected{};
        const std::string text = wholeGame(seed, &expected);
        const ParsedRecord parsed = parseRecord(text);
        ASSERT_TRUE(parsed.record) << parsed.error.message;
        EXPECT_EQ(recordText(*parsed.record), text);
        // A generator that would give other draws: every draw comes from the record.
        bench::SeededDie other(seed + 1000);
        EngineGame replayed(other);
        const ReplayResult result = replayRecord(*parsed.record, replayed);
        ASSERT_TRUE(result.ok) << result.error.message;
        EXPECT_EQ(screenOf(replayed), expected);
        EXPECT_EQ(recordText(replayed.recorder().record()), text);
    }
}

// Replaces the first occurrence of `from` after line `line` by `to`.
std::string edited(std::string text, std::size_t line, const std::string& from, const std::string& to)
{
    std::size_t at = 0;
    for (std::size_t n = 1; n < line; ++n)
        at = text.find('\n', at) + 1;
    at = text.find(from, at);
    return text.replace(at, from.size(), to);
}

std::size_t lineOf(const std::string& text, const std::string& part)
{
    const std::size_t at = text.find(part);
    return static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n')) + 1;
}

TEST(Record, EveryDamagedOrHostileRecordIsFoundAtItsLine)
{
    const std::string game = wholeGame(3);
    const std::size_t roll = lineOf(game, "\nwurf ") + 1;
    const std::size_t moved = lineOf(game, " ja\nprüfwert");
    const std::size_t check = lineOf(game, "\nprüfwert") + 1;
    const std::size_t checkValueAt = game.find("\nprüfwert ") + 1 + std::string("prüfwert ").size();
    const std::string rollLine = game.substr(game.find("\nwurf ") + 1, game.find('\n', game.find("\nwurf ") + 1) - game.find("\nwurf ") - 1);
    const char face = rollLine.back();
    const std::string otherFace(1, face == '1' ? '2' : '1');
    const std::string starter = game.find("\nneu 0.") != std::string::npos && game.find(" Gold\n") < game.find("\nwurf") ? "Gold" : "Silber";
    struct Case {
        const char* name;
        std::string text;
        std::size_t line;
    };
    const Case cases[] = {
        {"empty file", "", 1},
        {"not a record", "GIF89a\n", 1},
        {"future version", "Bramlow-Partie 2\n" + game.substr(game.find('\n') + 1), 1},
        {"start line damaged", edited(game, 2, "würfel", "wurf"), 2},
        {"no move at all", game.substr(0, game.find("\nneu") + 1), 3},
        {"first action not a new game", edited(game, 3, "neu", "logo\nneu"), 3},
        {"a second new game", edited(game, roll, "wurf", "neu 0.5 Gold\nwurf"), roll},
        {"starting player not the draw's", edited(game, 3, starter, starter == "Gold" ? "Silber" : "Gold"), 3},
        {"face not the draw's", edited(game, roll, rollLine, rollLine.substr(0, rollLine.size() - 1) + otherFace), roll},
        {"draw of one or more", edited(game, roll, " 0.", " 1."), roll},
        {"a refused move recorded as made", edited(game, moved, " ja\n", " nein\n"), moved},
        {"check value edited", edited(game, check, "prüfwert ", "prüfwert 0"), check},
        {"check value not matching", game.substr(0, checkValueAt) + "00000000" + game.substr(checkValueAt + 8), check},
        {"unknown word", edited(game, roll, "wurf", "würfel"), roll},
        {"NUL byte", edited(game, roll, "wurf", std::string("wu\0rf", 5)), roll},
        {"invalid UTF-8", edited(game, roll, "wurf", "wu\xff" "rf"), roll},
        {"a message the game never shows", edited(game, 2, "meldung \"\"", "meldung \"Gewonnen hat Gold\""), 2},
        {"line of a megabyte", edited(game, roll, "wurf", std::string(1 << 20, 'x')), roll},
        {"cut off in a line", game.substr(0, game.find('\n', game.find("\nwurf") + 1) - 3), roll},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RecordError error = firstError(c.text);
        EXPECT_EQ(error.line, c.line) << error.message;
        EXPECT_TRUE(error.message.starts_with("Zeile " + std::to_string(c.line) + ": ")) << error.message;
    }
    // An overlong form of "/" and a lone surrogate are no UTF-8, and the message says so.
    for (const char* bad : {"\xc0\xaf", "\xed\xa0\x80"})
        EXPECT_NE(firstError(edited(game, 2, "meldung \"\"", std::string("meldung \"") + bad + '"')).message.find("UTF-8"), std::string::npos) << bad;
    // Beyond the limits: refused as a whole, before a line is looked at.
    std::string millions;
    for (int i = 0; i < 10'000'000; ++i)
        millions += "logo\n";
    EXPECT_NE(firstError(game + millions).message.find("zu groß"), std::string::npos);
    RecordLimits few;
    few.maxLines = 50;
    EXPECT_EQ(parseRecord(game, few).error.line, 51u);
}

TEST(Record, TheJournalDropsOnlyALineCutOffWhileItWasWritten)
{
    const std::string game = wholeGame(4);
    const std::size_t end = game.rfind('\n', game.size() - 2) + 1;
    RecordLimits journal;
    journal.dropUnfinishedLastLine = true;
    const ParsedRecord cut = parseRecord(game.substr(0, end + 3), journal);
    ASSERT_TRUE(cut.record) << cut.error.message;
    EXPECT_EQ(cut.record->entries.size() + 1, parseRecord(game).record->entries.size());
}

TEST(Record, TakingBackACaptureReplaysTheTurnFromItsRollAndKeepsTheDraws)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        bench::SeededDie die(seed);
        EngineGame game(die);
        // Silber's turn from its roll until Gold has answered a capture by Silber.
        Screen afterRoll{}, afterCapture{};
        bool captured = false;
        test::play(game, seed, 20000, [&] {
            const bool silberRolled = game.text(TextBox::ausgabe1) == playerLine::silber &&
                                      game.text(TextBox::ausgabe2) == prompt::select && game.message() != message::captureGold;
            if (silberRolled && !game.recorder().empty() && std::get_if<RecordAction>(&game.recorder().record().entries.back()) &&
                std::get<RecordAction>(game.recorder().record().entries.back()).kind == ActionKind::roll)
                afterRoll = screenOf(game);
            if (game.message() == message::captureGold && game.text(TextBox::ausgabe1) == playerLine::gold && !captured) {
                captured = true;
                afterCapture = screenOf(game);
            }
            return isWon(game) || (captured && game.text(TextBox::ausgabe1) == playerLine::silber);
        });
        if (!captured || isWon(game))
            continue;
        const Record record = game.recorder().record();
        const auto back = takeBackLastTurn(record, Player::silber);
        ASSERT_TRUE(back);
        bench::SeededDie other(seed + 99);
        EngineGame undone(other);
        ASSERT_TRUE(replayRecord(record, undone, back->keep).ok);
        EXPECT_EQ(screenOf(undone).snapshot, afterRoll.snapshot);
        EXPECT_NE(screenOf(undone).snapshot, afterCapture.snapshot);
        // Gold's roll comes again, not a new one.
        std::vector<float> rolls;
        for (std::size_t i = back->keep; i < record.entries.size(); ++i)
            if (const auto* action = std::get_if<RecordAction>(&record.entries[i]); action && action->kind == ActionKind::roll)
                rolls.push_back(action->draw);
        EXPECT_EQ(back->draws, rolls);
        EXPECT_FALSE(takeBackLastTurn(record, Player::silber) == std::nullopt);
        return;
    }
    FAIL() << "no seed gave Silber a capture";
}

} // namespace
} // namespace bramlow
