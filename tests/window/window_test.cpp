// The program's windows as a player sees and uses them: the board view's cells on their
// squares, the controls beside the board, keys and menus, the real auto-size control
// keeping the form in proportion, whole games played with real mouse clicks, the about
// screen beside the main window, and the program's end. Then the real program started in
// a folder that lacks what it cannot run without: it ends with a non-zero status and a
// German message naming the file and the cause, before its window shows.

#include "window/game_app.h"
#include "window/media/picture_box.h"
#include "window/media/twips.h"

#include "test_media_files.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

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
    QuickProgramDir()
    {
        const QDir source(QStringLiteral(BRAMLOW_PROGRAM_DIR));
        for (const QString& name : source.entryList(QDir::Files)) {
            const QString target = dir_.filePath(name);
            const bool done = name.endsWith(QLatin1String(".wav"))
                                  ? testing::writeFile(target, testing::waveImage({48000, 1, 16}, QByteArray(96, '\0')))
                                  : QFile::copy(source.filePath(name), target);
            if (!done)
                throw std::runtime_error("cannot fill " + target.toStdString());
        }
    }
    QString path() const { return dir_.path(); }

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
    for (int step = 0; step < 5; ++step) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(main()->windowHandle(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QString("Neu_but ende ausgabe1 ausgabe2 Neu_but").split(' '));
    QStringList menus;
    for (QAction* menu : main()->menuBar()->actions()) {
        menus << menu->text() + ':';
        for (QAction* entry : menu->menu()->actions())
            menus << entry->text() + ' ' + entry->shortcut().toString();
    }
    EXPECT_EQ(menus, QStringList({"Datei:", "neues Spiel Ctrl+N", "Ende Ctrl+Q", "Optionen:", "Computer spielt Silber ",
                                  "Computer spielt Gold ", " ", "Ton ", "Hilfe:", "Hilfe Ctrl+H"}));
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

TEST_F(Window, SilberCarriesAllEightPiecesAcrossWhileGoldPassesAndWins)
{
    // Silber starts; each Silber piece goes s1k -> bk6 with a 6, then bk6 -> s2k with a 3.
    // Gold rolls a 1 every time and ends the turn with the logo.
    random_.append(silberStarts);
    for (int piece = 1; piece <= 8; ++piece) {
        for (int face : {6, 1, 3})
            random_.append(drawForFace(face));
        if (piece < 8)
            random_.append(drawForFace(1));
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

struct BrokenFolder {
    const char* name;
    std::function<void(const QDir&)> breakIt;
    int status;
    const char* file;    // named in the message
    const char* message; // %1 is the file's full path
};

void PrintTo(const BrokenFolder& row, std::ostream* out) { *out << row.name; }

class StartupFailure : public ::testing::TestWithParam<BrokenFolder> {};

TEST_P(StartupFailure, EndsWithAClearMessageAndANonZeroStatus)
{
    QuickProgramDir dir;
    const QDir folder(dir.path());
    GetParam().breakIt(folder);

    // The test's own platform and audio driver (offscreen, disk), and a message box that
    // closes itself.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRAMLOW_DIALOG_TIMEOUT_MS"), QStringLiteral("50"));
    program.setProcessEnvironment(environment);
    // The working directory holds everything the program needs; it must not look there.
    program.setWorkingDirectory(QStringLiteral(BRAMLOW_PROGRAM_DIR));
    program.start(folder.filePath(QStringLiteral("bramlow")), {});
    ASSERT_TRUE(program.waitForFinished(60000)) << "the program did not end";
    const std::string errors = program.readAllStandardError().toStdString();

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(program.exitCode(), GetParam().status) << errors;
    const QString message = QString::fromUtf8(GetParam().message).arg(folder.filePath(QString::fromUtf8(GetParam().file)));
    EXPECT_NE(errors.find(message.toStdString()), std::string::npos) << errors;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StartupFailure,
    ::testing::Values(
        BrokenFolder{"without_bramlow_bmp", [](const QDir& d) { QFile::remove(d.filePath("bramlow.bmp")); }, 3,
                     "bramlow.bmp", "Die Bilddatei „%1“ fehlt."},
        BrokenFolder{"bramlow_bmp_is_a_folder",
                     [](const QDir& d) { ASSERT_TRUE(QFile::remove(d.filePath("bramlow.bmp")) && d.mkdir("bramlow.bmp")); }, 3,
                     "bramlow.bmp", "Die Bilddatei „%1“ fehlt."},
        BrokenFolder{"bramlow_bmp_not_a_picture",
                     [](const QDir& d) { ASSERT_TRUE(testing::writeFile(d.filePath("bramlow.bmp"), "BM but only text\n")); },
                     5, "bramlow.bmp", "Die Bilddatei „%1“ ist kein gültiges Bild."},
        BrokenFolder{"bramlow_bmp_cut_after_its_header",
                     [](const QDir& d) { ASSERT_TRUE(QFile::resize(d.filePath("bramlow.bmp"), 30)); }, 5, "bramlow.bmp",
                     "Die Bilddatei „%1“ ist kein gültiges Bild."},
        BrokenFolder{"without_wuerfel6_bmp", [](const QDir& d) { QFile::remove(d.filePath("wuerfel6.bmp")); }, 3,
                     "wuerfel6.bmp", "Die Bilddatei „%1“ fehlt."},
        BrokenFolder{"without_libTrellAuto_so",
                     [](const QDir& d) {
                         for (const QString& name : d.entryList({QStringLiteral("libTrellAuto.so*")}))
                             QFile::remove(d.filePath(name));
                     },
                     6, "libTrellAuto.so", "Die Steuerelement-Bibliothek „%1“ kann nicht geladen werden: Die Datei fehlt."},
        BrokenFolder{"libTrellAuto_so_of_random_bytes",
                     [](const QDir& d) { ASSERT_TRUE(testing::writeFile(d.filePath("libTrellAuto.so"), QByteArray(4096, 'Z'))); },
                     6, "libTrellAuto.so", "„%1“ kann nicht geladen werden: Die Datei ist keine ladbare Qt-Erweiterung"},
        BrokenFolder{"libTrellAuto_so_is_another_plugin",
                     [](const QDir& d) {
                         QFile::remove(d.filePath("libTrellAuto.so"));
                         ASSERT_TRUE(QFile::copy(BRAMLOW_DESIGNER_PLUGIN, d.filePath("libTrellAuto.so")));
                     },
                     6, "libTrellAuto.so", "„%1“ kann nicht geladen werden: Die Erweiterung bietet die Schnittstelle"}),
    [](const ::testing::TestParamInfo<BrokenFolder>& info) { return std::string(info.param.name); });

} // namespace
} // namespace bramlow
