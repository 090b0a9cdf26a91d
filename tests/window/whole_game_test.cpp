// Whole games through the real main window: real mouse clicks on the real widgets, the
// engine behind them, the control library loaded for real, a scripted random source.

#include "window/bramlow_window.h"
#include "window/media/picture_box.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

namespace bramlow {
namespace {

using test::clickThroughWindow;
using test::drawForFace;

class WholeGame : public ::testing::Test {
protected:
    void open()
    {
        window_ = std::make_unique<BramlowWindow>(dir_.path(), random_);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    QWidget* named(const char* name) const { return window_->findChild<QWidget*>(QString::fromLatin1(name)); }
    std::string ausgabe1() const { return window_->text(TextBox::ausgabe1); }
    std::string ausgabe2() const { return window_->text(TextBox::ausgabe2); }
    void click(CellArray array, int index) { clickThroughWindow(window_->cell(array, index)); }
    void roll() { clickThroughWindow(named("wuerfel")); }
    void endTurn() { clickThroughWindow(named("Image1")); }

    // The picture shown in a cell is the file of its cell code.
    bool shows(CellArray array, int index, const char* file) const
    {
        const QImage expected = QImage(dir_.path() + '/' + file).convertToFormat(QImage::Format_RGB32);
        const QImage shown = window_->cell(array, index)->picture().toImage().convertToFormat(QImage::Format_RGB32);
        return !expected.isNull() && shown == expected;
    }

    test::QuickProgramDir dir_;
    test::ScriptedRandom random_;
    std::unique_ptr<BramlowWindow> window_;
};

TEST_F(WholeGame, SilberCarriesAllEightPiecesAcrossWhileGoldPassesAndWins)
{
    // Silber starts; each Silber piece goes s1k -> bk6 with a 6, then bk6 -> s2k with a 3.
    // Gold rolls a 1 every time and ends the turn with the logo.
    random_.append(test::silberStarts);
    for (int piece = 1; piece <= 8; ++piece) {
        for (int face : {6, 1, 3})
            random_.append(drawForFace(face));
        if (piece < 8)
            random_.append(drawForFace(1));
    }
    open();
    ASSERT_EQ(ausgabe1(), "Willkommen bei Bramlow");
    ASSERT_EQ(ausgabe2(), "Bitte neues Spiel wählen!");

    // The first focus is on "neues Spiel", so Enter starts the game.
    ASSERT_EQ(QApplication::focusWidget(), named("Neu_but"));
    QTest::keyClick(window_->windowHandle(), Qt::Key_Return);
    ASSERT_EQ(ausgabe1(), "Es spielt Spieler Silber");
    ASSERT_EQ(ausgabe2(), "Bitte wuerfeln!");
    // Image1 is disabled in the roll phase of a first game, and a hidden die takes no
    // click: neither changes the player or the phase.
    ASSERT_FALSE(named("Image1")->isEnabled());
    endTurn();
    window_->setDieVisible(false);
    roll();
    window_->setDieVisible(true);
    EXPECT_EQ(ausgabe1(), "Es spielt Spieler Silber");
    EXPECT_EQ(ausgabe2(), "Bitte wuerfeln!");
    EXPECT_TRUE(shows(CellArray::s, 11, "08.bmp"));
    EXPECT_TRUE(shows(CellArray::g, 28, "02.bmp"));
    EXPECT_TRUE(shows(CellArray::b, 11, "05.bmp"));
    EXPECT_TRUE(shows(CellArray::b, 12, "01.bmp"));

    for (int piece = 1; piece <= 8; ++piece) {
        SCOPED_TRACE(::testing::Message() << "Silber piece " << piece);
        const int start = 10 + piece;
        const int middle = 10 * piece + 6;
        const int target = 20 + piece;

        roll();
        ASSERT_EQ(ausgabe2(), "Welche Figur bewegen?");
        click(CellArray::s, start);
        ASSERT_EQ(ausgabe2(), "Wohin bewegen?");
        EXPECT_TRUE(shows(CellArray::s, start, "07.bmp"));
        click(CellArray::b, middle);
        ASSERT_EQ(window_->findChild<QLabel*>(QStringLiteral("ausgabe11"))->text(), QStringLiteral("Ich gehe!"));
        ASSERT_EQ(ausgabe1(), "Es spielt Spieler Gold");
        EXPECT_TRUE(shows(CellArray::s, start, "04.bmp"));
        EXPECT_TRUE(shows(CellArray::b, middle, piece % 2 ? "06.bmp" : "09.bmp"));

        roll();
        ASSERT_EQ(ausgabe2(), "Welche Figur bewegen?");
        endTurn();
        ASSERT_EQ(ausgabe1(), "Es spielt Spieler Silber");
        ASSERT_EQ(ausgabe2(), "Bitte wuerfeln!");

        roll();
        click(CellArray::b, middle);
        click(CellArray::s, target);
        EXPECT_TRUE(shows(CellArray::s, target, "08.bmp"));
        if (piece < 8) {
            ASSERT_EQ(ausgabe1(), "Es spielt Spieler Gold");
            roll();
            endTurn();
        }
    }

    EXPECT_EQ(ausgabe1(), "Glückwunsch!\r\nGewonnen hat Spieler Silber");
    EXPECT_EQ(ausgabe2(), "");
    EXPECT_FALSE(random_.overrun());

    // After the win the die and the cells do nothing.
    roll();
    click(CellArray::s, 18);
    EXPECT_EQ(ausgabe2(), "");
    EXPECT_FALSE(random_.overrun());
    for (int index = 21; index <= 28; ++index)
        EXPECT_TRUE(shows(CellArray::s, index, "08.bmp")) << "s" << index;
}

TEST_F(WholeGame, NewGameMidTurnResetsEveryCellAndKeepsImage1Enabled)
{
    // Silber with a piece picked up; then a new game is asked for in one of three ways.
    const struct {
        const char* route;
        void (*ask)(BramlowWindow&);
    } routes[] = {
        {"button", [](BramlowWindow& w) { clickThroughWindow(w.findChild<QWidget*>(QStringLiteral("Neu_but"))); }},
        {"menu entry", [](BramlowWindow& w) { w.findChild<QAction*>(QStringLiteral("menuNeu"))->trigger(); }},
        {"Ctrl+N", [](BramlowWindow& w) { QTest::keyClick(w.windowHandle(), Qt::Key_N, Qt::ControlModifier); }},
    };
    for (const auto& route : routes) {
        SCOPED_TRACE(route.route);
        random_ = test::ScriptedRandom({test::silberStarts, drawForFace(4), test::goldStarts});
        open();
        clickThroughWindow(named("Neu_but"));
        roll();
        click(CellArray::s, 13);
        ASSERT_EQ(ausgabe2(), "Wohin bewegen?");
        ASSERT_TRUE(shows(CellArray::s, 13, "07.bmp"));

        route.ask(*window_);

        EXPECT_EQ(ausgabe1(), "Es spielt Spieler Gold");
        EXPECT_EQ(ausgabe2(), "Bitte wuerfeln!");
        EXPECT_TRUE(shows(CellArray::s, 13, "08.bmp"));
        EXPECT_TRUE(named("Image1")->isEnabled());
        EXPECT_TRUE(named("wuerfel")->isVisible());
        EXPECT_FALSE(random_.overrun());
    }
}

} // namespace
} // namespace bramlow
