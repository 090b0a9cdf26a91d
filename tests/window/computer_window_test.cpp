// The computer at the real main window, sound off and without pauses: a whole demo game to
// its winner and on into the next, a person taking back a side mid-turn, the demo ended
// by a person's click or key, the options kept across starts, and a bad --computer value.

#include "engine_invariants.h"
#include "window/game_app.h"
#include "window/media/picture_box.h"

#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace bramlow {
namespace {

using std::chrono::milliseconds;

// Forgets every saved choice, and saves the given sound setting.
bool resetSettings(bool sound)
{
    QSettings settings(QStringLiteral("bramlow"), QStringLiteral("bramlow"));
    settings.clear();
    if (!sound)
        settings.setValue("Optionen/Ton", false);
    return true;
}

QList<QAction*> entries(const GameApp& app) { return app.mainWindow()->findChild<QMenu*>("menuOptionen")->actions(); }

// A left click at the middle of `target`, as the window system delivers it.
void clickThroughWindow(QWidget* target)
{
    QWidget* top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, target->mapTo(top, target->rect().center()));
}

class Computer : public ::testing::Test {
protected:
    Computer()
    {
        app_.computer().setPauses({milliseconds(0), milliseconds(0), milliseconds(0)});
        QObject::connect(&app_.computer(), &ComputerTurns::stepped, [this] {
            steps_.push_back(state());
            if (const std::string broken = test::invariantViolation(window().engine(), texts()); !broken.empty())
                ADD_FAILURE() << "after step " << steps_.size() << ": " << broken;
        });
    }
    BramlowWindow& window() const { return *app_.mainWindow(); }
    std::string text(TextBox box) const { return window().text(box); }
    test::StateTexts texts() const
    {
        return {text(TextBox::ausgabe1), text(TextBox::ausgabe2), text(TextBox::speicher), text(TextBox::speicher2)};
    }
    // The texts and every cell's code.
    std::string state() const
    {
        std::string codes = text(TextBox::ausgabe1) + '|' + text(TextBox::ausgabe2) + '|' + text(TextBox::speicher);
        for (const char letter : {'b', 's', 'g'})
            for (int index = 11; index <= 88; ++index)
                if (cellWithIndex(letter, static_cast<std::int16_t>(index)))
                    codes += ' ' + std::to_string(window().engine().lese(*cellWithIndex(letter, static_cast<std::int16_t>(index))));
        return codes;
    }
    // Runs the event loop until `done` holds, at most `rounds` times round.
    static bool runUntil(const std::function<bool()>& done, int rounds = 200000)
    {
        for (int round = 0; round < rounds && !done(); ++round)
            QCoreApplication::processEvents();
        return done();
    }
    static void runIdle() { runUntil([] { return false; }, 200); }
    QAction* entry(int row) const { return entries(app_).at(row); }
    void click(const char* name) const { clickThroughWindow(window().findChild<QWidget*>(name)); }

    const bool silent_ = resetSettings(false);
    DefaultRandomSource random_;
    GameApp app_{QStringLiteral(BRAMLOW_PROGRAM_DIR), random_};
    std::vector<std::string> steps_;
};

TEST_F(Computer, DemoPlaysAWholeGameToItsWinnerKeepingEveryRuleAndStartsTheNextItself)
{
    app_.options().setComputerForThisRun({true, true});
    app_.start();
    const auto won = [this] { return !steps_.empty() && steps_.back().starts_with("Glückwunsch!\r\nGewonnen hat"); };
    const bool w = runUntil(won, 3000);
    for (std::size_t i = 0; i < steps_.size(); i += 97) std::cerr << steps_[i].substr(0, 60) << "\n";
    ASSERT_TRUE(w) << steps_.size() << " steps";
    EXPECT_TRUE(steps_.front().starts_with("Es spielt Spieler ")) << "the demo starts its game";
    ASSERT_TRUE(runUntil([this] { return text(TextBox::ausgabe2) == "Welche Figur bewegen?"; }));
    EXPECT_TRUE(text(TextBox::ausgabe1).starts_with("Es spielt Spieler ")) << "no next game";
}

