// The computer at the real main window, sound off and without pauses: a whole demo game to
// its winner and on into the next until a person's key ends it, a person taking back a
// side mid-turn, and the options kept across starts.

#include "engine_invariants.h"
#include "window/game_app.h"
#include "window/media/picture_box.h"

#include <QMenu>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace bramlow {
namespace {

// Forgets every saved choice but the sound's.
bool resetSettings(const QVariant& sound)
{
    QSettings settings(QStringLiteral("bramlow"), QStringLiteral("bramlow"));
    settings.clear();
    settings.setValue("Optionen/Ton", sound);
    return true;
}

QList<QAction*> entries(const GameApp& app) { return app.mainWindow()->findChild<QMenu*>("menuOptionen")->actions(); }

// A left click at the middle of `target`, as the window system delivers it.
void clickThroughWindow(QWidget* target)
{
    QWidget* top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, target->mapTo(top, target->rect().center()));
}

// Runs the event loop until `done` holds, at most `rounds` times round.
bool runUntil(const std::function<bool()>& done, int rounds = 200000)
{
    for (int round = 0; round < rounds && !done(); ++round)
        QCoreApplication::processEvents();
    return done();
}

class Computer : public ::testing::Test {
protected:
    Computer()
    {
        app_.computer().setPauses({std::chrono::milliseconds(0), {}, {}});
        // After each of the computer's clicks: every rule of the position and the texts holds.
        QObject::connect(&app_.computer(), &ComputerTurns::stepped, [this] {
            players_.push_back(text(TextBox::ausgabe1));
            const std::string broken = test::invariantViolation(
                window().engine(), {text(TextBox::ausgabe1), text(TextBox::ausgabe2), text(TextBox::speicher), text(TextBox::speicher2)});
            EXPECT_EQ(broken, "") << "after step " << players_.size();
        });
    }
    BramlowWindow& window() const { return *app_.mainWindow(); }
    std::string text(TextBox box) const { return window().text(box); }
    bool showsPrompt(const std::string& prompt) const { return text(TextBox::ausgabe2) == prompt; }

    const bool silent_ = resetSettings(false);
    DefaultRandomSource random_;
    GameApp app_{QStringLiteral(BRAMLOW_PROGRAM_DIR), random_};
    std::vector<std::string> players_; // ausgabe1 after each step of the computer
};

TEST_F(Computer, DemoPlaysAWholeGameToItsWinnerStartsTheNextItselfAndEndsOnAPersonsKey)
{
    app_.options().setComputerForThisRun({true, true});
    app_.start();
    const auto won = [this] { return !players_.empty() && players_.back().starts_with("Glückwunsch!\r\nGewonnen hat"); };
    ASSERT_TRUE(runUntil(won)) << players_.size() << " steps";
    ASSERT_TRUE(runUntil([this] { return showsPrompt("Wohin bewegen?"); })) << "no next game";
    // Ctrl+N of a person ends the demo and starts no game: the lifted piece waits for the person.
    const std::string lifted = text(TextBox::speicher);
    QTest::keyClick(window().windowHandle(), Qt::Key_N, Qt::ControlModifier);
    runUntil([] { return false; }, 200);
    EXPECT_FALSE(app_.options().anyComputer());
    EXPECT_TRUE(showsPrompt("Wohin bewegen?"));
    EXPECT_EQ(text(TextBox::speicher), lifted);
}

TEST_F(Computer, HandsASideSwitchedOffMidTurnToThePersonAndTakesItBackSwitchedOnAgain)
{
    app_.options().setComputerForThisRun({true, true});
    app_.start();
    ASSERT_TRUE(runUntil([this] { return showsPrompt("Welche Figur bewegen?"); }));
    const bool silber = text(TextBox::ausgabe1) == "Es spielt Spieler Silber";
    const std::size_t rolled = players_.size();
    entries(app_).at(silber ? 0 : 1)->trigger();
    runUntil([] { return false; }, 200);
    EXPECT_EQ(players_.size(), rolled) << "the computer went on after being switched off";
    clickThroughWindow(window().cell(silber ? CellArray::s : CellArray::g, 11));
    ASSERT_TRUE(showsPrompt("Wohin bewegen?")) << "the person picked up the piece on x11";
    // Switched on again, the computer finishes the person's turn: moves that piece or ends the turn.
    entries(app_).at(silber ? 0 : 1)->trigger();
    const std::string other = silber ? "Es spielt Spieler Gold" : "Es spielt Spieler Silber";
    EXPECT_TRUE(runUntil([&] { return text(TextBox::ausgabe1) == other; }));
}

TEST_F(Computer, OptionsStartOffWithSoundAndKeepAPersonsChoiceButNotTheCommandLines)
{
    const auto flags = [](const GameOptions& options) {
        return std::tuple(options.computerPlays(Player::silber), options.computerPlays(Player::gold), options.soundOn());
    };
    app_.start();
    EXPECT_FALSE(entries(app_).at(3)->isChecked()) << "Ton is off as saved";
    entries(app_).at(1)->trigger(); // Computer spielt Gold
    entries(app_).at(3)->trigger();
    app_.options().setComputerForThisRun({true, false});
    EXPECT_EQ(flags(GameOptions()), std::tuple(false, true, true));
    // Without saved choices, and with one that is no truth value, every entry has its default.
    resetSettings("vielleicht");
    EXPECT_EQ(flags(GameOptions()), std::tuple(false, false, true));
}

} // namespace
} // namespace bramlow
