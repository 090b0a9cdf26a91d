// The program's windows as a player sees and uses them: the board view's cells on their
// squares, the controls beside the board, keys and menus, the real auto-size control
// keeping the form in proportion, whole games played with real mouse clicks, the about
// screen beside the main window, and the program's end. Beyond the window's description:
// every message readable in the message line, faults during a game in a German box over
// it, and turns played by keyboard alone, with cursors and a screen reader following.
// Then every fault that a file beside the program can have, each in a whole game played
// in a process of its own: a broken picture or control library ends the game with a
// German message naming the file and the cause and a status of its own; a broken sound
// does not stop the game.

#include "engine/game_texts.h"
#include "window/game_app.h"
#include "window/media/picture_box.h"
#include "window/media/twips.h"

#include "test_media_files.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Names a file in test reports.
void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace bramlow {
namespace {

// Plays back `draws`; drawing past the end is recorded, so a test can fail on a game
// that took more turns than its script.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {}) : draws_(std::move(draws)) {}
    void append(float x) { draws_.push_back(x); }
    float next() override
    {
        overrun_ = overrun_ || position_ >= draws_.size();
        return overrun_ ? 0.0f : draws_[position_++];
    }
    bool overrun() const { return overrun_; }

private:
    std::vector<float> draws_;
    std::size_t position_ = 0;
    bool overrun_ = false;
};

// A draw in the middle of the band that makes the die show `face`: the die is the
// integer part of x * 5.4 + 1.
constexpr float drawForFace(int face) { return (static_cast<float>(face) - 0.5f) / 5.4f; }
inline constexpr float silberStarts = 0.25f;
inline constexpr float goldStarts = 0.5f;

// A left click at the middle of `widget`, delivered through its top-level window, so
// that the window system decides which widget is hit (a hidden one is not).
inline void clickThroughWindow(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, widget->rect().center()));
}

class QuickProgramDir {
public:
    // `copies`: the build's files copied, not linked, for a child that cannot reach the build.
    explicit QuickProgramDir(bool copies = false)
    {
        const QDir source(QStringLiteral(BRAMLOW_PROGRAM_DIR));
        for (const QString& name : source.entryList(QDir::Files)) {
            const QString target = dir_.filePath(name);
            const bool done = name.endsWith(QLatin1String(".wav"))
                                  ? testing::writeFile(target, testing::waveImage({48000, 1, 16}, QByteArray(96, '\0')))
                              : copies ? QFile::copy(source.filePath(name), target)
                                       : QFile::link(source.filePath(name), target);
            if (!done)
                throw std::runtime_error("cannot fill " + target.toStdString());
        }
    }
    // The fault matrix below runs a whole game again in a program directory it broke.
    QString path() const { return qEnvironmentVariable("BRAMLOW_BROKEN_PROGRAM_DIR", dir_.path()); }

private:
    QTemporaryDir dir_;
};

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

class Window : public ::testing::Test {
protected:
    void start()
    {
        app_.start();
        main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    }
    BramlowWindow* main() const { return app_.mainWindow(); }
    template <typename W = QWidget>
    W* named(const char* name) const
    {
        return main()->findChild<W*>(QString::fromLatin1(name));
    }
    // Every control on the form or in its frame, cells named like "b34".
    std::map<std::string, Look> layout() const
    {
        std::map<std::string, Look> result;
        for (QWidget* w : main()->form()->findChildren<QWidget*>()) {
            if (w->parentWidget() != main()->form() && w->parentWidget() != named("Frame2"))
                continue;
            auto* cell = qobject_cast<PictureBox*>(w);
            const std::string index = cell && cell->index() >= 0 ? std::to_string(cell->index()) : "";
            result[w->objectName().toStdString() + index] = Look{w->geometry(), w->font().pointSizeF()};
        }
        return result;
    }
    void resizeFormTo(QSize form)
    {
        main()->resize(form + main()->size() - main()->form()->size());
        QApplication::processEvents();
    }
    std::string ausgabe1() const { return main()->text(TextBox::ausgabe1); }
    std::string ausgabe2() const { return main()->text(TextBox::ausgabe2); }
    void click(CellArray array, int index) { clickThroughWindow(main()->cell(array, index)); }
    void roll() { clickThroughWindow(named("wuerfel")); }
    void endTurn() { clickThroughWindow(named("Image1")); }
    // The picture shown in a cell is the file of its cell code.
    bool shows(CellArray array, int index, const char* file) const
    {
        const QImage expected = QImage(dir_.path() + '/' + file).convertToFormat(QImage::Format_RGB32);
        const QImage shown = main()->cell(array, index)->picture().toImage().convertToFormat(QImage::Format_RGB32);
        return !expected.isNull() && shown == expected;
    }
    AboutScreen* openAbout()
    {
        named<QAction>("menuHilfe")->trigger();
        EXPECT_TRUE(QTest::qWaitForWindowActive(app_.aboutScreen()));
        return app_.aboutScreen();
    }
    static void deliverDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QuickProgramDir dir_;
    ScriptedRandom random_;
    GameApp app_{dir_.path(), random_};
    QSignalSpy noWindowLeft_{&app_, &GameApp::noWindowLeft};
};

