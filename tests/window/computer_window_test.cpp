// The computer at the real main window, sound off and without pauses: a whole demo game to
// its winner and on into the next until a person's key ends it, a person taking back a
// side mid-turn, the options kept across starts, the hint that changes nothing, and the
// statistics of won and lost games.

#include "engine_invariants.h"
#include "engine/computer_player.h"
#include "window/game_app.h"
#include "window/media/picture_box.h"

#include <QLabel>
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

// The entry of any menu of the main window by its object name.
QAction* entryNamed(const GameApp& app, const QString& name)
{
    for (const QMenu* menu : app.mainWindow()->findChildren<QMenu*>()) {
        for (QAction* entry : menu->actions())
            if (entry->objectName() == name)
                return entry;
    }
    return nullptr;
}

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

TEST_F(Computer, LevelAndNewDiceKeepAPersonsChoiceButNotTheCommandLinesAndStartAsMittelAndOff)
{
    app_.start();
    EXPECT_EQ(app_.options().level(), ComputerLevel::Mittel);
    EXPECT_FALSE(app_.options().freshDiceOn());
    entryNamed(app_, "menuStaerkestark")->trigger();
    entryNamed(app_, "menuNeueWuerfelfolge")->trigger();
    app_.options().levels().setLevelForThisRun(ComputerLevel::Leicht);
    EXPECT_EQ(app_.options().level(), ComputerLevel::Leicht);
    EXPECT_EQ(GameOptions().level(), ComputerLevel::Stark);
    EXPECT_TRUE(GameOptions().freshDiceOn());
    QSettings(QStringLiteral("bramlow"), QStringLiteral("bramlow")).setValue("Optionen/Spielstaerke", "schwer");
    EXPECT_EQ(GameOptions().level(), ComputerLevel::Mittel);
}

// In the person's select phase T frames the two cells of Stark's move and leaves the game
// as it was; on the computer's side it does nothing.
TEST_F(Computer, TippFramesStarksMoveAndChangesNothing)
{
    app_.start();
    window().neu_but_Click();
    window().wuerfel_Click();
    const auto before = std::tuple(window().engine().position(), text(TextBox::ausgabe1), text(TextBox::ausgabe2));
    const auto move = chooseComputerMove(window().engine(), ComputerLevel::Stark);
    ASSERT_TRUE(move);
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(window().windowHandle(), Qt::Key_T);
    MoveHint& hint = app_.gameMenu().hint();
    const CellClick cells[] = {move->piece, move->destination};
    for (int i = 0; i < 2; ++i) {
        const QWidget* cell = window().cell(cells[i].letter == 'b' ? CellArray::b : cells[i].letter == 's' ? CellArray::s : CellArray::g, cells[i].index);
        ASSERT_TRUE(hint.frame(i) && hint.frame(i)->isVisible()) << i;
        EXPECT_EQ(hint.frame(i)->geometry(), QRect(cell->mapTo(window().form(), QPoint()), cell->size())) << i;
    }
    EXPECT_EQ(std::tuple(window().engine().position(), text(TextBox::ausgabe1), text(TextBox::ausgabe2)), before);
    app_.options().setComputerForThisRun({true, true});
    EXPECT_EQ(hint.show(window()), "");
}

TEST_F(Computer, StatistikCountsEachGameAgainstTheComputerOnceAtTheLevelOfItsEnd)
{
    app_.start();
    const auto win = [this](const char* winner) {
        window().setText(TextBox::ausgabe1, std::string("Glückwunsch!\r\nGewonnen hat Spieler ") + winner);
    };
    app_.options().setComputerForThisRun({true, false});
    app_.options().levels().setLevelForThisRun(ComputerLevel::Stark);
    win("Gold");
    win("Gold"); // announced again after a click on the logo: the same game
    window().setText(TextBox::ausgabe1, "Es spielt Spieler Silber");
    win("Silber");
    app_.options().setComputerForThisRun({true, true});
    window().setText(TextBox::ausgabe1, "Es spielt Spieler Silber");
    win("Silber"); // the demo counts for nobody
    GameStatistics& statistics = app_.gameMenu().statistics();
    const LevelRecord stark = statistics.record(ComputerLevel::Stark), mittel = statistics.record(ComputerLevel::Mittel);
    EXPECT_EQ(std::tuple(stark.wins, stark.losses, mittel.wins, mittel.losses), std::tuple(1, 1, 0, 0));
    entryNamed(app_, "menuStatistik")->trigger();
    ASSERT_TRUE(statistics.window());
    EXPECT_EQ(statistics.window()->windowTitle(), "Statistik");
    EXPECT_EQ(statistics.window()->findChild<QLabel*>("anzahl21")->text(), "1");
}

} // namespace
} // namespace bramlow