TEST_F(Computer, PausesWhileAboutIsOpenAndHandsASideSwitchedOffMidTurnToThePerson)
{
    app_.options().setComputerForThisRun({false, true});
    app_.start();
    window().neu_but_Click();
    app_.showAbout();
    runIdle();
    EXPECT_TRUE(steps_.empty()) << "a step while the about screen is open";
    app_.aboutScreen()->close();
    // The person plays Silber: roll, and end the turn with the logo.
    if (text(TextBox::ausgabe1) == "Es spielt Spieler Silber") {
        click("wuerfel");
        click("Image1");
    }
    ASSERT_TRUE(runUntil([this] { return text(TextBox::ausgabe2) == "Welche Figur bewegen?"; }));
    entry(1)->trigger();
    const std::string rolled = state();
    runIdle();
    EXPECT_EQ(state(), rolled) << "the computer went on after being switched off";
    clickThroughWindow(window().cell(CellArray::g, 11));
    ASSERT_EQ(text(TextBox::ausgabe2), "Wohin bewegen?") << "the person picked up g11";
    // Switched on again, the computer finishes the person's turn: moves g11 or ends the turn.
    entry(1)->trigger();
    ASSERT_TRUE(runUntil([this] { return text(TextBox::ausgabe1) == "Es spielt Spieler Silber"; }));
    EXPECT_EQ(text(TextBox::ausgabe2), "Bitte wuerfeln!");
}

TEST_F(Computer, APersonsClickOrKeyEndsTheDemoAndChangesNothingElse)
{
    const std::pair<const char*, std::function<void()>> inputs[] = {
        {"a click on the die", [this] { click("wuerfel"); }},
        {"Ctrl+N", [this] { QTest::keyClick(window().windowHandle(), Qt::Key_N, Qt::ControlModifier); }},
    };
    app_.start();
    for (const auto& [what, input] : inputs) {
        SCOPED_TRACE(what);
        app_.options().setComputerForThisRun({true, true});
        const std::size_t before = steps_.size();
        ASSERT_TRUE(runUntil([&] { return steps_.size() > before + 5; }));
        const std::string playing = state();
        input();
        runIdle();
        EXPECT_FALSE(app_.options().anyComputer());
        EXPECT_EQ(state(), playing);
    }
}

TEST_F(Computer, OptionsStartOffWithSoundAndKeepAPersonsChoiceButNotTheCommandLines)
{
    const auto ticks = [](const GameApp& app) {
        std::string result; // Silber, Gold, the separator, Ton
        for (QAction* entry : entries(app))
            result += entry->isChecked() ? '1' : '0';
        return result;
    };
    resetSettings(true);
    auto first = std::make_unique<GameApp>(QStringLiteral(BRAMLOW_PROGRAM_DIR), random_);
    first->start();
    EXPECT_EQ(ticks(*first), "0001");
    entries(*first).at(1)->trigger();
    entries(*first).at(3)->trigger();
    first->options().setComputerForThisRun({true, false});
    first.reset();
    GameApp second(QStringLiteral(BRAMLOW_PROGRAM_DIR), random_);
    second.start();
    EXPECT_EQ(ticks(second), "0100");
    // A value that is no truth value leaves the entry at its default.
    QSettings(QStringLiteral("bramlow"), QStringLiteral("bramlow")).setValue("Optionen/ComputerSpieltGold", "ja");
    GameApp third(QStringLiteral(BRAMLOW_PROGRAM_DIR), random_);
    third.start();
    EXPECT_EQ(ticks(third), "0000");
}

TEST(ComputerCommandLine, ABadValueIsNamedInGermanAndEndsWithStatusTwo)
{
    for (const char* value : {"rot", "Silber", ""}) {
        QProcess program;
        const QString argument = QStringLiteral("--computer") + (*value ? QStringLiteral("=") + value : QString());
        program.start(QStringLiteral(BRAMLOW_PROGRAM_DIR "/bramlow"), {argument});
        ASSERT_TRUE(program.waitForFinished(60000)) << value;
        EXPECT_EQ(program.exitCode(), 2) << value;
        EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(QStringLiteral("ungültiger Wert „%1“ für --computer").arg(value)));
    }
}

} // namespace
} // namespace bramlow