TEST_F(Window, EveryCellLiesOnItsSquareOfTheTenByTenGrid)
{
    start();
    const auto cells = layout();
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const std::string name = std::string(kBoard[9 - row]).substr(4 * column, 3);
            if (name == "   ")
                continue;
            // Screen row 0 is the bottom one; neighbouring cells overlap by 30 twips, and
            // s18 was drawn 5 twips larger than the others.
            const int extent = name == "s18" ? 875 : 870;
            ASSERT_EQ(cells.count(name), 1u) << name;
            EXPECT_EQ(cells.at(name).geometry, twipsRect(360 + 840 * column, 7800 - 840 * row, extent, extent)) << name;
            EXPECT_TRUE(named("Image2")->geometry().contains(cells.at(name).geometry)) << name << " is off the board";
        }
    }
    EXPECT_EQ(main()->form()->findChildren<PictureBox*>().size(), 96 + 3) << "cells beside the board view";
}

TEST_F(Window, TheMessagePanelAndTheButtonsBesideTheBoardAreAlignedAsDesigned)
{
    start();
    EXPECT_EQ(main()->form()->size(), QSize(825, 583)) << "12375 x 8745 twips";
    // Both buttons on one line right of the board, "neues Spiel" first.
    EXPECT_GT(named("Neu_but")->x(), named("Image2")->geometry().right());
    EXPECT_EQ(named("ende")->y(), named("Neu_but")->y());
    EXPECT_GT(named("ende")->x(), named("Neu_but")->geometry().right());
    // The message panel: two text boxes, then the message line as the panel's last line,
    // as far above its lower edge as every line is from its left edge.
    const int margin = named("ausgabe1")->x();
    int top = 0;
    for (const char* name : {"ausgabe1", "ausgabe2", "ausgabe11"}) {
        EXPECT_EQ(named(name)->parentWidget(), named("Frame2")) << name;
        EXPECT_EQ(named(name)->x(), margin) << name;
        EXPECT_GT(named(name)->y(), top) << name;
        top = named(name)->y();
    }
    EXPECT_EQ(named("Frame2")->height() - 1 - named("ausgabe11")->geometry().bottom(), margin);
    EXPECT_EQ(named<QGroupBox>("Frame2")->title(), QStringLiteral("Meldungen"));
}

