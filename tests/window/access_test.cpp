// What a player who cannot see the board, or cannot use a mouse, meets: every event of a
// game announced to the screen reader as it happens (whoever clicked), the keys for the
// die, the logo, the menus, the full screen and the rules, the tooltip and the frame of
// the computer's move, and an accessibility tree without the window's storage.

#include "engine/game_texts.h"
#include "window/accessible_texts.h"
#include "window/announcement.h"
#include "window/game_app.h"
#include "window/media/picture_box.h"
#include "window/move_marks.h"
#include "window/rules_window.h"
#include "window/turn_narration.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace bramlow {
namespace {

class Draws : public RandomSource {
public:
    std::vector<float> draws;
    float next() override { return draws.at(drawn_++); }

private:
    std::size_t drawn_ = 0;
};
constexpr float face(int face) { return (static_cast<float>(face) - 0.5f) / 5.4f; }

class Access : public ::testing::Test {
protected:
    Access()
    {
        app_.start();
        // Every text a screen reader is told, as the notification's name when it shows.
        auto* line = main().findChild<AnnouncementLine*>();
        QObject::connect(line, &AnnouncementLine::said, line, [this, line] {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(line);
            if (line->isVisible() && spoken->role() == QAccessible::Notification)
                heard << spoken->text(QAccessible::Name);
        });
        app_.mainWindow()->setSoundOn(false);
        app_.mainWindow()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(app_.mainWindow()));
    }
    BramlowWindow& main() { return *app_.mainWindow(); }
    void key(QKeySequence keys) { QTest::keySequence(main().windowHandle(), keys); }

    QStringList heard;
    Draws random_;
    GameApp app_{QStringLiteral(BRAMLOW_PROGRAM_DIR), random_};
};

// A game by keys and clicks, each step heard once as it happens: Ctrl+N, W, a square that
// cannot be chosen, a pick-up, a destination out of reach, a move, Gold's capture (whose
// fields keep a frame until the next action), E on the logo, and a win.
TEST_F(Access, EveryEventIsHeardOnceAsItHappens)
{
    random_.draws = {0.25f, face(2), face(1), face(3)};
    using C = CellArray;
    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { key(Qt::CTRL | Qt::Key_N); }, "Neues Spiel. Es spielt Spieler Silber. Bitte wuerfeln!"},
        {[&] { key(Qt::Key_W); }, "Silber würfelt eine 2. Welche Figur bewegen?"},
        {[&] { main().b_Click(44); }, "Dieses Feld kann nicht gewählt werden."},
        {[&] { main().s_Click(11); }, "Silber nimmt die Figur auf s11. Wohin bewegen?"},
        {[&] { main().b_Click(15); }, "Mit Wurf nicht zu erreichen."},
        {[&] { main().b_Click(12); }, "Silber zieht von s11 nach b12. Es spielt Spieler Gold. Bitte wuerfeln!"},
        {[&] { main().wuerfel_Click(); }, "Gold würfelt eine 1. Welche Figur bewegen?"},
        {[&] { main().g_Click(12); }, "Gold nimmt die Figur auf g12. Wohin bewegen?"},
        {[&] { main().b_Click(12); }, "Gold zieht von g12 nach b12 und schlägt Silber; die Figur geht zurück auf s11. "
                                      "Es spielt Spieler Silber. Bitte wuerfeln!"},
        {[&] { key(Qt::Key_E); }, ""}, // the logo is disabled before the roll
        {[&] { key(Qt::Key_W); }, "Silber würfelt eine 3. Welche Figur bewegen?"},
        {[&] { key(Qt::CTRL | Qt::Key_E); }, "Es spielt Spieler Gold. Bitte wuerfeln!"},
    };
    auto* marks = main().findChild<MoveMarks*>();
    for (const auto& [act, expected] : steps) {
        heard.clear();
        if (expected.startsWith("Silber würfelt eine 3")) {
            main().markLastMove();
            ASSERT_EQ(marks->marked(), (std::vector<QWidget*>{main().cell(C::g, 12), main().cell(C::b, 12)}));
            const QPoint frameLine = main().cell(C::b, 12)->geometry().topLeft() + QPoint(4, 20);
            EXPECT_EQ(main().form()->grab().toImage().pixelColor(frameLine), QColor(255, 120, 0));
            EXPECT_EQ(main().findChild<QWidget*>("Image1")->toolTip(), "") << "no tooltip while the logo is off";
        }
        act();
        EXPECT_EQ(heard, expected.isEmpty() ? QStringList() : QStringList{expected});
    }
    EXPECT_TRUE(marks->marked().empty());
    TurnNarration win;
    win.begin(playerLine::gold);
    win.cellShown(C::b, 78, EMPTY_EVEN);
    win.cellShown(C::g, 28, GOLD_HOME);
    win.textWritten(TextBox::ausgabe2, prompt::gameWon);
    win.textWritten(TextBox::ausgabe1, playerLine::winPrefix + goldName);
    EXPECT_EQ(win.sentence(), "Gold zieht von b78 nach g28. Glückwunsch! Gewonnen hat Spieler Gold.");
}

