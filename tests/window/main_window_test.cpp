// The main window as a player sees and uses it: the board view's cells on their squares,
// the controls beside the board, keys and menus, the real auto-size control keeping the
// form in proportion, and whole games played with real mouse clicks.

#include "window/bramlow_window.h"
#include "window/media/picture_box.h"
#include "window/media/twips.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace bramlow {
namespace {

using test::clickThroughWindow;
using test::drawForFace;

// The board view as it appears on screen, top row first: Gold starts from the bottom row
// and reaches the top one, Silber starts from the left column and reaches the right one.
const char* const kBoard[] = {
    "    g21 g22 g23 g24 g25 g26 g27 g28    ",
    "s18 b81 b82 b83 b84 b85 b86 b87 b88 s28",
    "s17 b71 b72 b73 b74 b75 b76 b77 b78 s27",
    "s16 b61 b62 b63 b64 b65 b66 b67 b68 s26",
    "s15 b51 b52 b53 b54 b55 b56 b57 b58 s25",
    "s14 b41 b42 b43 b44 b45 b46 b47 b48 s24",
    "s13 b31 b32 b33 b34 b35 b36 b37 b38 s23",
    "s12 b21 b22 b23 b24 b25 b26 b27 b28 s22",
    "s11 b11 b12 b13 b14 b15 b16 b17 b18 s21",
    "    g11 g12 g13 g14 g15 g16 g17 g18    ",
};

struct Look {
    QRect geometry;
    double points;
    bool operator==(const Look&) const = default;
};

class MainWindow : public ::testing::Test {
protected:
    void open()
    {
        window_ = std::make_unique<BramlowWindow>(dir_.path(), random_);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    template <typename W = QWidget>
    W* named(const char* name) const
    {
        return window_->findChild<W*>(QString::fromLatin1(name));
    }
    // Every control on the form or in its frame, cells named like "b34".
    std::map<std::string, Look> layout() const
    {
        std::map<std::string, Look> result;
        for (QWidget* w : window_->form()->findChildren<QWidget*>()) {
            if (w->parentWidget() != window_->form() && w->parentWidget() != named("Frame2"))
                continue;
            std::string key = w->objectName().toStdString();
            if (auto* cell = qobject_cast<PictureBox*>(w); cell && cell->index() >= 0)
                key += std::to_string(cell->index());
            EXPECT_EQ(result.count(key), 0u) << "two controls are " << key;
            result[key] = Look{w->geometry(), w->font().pointSizeF()};
        }
        return result;
    }
    void resizeFormTo(QSize form)
    {
        window_->resize(form + window_->size() - window_->form()->size());
        QApplication::processEvents();
    }
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

TEST_F(MainWindow, EveryCellLiesOnItsSquareOfTheTenByTenGrid)
{
    open();
    const auto cells = layout();
    int squares = 0;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const std::string name = std::string(kBoard[9 - row]).substr(4 * column, 3);
            if (name == "   ")
                continue;
            ++squares;
            // Screen row 0 is the bottom one; neighbouring cells overlap by 30 twips, and
            // s18 was drawn 5 twips larger than the others.
            const int extent = name == "s18" ? 875 : 870;
            ASSERT_EQ(cells.count(name), 1u) << name;
            EXPECT_EQ(cells.at(name).geometry, twipsRect(360 + 840 * column, 7800 - 840 * row, extent, extent)) << name;
            EXPECT_TRUE(named("Image2")->geometry().contains(cells.at(name).geometry)) << name << " is off the board";
        }
    }
    EXPECT_EQ(squares, 96);
    EXPECT_EQ(window_->form()->findChildren<PictureBox*>().size(), 96 + 3) << "cells beside the board view";
}

TEST_F(MainWindow, ControlsBesideTheBoardStandInTheirOrderWithoutOverlapping)
{
    open();
    EXPECT_EQ(window_->form()->size(), QSize(825, 583)) << "12375 x 8745 twips";
    EXPECT_EQ(named("Image2")->geometry().topLeft(), QPoint(0, 0));
    // The right-hand column, top to bottom.
    QRect above = named("Image2")->geometry();
    above.setBottom(-1);
    for (const char* name : {"Neu_but", "Image1", "Frame2", "wuerfel"}) {
        const QRect now = named(name)->geometry();
        EXPECT_GT(now.left(), named("Image2")->geometry().right()) << name;
        EXPECT_GT(now.top(), above.bottom()) << name;
        EXPECT_TRUE(window_->form()->rect().contains(now)) << name;
        above = now;
    }
    EXPECT_EQ(named<QPushButton>("Neu_but")->text(), QStringLiteral("neues Spiel"));
    EXPECT_EQ(named<QPushButton>("ende")->text(), QStringLiteral("Ende"));
    EXPECT_EQ(named("ende")->geometry().top(), named("Neu_but")->geometry().top());
    EXPECT_GT(named("ende")->geometry().left(), named("Neu_but")->geometry().right());

    // The message panel: two text boxes, then the message line as the panel's last line,
    // as far above its lower edge as every line is from its left edge.
    auto* panel = named<QGroupBox>("Frame2");
    EXPECT_EQ(panel->title(), QStringLiteral("Meldungen"));
    const int margin = named("ausgabe1")->x();
    int top = 0;
    for (const char* name : {"ausgabe1", "ausgabe2", "ausgabe11"}) {
        EXPECT_EQ(named(name)->parentWidget(), panel) << name;
        EXPECT_EQ(named(name)->x(), margin) << name;
        EXPECT_GT(named(name)->y(), top) << name;
        top = named(name)->y();
    }
    EXPECT_EQ(panel->height() - 1 - named("ausgabe11")->geometry().bottom(), margin);

    for (const char* hidden : {"speicher", "speicher2", "wuerfel"})
        EXPECT_TRUE(named(hidden)->isHidden()) << hidden;
    for (const char* picture : {"Image1", "Image2", "wuerfel"})
        EXPECT_FALSE(named<PictureBox>(picture)->picture().isNull()) << picture;
}

TEST_F(MainWindow, TabRunsFromNeuesSpielThroughTheTextBoxesAndTheMenusCarryTheirShortcuts)
{
    open();
    QStringList order;
    for (int step = 0; step < 5; ++step) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(window_->windowHandle(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QString("Neu_but ende ausgabe1 ausgabe2 Neu_but").split(' '));

    QStringList menus;
    for (QAction* menu : window_->menuBar()->actions()) {
        menus << menu->text() + ':';
        for (QAction* entry : menu->menu()->actions())
            menus << entry->text() + ' ' + entry->shortcut().toString();
    }
    EXPECT_EQ(menus, QStringList({"Datei:", "neues Spiel Ctrl+N", "Ende Ctrl+Q", "Hilfe:", "Hilfe Ctrl+H"}));
}

TEST_F(MainWindow, ResizedEveryControlAndFontFollowsTheFormAndComesBackExactly)
{
    open();
    const auto designed = layout();
    resizeFormTo(BramlowWindow::formSize() * 2);
    ASSERT_EQ(window_->form()->size(), BramlowWindow::formSize() * 2);
    for (const auto& [key, now] : layout()) {
        SCOPED_TRACE(key);
        const QRect was = designed.at(key).geometry;
        if (key == "TrellAutoSize1") {
            // Ignored by default: it moves with the form but keeps its own size.
            EXPECT_EQ(now.geometry, QRect(was.topLeft() * 2, was.size()));
            continue;
        }
        EXPECT_NEAR(now.geometry.left(), 2 * was.left(), 1);
        EXPECT_NEAR(now.geometry.top(), 2 * was.top(), 1);
        EXPECT_NEAR(now.geometry.width(), 2 * was.width(), 1);
        EXPECT_NEAR(now.geometry.height(), 2 * was.height(), 1);
        EXPECT_NEAR(now.points, 2 * designed.at(key).points, 0.01);
    }

    // Qt lays out no form of zero width, so one pixel is as small as it gets.
    resizeFormTo(QSize(1, 1));
    resizeFormTo(BramlowWindow::formSize());
    EXPECT_EQ(layout(), designed);

    // Minimised and restored, the form keeps its size but the control rescales all the same.
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowNoState}) {
        named("Neu_but")->move(0, 0);
        window_->setWindowState(state);
        QApplication::processEvents();
        EXPECT_EQ(named("Neu_but")->geometry(), designed.at("Neu_but").geometry) << state;
    }
}