TEST_F(Window, TabRunsFromNeuesSpielThroughTheTextBoxesAndTheMenusCarryTheirShortcuts)
{
    start();
    QStringList order;
    for (int step = 0; step < 6; ++step) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(main()->windowHandle(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QString("Neu_but ende ausgabe1 ausgabe2 boardKeyboard Neu_but").split(' '));
    QStringList menus;
    for (QAction* menu : main()->menuBar()->actions()) {
        menus << menu->text() + ':';
        for (QAction* entry : menu->menu()->actions())
            menus << entry->text() + ' ' + entry->shortcut().toString();
    }
    EXPECT_EQ(menus, QStringList({"&Datei:", "&neues Spiel Ctrl+N", "&Letzte Partie fortsetzen Ctrl+L",
                                  "Partie &speichern… Ctrl+S", "Partie l&aden… Ctrl+O", "Zug &zurücknehmen Ctrl+Z",
                                  "&Ende Ctrl+Q", "&Optionen:", "Computer spielt &Silber ", "Computer spielt &Gold ",
                                  " ", "&Ton ", " ", "S&pielstärke ", "Neue &Würfelfolge bei jedem Start ", "&Spiel:",
                                  "&Würfeln W", "&Zug beenden E", " ", "&Vollbild F11", " ", "&Tipp T", "St&atistik ",
                                  "&Netzwerk:", "Partie &eröffnen… ", "Partie &beitreten… ", "Verbindung &trennen ",
                                  "&Hilfe:", "&Hilfe Ctrl+H", "&Spielregeln F1"}));
}

TEST_F(Window, ResizedEveryControlAndFontFollowsTheFormAndComesBackExactly)
{
    start();
    const auto designed = layout();
    resizeFormTo(BramlowWindow::formSize() * 2);
    ASSERT_EQ(main()->form()->size(), BramlowWindow::formSize() * 2);
    for (const auto& [key, now] : layout()) {
        SCOPED_TRACE(key);
        const QRect was = designed.at(key).geometry;
        // The auto-size control itself moves with the form but keeps its size and font.
        const int scale = key == "TrellAutoSize1" ? 1 : 2;
        EXPECT_NEAR(now.geometry.left(), 2 * was.left(), 1);
        EXPECT_NEAR(now.geometry.top(), 2 * was.top(), 1);
        EXPECT_NEAR(now.geometry.width(), scale * was.width(), 1);
        EXPECT_NEAR(now.geometry.height(), scale * was.height(), 1);
        EXPECT_NEAR(now.points, scale * designed.at(key).points, 0.01);
    }
    // Qt lays out no form of zero width, so one pixel is as small as it gets.
    resizeFormTo(QSize(1, 1));
    resizeFormTo(BramlowWindow::formSize());
    EXPECT_EQ(layout(), designed);
}

TEST_F(Window, SilberCarriesAllEightPiecesAcrossAndWinsWithEveryPictureAndSoundUsed)
{
    // Silber starts; each Silber piece goes s1k -> bk6 with a 6, then bk6 -> s2k with a 3.
    // Gold moves twice with a 2, g16 -> b26 (knocked out there by Silber's second piece)
    // and g17 -> b27; otherwise it rolls a 1, 4 or 5 and ends the turn with the logo.
    random_.append(silberStarts);
    for (int piece = 1; piece <= 8; ++piece) {
        for (int face : {6, piece <= 2 ? 2 : 1, 3})
            random_.append(drawForFace(face));
        if (piece < 8)
            random_.append(drawForFace(4 + piece % 2));
    }
    start();
    ASSERT_EQ(ausgabe1(), "Willkommen bei Bramlow");
    ASSERT_EQ(ausgabe2(), "Bitte neues Spiel wählen!");
    // The first focus is on "neues Spiel", so Enter starts the game.
    QTest::keyClick(main()->windowHandle(), Qt::Key_Return);
    ASSERT_EQ(ausgabe1(), "Es spielt Spieler Silber");
    // Image1 is disabled in the roll phase of a first game, and a hidden die takes no
    // click: neither changes the player or the phase.
    endTurn();
    main()->setDieVisible(false);
    roll();
    main()->setDieVisible(true);
    EXPECT_EQ(ausgabe1(), "Es spielt Spieler Silber");
    EXPECT_EQ(ausgabe2(), "Bitte wuerfeln!");
    EXPECT_TRUE(shows(CellArray::g, 28, "02.bmp"));
    EXPECT_TRUE(shows(CellArray::b, 12, "01.bmp"));

    for (int piece = 1; piece <= 8; ++piece) {
        SCOPED_TRACE(::testing::Message() << "Silber piece " << piece);
        const int middle = 10 * piece + 6;
        roll();
        if (piece == 1)
            click(CellArray::g, 11); // not Silber's: refused
        click(CellArray::s, 10 + piece);
        ASSERT_EQ(ausgabe2(), "Wohin bewegen?");
        EXPECT_TRUE(shows(CellArray::s, 10 + piece, "07.bmp"));
        click(CellArray::b, middle);
        ASSERT_EQ(named<QLabel>("ausgabe11")->text(), piece == 2 ? "Ich schmeisse Gold" : "Ich gehe!");
        ASSERT_EQ(ausgabe1(), "Es spielt Spieler Gold");
        EXPECT_TRUE(shows(CellArray::s, 10 + piece, "04.bmp"));
        EXPECT_TRUE(shows(CellArray::b, middle, piece % 2 ? "06.bmp" : "09.bmp"));
        roll();
        if (piece <= 2) {
            click(CellArray::g, 15 + piece);
            EXPECT_TRUE(shows(CellArray::g, 15 + piece, "12.bmp"));
            click(CellArray::b, 25 + piece);
            EXPECT_TRUE(shows(CellArray::b, 25 + piece, piece == 1 ? "13.bmp" : "10.bmp"));
        } else {
            endTurn();
        }
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
    // After the win the die and the cells do nothing; Ctrl+N starts the next game.
    roll();
    click(CellArray::s, 18);
    EXPECT_EQ(ausgabe2(), "");
    random_.append(goldStarts);
    QTest::keyClick(main()->windowHandle(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ausgabe1(), "Es spielt Spieler Gold");
    EXPECT_TRUE(shows(CellArray::s, 21, "04.bmp"));
    EXPECT_FALSE(random_.overrun());
}

TEST_F(Window, HilfeShowsOneAboutScreenOfItsOwnWithItsTextsAndNoCloseBox)
{
    start();
    AboutScreen* about = openAbout();
    EXPECT_EQ(about->parentWidget(), nullptr) << "the about screen is no child of the main window";
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Informationen zum Spiel"));
    EXPECT_FALSE(about->windowFlags().testAnyFlags(Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(about->maximumSize(), QSize(622, 302)) << "9330 x 4530 twips";
    EXPECT_EQ(about->minimumSize(), QSize(622, 302));
    QStringList texts;
    for (QLabel* label : about->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(texts << about->findChild<QPushButton*>()->text(),
              QStringList({"Bramlow-Entwickler", "Bramlow", "für Linux", "Version 1.0.0", "© 2026",
                           "Ein Brettspiel für zwei Spieler", "Zurück zum Spiel"}));
    // Ctrl+H again raises the same screen; the main window stays usable.
    main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    QTest::keyClick(main()->windowHandle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(app_.aboutScreen(), about);
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_TRUE(main()->isEnabled());
}

TEST_F(Window, CharacterKeysAFrameClickAndTheButtonCloseTheAboutScreenAndBringTheMainWindowBack)
{
    start();
    const QPoint freeSpot{100, 210}; // below the logo, left of the small print
    const auto key = [](Qt::Key k) { return [k](AboutScreen& s) { QTest::keyClick(s.focusWidget(), k); }; };
    const auto click = [](const char* target, QPoint at, Qt::MouseButton button) {
        return [=](AboutScreen& s) { QTest::mouseClick(s.findChild<QWidget*>(target), button, {}, at); };
    };
    const auto button = [](AboutScreen& s) { s.findChild<QPushButton*>()->click(); };
    const struct {
        const char* what;
        std::function<void(AboutScreen&)> act;
        bool closes;
        bool mainHidden = false;
    } cases[] = {
        {"a letter", key(Qt::Key_A), true},
        {"Escape", key(Qt::Key_Escape), true},
        {"an arrow key", key(Qt::Key_Left), false},
        {"Tab moves the focus and types nothing", key(Qt::Key_Tab), false},
        {"click on the frame's free area", click("Frame1", freeSpot, Qt::LeftButton), true},
        {"click on the logo", click("imgLogo", {20, 20}, Qt::LeftButton), false},
        {"right click on the frame's free area", click("Frame1", freeSpot, Qt::RightButton), false},
        {"the button, the main window hidden", button, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QPointer<AboutScreen> about = openAbout();
        ASSERT_EQ(about->findChild<QWidget*>("Frame1")->childAt(freeSpot), nullptr) << "test spot is not free";
        main()->setVisible(!c.mainHidden);
        c.act(*about);
        deliverDeferredDeletes();
        EXPECT_EQ(about.isNull(), c.closes) << "closed but not destroyed, or destroyed but open";
        if (about)
            about->close();
        deliverDeferredDeletes();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main())) << "the main window is not back in front";
    }
}

TEST_F(Window, MainWindowClosedWhileAboutIsOpenComesBackAnewInTheWelcomeState)
{
    random_.append(silberStarts);
    start();
    main()->neu_but_Click();
    app_.showAbout();
    QPointer<BramlowWindow> first = main();
    ASSERT_TRUE(first->close());
    deliverDeferredDeletes();
    EXPECT_TRUE(first.isNull()) << "the close box unloads the main window";
    EXPECT_EQ(noWindowLeft_.count(), 0) << "the about screen keeps the program alive";

    QTest::keyClick(app_.aboutScreen(), Qt::Key_A);
    deliverDeferredDeletes();
    EXPECT_EQ(app_.aboutScreen(), nullptr);
    ASSERT_NE(main(), nullptr);
    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(ausgabe2(), "Bitte neues Spiel wählen!");
    EXPECT_NE(openAbout(), nullptr) << "the new window is wired like the first one";

    // Closing the main window with no about screen open ends the program.
    app_.aboutScreen()->close();
    main()->close();
    deliverDeferredDeletes();
    EXPECT_EQ(noWindowLeft_.count(), 1);
}

TEST_F(Window, EndeEndsTheEventLoopAtOnceWithoutClosingAnyWindow)
{
    // "Ende" in its three forms, with the about screen open: the event loop ends with
    // status 0, and neither window is closed on the way (no close handler runs).
    const std::function<void(BramlowWindow&)> routes[] = {
        [](BramlowWindow& w) { clickThroughWindow(w.findChild<QWidget*>(QStringLiteral("ende"))); },
        [](BramlowWindow& w) { w.findChild<QAction*>(QStringLiteral("menuEnde"))->trigger(); },
        [](BramlowWindow& w) { QTest::keyClick(w.windowHandle(), Qt::Key_Q, Qt::ControlModifier); },
    };
    start();
    QSignalSpy aboutUnloaded(openAbout(), &AboutScreen::closed);
    for (const auto& route : routes) {
        main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
        QTimer::singleShot(0, main(), [&] { route(*main()); });
        // Only a guard against a hang if "Ende" did nothing; it ends such a run with 99.
        QTimer hangGuard;
        hangGuard.callOnTimeout([] { QCoreApplication::exit(99); });
        hangGuard.start(20000);
        EXPECT_EQ(QApplication::exec(), 0);
        ASSERT_TRUE(main() && main()->isVisible());
        EXPECT_EQ(aboutUnloaded.count(), 0);
        EXPECT_EQ(noWindowLeft_.count(), 0);
    }
}

void press(QWidget* window, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(window->windowHandle(), key);
}

std::string spoken(QWidget* stop, QAccessible::Text text = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(stop)->text(text).toStdString();
}

bool pointing(QWidget* control) { return control->cursor().shape() == Qt::PointingHandCursor; }

// Each message lies whole inside the message line, dark blue on the frame's silver where
// the line lies over ausgabe2's blue box, at the designed size and at twice that: every
// pixel of the line blends those two colours, and no glyph is cut at its edge.
TEST_F(Window, EveryMessageIsReadableWholeInTheMessageLine)
{
    start();
    const QRgb silver = qRgb(192, 192, 192);
    for (int scale : {1, 2}) {
        resizeFormTo(BramlowWindow::formSize() * scale);
        for (const std::string* text : {&message::ownPiece, &message::startRow, &message::opponentHome,
                                        &message::wrongDistance, &message::backwards, &message::move,
                                        &message::captureGold, &message::captureSilber}) {
            main()->setMessage(*text);
            const QImage line = named("Frame2")->grab(named("ausgabe11")->geometry()).toImage();
            int ink = 0;
            int wrong = 0;
            for (int y = 0; y < line.height(); ++y) {
                for (int x = 0; x < line.width(); ++x) {
                    const QColor pixel = line.pixelColor(x, y);
                    const bool rim = x == 0 || y == 0 || x == line.width() - 1 || y == line.height() - 1;
                    ink += pixel.rgb() != silver;
                    wrong += rim ? pixel.rgb() != silver
                                 : std::abs(pixel.blue() - 192) > 2 || std::abs(pixel.red() - pixel.green()) > 2;
                }
            }
            EXPECT_TRUE(ink > 0 && wrong == 0) << *text << " at " << scale << "x: " << wrong << " wrong pixels";
        }
    }
}

// A fault of the program while the window shows ends it with its status and a German box
// over the game: a cell Index that no control has, a random source that never gives a
// number below 1, a cell picture that is missing.
TEST_F(Window, AFaultDuringAGameEndsWithAGermanBoxOverTheGame)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    start();
    for (int draw = 0; draw < 1000; ++draw)
        random_.append(2.0f);
    const auto roll = [&] {
        main()->setText(TextBox::ausgabe2, prompt::roll);
        main()->wuerfel_Click();
    };
    const std::tuple<const char*, std::function<void()>, int, const char*> rows[] = {
        {"a click on b99", [&] { main()->b_Click(99); }, 7, "Ein Feld, das es nicht gibt, wurde angesprochen"},
        {"a roll", roll, 7, "Der Zufallsgenerator liefert keine Zahl zwischen 0 und 1"},
        {"03.bmp", [&] { main()->setCellPicture(CellArray::s, 11, "03.bmp"); }, 3, "03.bmp.* fehlt"},
    };
    const auto boxOwner = [] {
        const QWidget* owner = QApplication::activeModalWidget()->parentWidget();
        std::fprintf(stderr, "Box über %s\n", owner ? qPrintable(owner->objectName()) : "nichts");
    };
    for (const auto& [what, act, status, message] : rows) {
        EXPECT_EXIT(
            {
                QTimer::singleShot(0, boxOwner);
                act();
            },
            ::testing::ExitedWithCode(status), std::string(message) + ".*Box über Bramlow")
            << what;
    }
}

// Enter starts the game under the busy cursor; four Tabs lead past the window's own
// keyboard order to the board, which speaks for the framed stop. Silber rolls a 2 on the
// die; the frame jumps to s11, the first piece that can move, Return picks it up, the
// frame jumps to b12, its first destination, and Space moves it there; N walks on to the
// next destination and back to the first. Gold goes right past the board onto the die, finds the logo disabled
// before the roll, rolls, and ends the turn through the logo's accessible press action.
// The cursor points at what reacts; the logo's border keeps its colour while disabled.
// Then a right click on a text box opens no menu (Qt's own would be English).
TEST_F(Window, ATurnOfEachPlayerByKeyboardIsPointedAtAndSpoken)
{
    for (float draw : {silberStarts, drawForFace(2), drawForFace(4)})
        random_.append(draw);
    start();
    QWidget* board = named("boardKeyboard");
    QWidget* logo = named("Image1");
    PictureBox* b12 = main()->cell(CellArray::b, 12);
    Qt::CursorShape setUpCursor = Qt::ArrowCursor;
    QObject::connect(
        named<QTextEdit>("ausgabe2"), &QTextEdit::textChanged, board,
        [&] { setUpCursor = QApplication::overrideCursor()->shape(); }, Qt::SingleShotConnection);
    press(main(), Qt::Key_Return);
    EXPECT_EQ(setUpCursor, Qt::WaitCursor);
    press(main(), Qt::Key_Tab, 4);
    ASSERT_EQ(QApplication::focusWidget(), board);
    EXPECT_TRUE(pointing(named("wuerfel")) && !pointing(logo) && !pointing(b12));
    const QColor border = logo->grab().toImage().pixelColor(0, 0);
    press(main(), Qt::Key_Space);
    EXPECT_EQ(spoken(board), "s11, Startfeld von Silber, Silber-Figur");
    EXPECT_TRUE(!pointing(named("wuerfel")) && pointing(logo) && pointing(b12));
    EXPECT_EQ(logo->grab().toImage().pixelColor(0, 0), border);
    press(main(), Qt::Key_Return);
    EXPECT_EQ(spoken(main()->cell(CellArray::s, 11)), "s11, Startfeld von Silber, Silber-Figur, ausgewählt");
    press(main(), Qt::Key_N, 2);
    EXPECT_EQ(spoken(board, QAccessible::Description), "Spielbrett, Reihe 1 von unten, Spalte 2 von links");
    press(main(), Qt::Key_Space);
    EXPECT_EQ(spoken(b12), "b12, helles Feld, Silber-Figur");
    press(main(), Qt::Key_Right, 8);
    press(main(), Qt::Key_Up);
    EXPECT_EQ(spoken(board), "Logo: Zug beenden");
    press(main(), Qt::Key_Space);
    EXPECT_EQ(ausgabe1(), "Es spielt Spieler Gold") << "the disabled logo ended the turn";
    press(main(), Qt::Key_Down);
    press(main(), Qt::Key_Space);
    QAccessible::queryAccessibleInterface(logo)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ausgabe1(), "Es spielt Spieler Silber");
    EXPECT_FALSE(random_.overrun());
    QTest::mouseClick(main()->windowHandle(), Qt::RightButton, {}, named("ausgabe2")->mapTo(main(), QPoint(20, 20)));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Qt's English menu";
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct FileFault {
    const char* name;
    std::function<bool(const QString& path, const QByteArray& original)> make; // the original is gone
    int pictureStatus; // 0: the picture shows and the game goes on
    const char* pictureCause;
    const char* libraryCause; // nullptr: the control still loads and the game goes on
};

void PrintTo(const FileFault& fault, std::ostream* out) { *out << fault.name; }

std::function<bool(const QString&, const QByteArray&)> writing(QByteArray (*bytes)(const QByteArray& original))
{
    return [bytes](const QString& path, const QByteArray& original) {
        return testing::writeFile(path, bytes(original));
    };
}

const char* const kInvalid = "ist kein gültiges Bild.";
const char* const kNoPlugin = "Die Datei ist keine ladbare Qt-Erweiterung";
const char* const kSpecial = "Die Datei ist keine gewöhnliche Datei.";
const char* const kCutShort = "Die Datei ist unvollständig.";
constexpr qint64 kMemoryLimit = qint64(1) << 30;
const FileFault kFileFaults[] = {
    {"missing", [](auto...) { return true; }, 3, "fehlt.", "Die Datei fehlt."},
    {"empty", writing([](auto) { return QByteArray(); }), 5, kInvalid, kNoPlugin},
    {"cut_after_30_bytes", writing([](const QByteArray& o) { return o.left(30); }), 5, kInvalid, kNoPlugin},
    // A library cut anywhere, even in its debug information at the end, is refused before
    // it is mapped, wherever the build happened to lay out its parts.
    {"cut_in_half", writing([](const QByteArray& o) { return o.left(o.size() / 2); }), 5, kInvalid, kCutShort},
    {"last_byte_cut", writing([](const QByteArray& o) { return o.chopped(1); }), 5, kInvalid, kCutShort},
    {"garbage", writing([](const QByteArray& o) { return QByteArray(o.size(), 'Z'); }), 5, kInvalid, kNoPlugin},
    {"wave_or_bitmap_in_its_place",
     writing([](const QByteArray& o) {
         return contents(BRAMLOW_PROGRAM_DIR + QString(o.startsWith("BM") ? "/gut.wav" : "/01.bmp"));
     }),
     5, kInvalid, kNoPlugin},
    {"png_in_its_place", writing([](auto) { return contents(BRAMLOW_PROGRAM_DIR "/bramlow.png"); }), 0, "", kNoPlugin},
    {"other_plugin_in_its_place", writing([](auto) { return contents(BRAMLOW_DESIGNER_PLUGIN); }), 5, kInvalid,
     "Die Erweiterung bietet die Schnittstelle"},
    {"directory", [](const QString& path, auto) { return QDir().mkdir(path); }, 3, "fehlt.", kNoPlugin},
    {"unreadable",
     [](const QString& path, const QByteArray& o) {
         return testing::writeFile(path, o) && QFile::setPermissions(path, {});
     },
     4, "kann nicht gelesen werden: keine Leseberechtigung.", kNoPlugin},
    {"dangling_link", [](const QString& path, auto) { return QFile::link(path + ".weg", path); }, 3, "fehlt.",
     "Die Datei fehlt."},
    {"link_loop", [](const QString& path, auto) { return QFile::link(path, path); }, 3, "fehlt.", "Die Datei fehlt."},
    {"fifo", [](const QString& path, auto) { return mkfifo(QFile::encodeName(path), 0644) == 0; }, 5,
     "ist keine gewöhnliche Datei.", kSpecial},
    {"socket", [](const QString& path, auto) { return testing::bindSocket(path); }, 5, "ist keine gewöhnliche Datei.",
     kSpecial},
    // 8-bit mono at 2 Hz: 299 seconds of sound in 642 bytes.
    {"wave_of_minutes", writing([](auto) { return testing::waveImage({2, 1, 8}, QByteArray(598, '\x80')); }), 5,
     kInvalid, kNoPlugin},
    // Played under a memory limit of 1 GB: reading it whole would end the program.
    {"sparse_2_5_GB",
     [](const QString& path, auto) { return testing::writeFile(path, {}) && QFile::resize(path, 5 * kMemoryLimit / 2); },
     5, "ist zu groß", kNoPlugin},
};

class BrokenFile : public ::testing::TestWithParam<std::tuple<QString, FileFault>> {};

// The whole game above, run again by this program in a child process whose program
// directory has one broken file: a broken picture or control library ends the game with
// the German message and its status, a broken wave gives the desktop's default sound and
// the game goes on to its end. Never a crash, a hang or a success after a fatal fault.
TEST_P(BrokenFile, EndsTheGameWithItsMessageOrLetsItGoOn)
{
    const auto& [file, fault] = GetParam();
    QuickProgramDir dir(std::string(fault.name) == "unreadable");
    const QString path = QDir(dir.path()).filePath(file);
    const QByteArray original = contents(path);
    ASSERT_TRUE(QFile::remove(path) && fault.make(path, original));
    QStringList command{QCoreApplication::applicationFilePath(), "--gtest_filter=Window.SilberCarries*"};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The working directory holds every file intact; the program must not look there.
    QString workingDir = BRAMLOW_PROGRAM_DIR;
    // Root reads a file of mode 000 all the same; a player does not. The child runs as
    // nobody, from copies of the build in folders that anyone may enter: the checkout may
    // lie where nobody cannot reach it, in root's home.
    const bool asNobody = std::string(fault.name) == "unreadable" && geteuid() == 0;
    std::optional<QuickProgramDir> intact;
    if (asNobody) {
        intact.emplace(true);
        workingDir = intact->path();
        const QString copy = workingDir + "/window_test";
        ASSERT_TRUE(QFile::copy(command[0], copy));
        command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", copy, command[1]};
        for (const QString& name : {"LSAN_OPTIONS", "UBSAN_OPTIONS"}) { // their suppression files
            QString options = environment.value(name);
            const QString file = QRegularExpression("suppressions=['\"]?([^:'\"]+)").match(options).captured(1);
            if (!file.isEmpty() && QFile::copy(file, workingDir + '/' + name))
                environment.insert(name, options.replace(file, workingDir + '/' + name));
        }
        for (const QString& folder : {dir.path(), workingDir})
            ASSERT_TRUE(QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther | QFile::ExeOther));
    }
#if !defined(__SANITIZE_ADDRESS__) // whose shadow memory alone reserves terabytes of addresses
    if (std::string(fault.name) == "sparse_2_5_GB")
        command = QStringList{"prlimit", QStringLiteral("--as=%1").arg(kMemoryLimit), "--"} + command;
#endif
    QProcess program;
    environment.insert("BRAMLOW_BROKEN_PROGRAM_DIR", dir.path());
    environment.insert("BRAMLOW_DIALOG_TIMEOUT_MS", "50");
    environment.insert("SDL_DISKAUDIODELAY", "1"); // ms for each 5 ms buffer
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(workingDir);
    program.start(command.takeFirst(), command);
    ASSERT_TRUE(program.waitForFinished(120000)) << "the program hangs";
    const std::string output = (program.readAllStandardOutput() + program.readAllStandardError()).toStdString();
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit) << "the program crashed\n" << output;

    const bool picture = file.endsWith(".bmp");
    const int status = picture ? fault.pictureStatus : file.endsWith(".wav") || !fault.libraryCause ? 0 : 6;
    EXPECT_EQ(program.exitCode(), status) << output;
    const QString message = picture ? QStringLiteral("Die Bilddatei „%1“ %2").arg(path, fault.pictureCause)
                                    : QStringLiteral("Die Steuerelement-Bibliothek „%1“ kann nicht geladen werden: %2")
                                          .arg(path, fault.libraryCause);
    EXPECT_TRUE(status == 0 || output.find(message.toStdString()) != std::string::npos) << output;
}

// Every fault on a few files: the 19 bitmaps pass through one loader and the 6 waves
// through one player, so a bitmap of the start, of a cell and of the die, the first and the
// last sound of a game and the control library stand for all; every other file is missing
// once. Each file is one the build put beside the program.
const QStringList kEveryFault{"bramlow.bmp", "07.bmp", "wuerfel6.bmp", "schlagen.wav", "winner.wav", "libTrellAuto.so"};
std::vector<std::tuple<QString, FileFault>> matrix()
{
    std::vector<std::tuple<QString, FileFault>> rows;
    for (const QString& file : QDir(BRAMLOW_PROGRAM_DIR).entryList({"*.bmp", "*.wav", "libTrellAuto.so"})) {
        for (const FileFault& fault : kFileFaults) {
            if (kEveryFault.contains(file) || &fault == kFileFaults) // "missing" comes first
                rows.emplace_back(file, fault);
        }
    }
    return rows;
}
INSTANTIATE_TEST_SUITE_P(Files, BrokenFile, ::testing::ValuesIn(matrix()), [](const auto& info) {
    return QString(std::get<0>(info.param)).replace('.', '_').toStdString() + "_" + std::get<1>(info.param).name;
});

// The program in a folder whose name is no UTF-8 (a Latin-1 "ü") finds its control library
// and its pictures there and nowhere else, and names the folder in its message as well as
// it can. Qt's strings cannot name that folder, so the test reaches it through a handle.
TEST(ProgramFolder, ANameThatIsNoUtf8StillHoldsEveryFile)
{
    const QTemporaryDir scratch;
    const QByteArray folder = QFile::encodeName(scratch.path()) + "/Spiel f\xfcr J\xfcrgen";
    ASSERT_EQ(mkdir(folder.constData(), 0755), 0);
    const int handle = open(folder.constData(), O_PATH | O_DIRECTORY); // the child inherits it
    const QString inside = QStringLiteral("/proc/self/fd/%1/").arg(handle);
    for (const char* name : {"bramlow", "libTrellAuto.so"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(BRAMLOW_PROGRAM_DIR "/") + name, inside + name));
    ASSERT_TRUE(testing::writeFile(inside + "bramlow.bmp", "Kein Bild"));

    qputenv("BRAMLOW_DIALOG_TIMEOUT_MS", "50");
    QProcess program;
    program.setWorkingDirectory(BRAMLOW_PROGRAM_DIR); // every file intact: not to be looked at
    program.start(inside + "bramlow", {});
    ASSERT_TRUE(program.waitForFinished(60000));
    close(handle);
    rename(folder.constData(), QFile::encodeName(scratch.path() + "/weg").constData()); // a name Qt can remove
    const QString output = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitCode(), 5) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("Spiel f\uFFFDr J\uFFFDrgen/bramlow.bmp“ ist kein gültiges Bild.")))
        << output.toStdString();
}

} // namespace
} // namespace bramlow