// The tooltip names what the logo does while it does it; the demo's title says how it
// ends; F1 opens the rules with the program's pictures, F11 the full screen and back,
// F10 the first menu; the tree names the text boxes and leaves out the storage.
TEST_F(Access, TheLogoTheTitleTheRulesTheKeysAndTheTreeSayWhatTheyDo)
{
    random_.draws = {0.25f, face(2)};
    key(Qt::CTRL | Qt::Key_N);
    key(Qt::Key_W);
    EXPECT_EQ(main().findChild<QWidget*>("Image1")->toolTip(), "Zug beenden");
    app_.options().setComputerForThisRun({true, true});
    EXPECT_EQ(main().windowTitle(), "Bramlow – Demo – ein Klick beendet sie");
    app_.options().setComputerForThisRun({false, false});
    EXPECT_EQ(main().windowTitle(), "Bramlow");

    key(Qt::Key_F1);
    auto* rules = main().findChild<RulesWindow*>();
    ASSERT_TRUE(rules && rules->isVisible());
    auto* text = rules->findChild<QTextBrowser*>();
    EXPECT_TRUE(text->toPlainText().contains("Zielreihe"));
    EXPECT_FALSE(text->document()->resource(QTextDocument::ImageResource, QUrl("08.bmp")).isNull());
    rules->close();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));

    key(Qt::Key_F11);
    EXPECT_TRUE(main().isFullScreen());
    key(Qt::Key_F11);
    EXPECT_FALSE(main().isFullScreen());
    key(Qt::Key_F10);
    ASSERT_EQ(QApplication::activePopupWidget(), main().menuBar()->actions().first()->menu());
    QApplication::activePopupWidget()->close();

    QStringList names;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        names << node->object()->objectName() + '=' + node->text(QAccessible::Name);
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(main().form()));
    EXPECT_TRUE(names.contains("ausgabe1=Spieler am Zug") && names.contains("ausgabe2=Aufforderung"));
    EXPECT_FALSE(names.filter(QRegularExpression("^(speicher|speicher2|Image2|moveMarks)=")).size());
    main().setMessage(message::wrongDistance);
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(main().findChild<QWidget*>("ausgabe11"));
    ASSERT_TRUE(line->textInterface());
    EXPECT_EQ(line->textInterface()->text(0, line->textInterface()->characterCount()), "Mit Wurf nicht zu erreichen");
    EXPECT_EQ(line->text(QAccessible::Name), "Mit Wurf nicht zu erreichen");
}

// Each kind of cell by the name and description a screen reader reads: pale and dark
// squares, both home rows of both players, every piece, picked up or not.
TEST(CellTexts, EveryKindOfCellIsNamedByItsPlaceSquareAndPiece)
{
    using C = CellArray;
    const std::tuple<C, int, CellCode, const char*, const char*> cells[] = {
        {C::b, 11, EMPTY_EVEN, "b11, dunkles Feld, leer", "Spielbrett, Reihe 1 von unten, Spalte 1 von links"},
        {C::b, 12, SILBER_ODD, "b12, helles Feld, Silber-Figur", "Spielbrett, Reihe 1 von unten, Spalte 2 von links"},
        {C::b, 34, GOLD_SELECTED, "b34, helles Feld, Gold-Figur, ausgewählt", "Spielbrett, Reihe 3 von unten, Spalte 4 von links"},
        {C::b, 87, SILBER_SELECTED, "b87, helles Feld, Silber-Figur, ausgewählt", "Spielbrett, Reihe 8 von unten, Spalte 7 von links"},
        {C::s, 13, SILBER_HOME, "s13, Startfeld von Silber, Silber-Figur", "Startreihe links neben Reihe 3"},
        {C::s, 26, SILBER_HOME_EMPTY, "s26, Zielfeld von Silber, leer", "Zielreihe rechts neben Reihe 6"},
        {C::g, 15, GOLD_HOME, "g15, Startfeld von Gold, Gold-Figur", "Startreihe unter Spalte 5"},
        {C::g, 28, GOLD_HOME_EMPTY, "g28, Zielfeld von Gold, leer", "Zielreihe über Spalte 8"},
        {C::b, 55, GOLD_EVEN, "b55, dunkles Feld, Gold-Figur", "Spielbrett, Reihe 5 von unten, Spalte 5 von links"},
        {C::s, 21, UNUSED_CELL, "s21, Zielfeld von Silber", "Zielreihe rechts neben Reihe 1"},
        {C::b, 21, EMPTY_ODD, "b21, helles Feld, leer", "Spielbrett, Reihe 2 von unten, Spalte 1 von links"},
        {C::b, 78, GOLD_ODD, "b78, helles Feld, Gold-Figur", "Spielbrett, Reihe 7 von unten, Spalte 8 von links"},
        {C::b, 88, SILBER_EVEN, "b88, dunkles Feld, Silber-Figur", "Spielbrett, Reihe 8 von unten, Spalte 8 von links"},
        {C::g, 21, GOLD_HOME, "g21, Zielfeld von Gold, Gold-Figur", "Zielreihe über Spalte 1"},
    };
    for (const auto& [array, index, code, name, description] : cells) {
        EXPECT_EQ(cellAccessibleName(array, index, codeOfCellPicture(pictureFile(code))), name);
        EXPECT_EQ(cellAccessibleDescription(array, index), description) << name;
    }
    for (const char face : {'1', '6'})
        EXPECT_EQ(dieAccessibleName(std::string("wuerfel") + face + ".bmp"), QStringLiteral("Würfel: ") + face);
}

} // namespace
} // namespace bramlow