TEST_F(MainWindow, SilberCarriesAllEightPiecesAcrossWhileGoldPassesAndWins)
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
    QTest::keyClick(window_->windowHandle(), Qt::Key_Return);
    ASSERT_EQ(ausgabe1(), "Es spielt Spieler Silber");
    ASSERT_EQ(ausgabe2(), "Bitte wuerfeln!");
    // Image1 is disabled in the roll phase of a first game, and a hidden die takes no
    // click: neither changes the player or the phase.
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
        const int middle = 10 * piece + 6;
        roll();
        ASSERT_EQ(ausgabe2(), "Welche Figur bewegen?");
        click(CellArray::s, 10 + piece);
        ASSERT_EQ(ausgabe2(), "Wohin bewegen?");
        EXPECT_TRUE(shows(CellArray::s, 10 + piece, "07.bmp"));
        click(CellArray::b, middle);
        ASSERT_EQ(named<QLabel>("ausgabe11")->text(), QStringLiteral("Ich gehe!"));
        ASSERT_EQ(ausgabe1(), "Es spielt Spieler Gold");
        EXPECT_TRUE(shows(CellArray::s, 10 + piece, "04.bmp"));
        EXPECT_TRUE(shows(CellArray::b, middle, piece % 2 ? "06.bmp" : "09.bmp"));

        roll();
        endTurn();
        ASSERT_EQ(ausgabe1(), "Es spielt Spieler Silber");

        roll();
        click(CellArray::b, middle);
        click(CellArray::s, 20 + piece);
        EXPECT_TRUE(shows(CellArray::s, 20 + piece, "08.bmp"));
        if (piece < 8) {
            roll();
            endTurn();
        }
    }
    EXPECT_EQ(ausgabe1(), "Glückwunsch!\r\nGewonnen hat Spieler Silber");
    EXPECT_EQ(ausgabe2(), "");

    // After the win the die and the cells do nothing.
    roll();
    click(CellArray::s, 18);
    EXPECT_EQ(ausgabe2(), "");
    EXPECT_FALSE(random_.overrun());
}

TEST_F(MainWindow, NewGameMidTurnResetsEveryCellAndKeepsImage1Enabled)
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
