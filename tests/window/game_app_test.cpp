// The program's windows over its lifetime: the about screen beside the main window and
// the ways it closes, the main window closed and brought back anew, the end of the
// program by "Ende" and by the last window closing.

#include "window/game_app.h"
#include "window/media/picture_box.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace bramlow {
namespace {

class GameAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_.start();
        ASSERT_NE(app_.mainWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app_.mainWindow()));
    }
    AboutScreen* openAbout()
    {
        app_.mainWindow()->findChild<QAction*>(QStringLiteral("menuHilfe"))->trigger();
        EXPECT_TRUE(QTest::qWaitForWindowActive(app_.aboutScreen()));
        return app_.aboutScreen();
    }
    static void deliverDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    test::QuickProgramDir dir_;
    test::ScriptedRandom random_{{test::silberStarts}};
    GameApp app_{dir_.path(), random_};
    QSignalSpy noWindowLeft_{&app_, &GameApp::noWindowLeft};
};

TEST_F(GameAppTest, HilfeShowsOneAboutScreenOfItsOwnWithItsTextsAndNoCloseBox)
{
    AboutScreen* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->parentWidget(), nullptr) << "the about screen is no child of the main window";
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Informationen zum Spiel"));
    const Qt::WindowFlags flags = about->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint) && flags.testFlag(Qt::CustomizeWindowHint));
    for (Qt::WindowType hint : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        EXPECT_FALSE(flags.testFlag(hint)) << hint;
    EXPECT_EQ(about->minimumSize(), QSize(622, 302)) << "9330 x 4530 twips";
    EXPECT_EQ(about->maximumSize(), QSize(622, 302));
    QStringList texts;
    for (const char* name : {"lblCompanyProduct", "lblProductName", "lblPlatform", "lblVersion", "lblCopyright",
                             "lblCompany"})
        texts << about->findChild<QLabel*>(QString::fromLatin1(name))->text();
    EXPECT_EQ(texts, QStringList({"Bramlow-Entwickler", "Bramlow", "für Linux", "Version 1.0.0", "© 2026",
                                  "Ein Brettspiel für zwei Spieler"}));
    EXPECT_EQ(about->findChild<QPushButton*>()->text(), QStringLiteral("Zurück zum Spiel"));
    EXPECT_FALSE(about->findChild<PictureBox*>(QStringLiteral("imgLogo"))->picture().isNull());

    // Ctrl+H again raises the same screen; the main window stays usable.
    app_.mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app_.mainWindow()));
    QTest::keyClick(app_.mainWindow()->windowHandle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(app_.aboutScreen(), about);
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        shown += qobject_cast<AboutScreen*>(top) && top->isVisible() ? 1 : 0;
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(app_.mainWindow()->isEnabled());
}

TEST_F(GameAppTest, CharacterKeysAFrameClickAndTheButtonCloseTheAboutScreenAndBringTheMainWindowBack)
{
    // Below the logo, left of the small print: no control covers it.
    const QPoint freeSpot{100, 210};
    const auto key = [](Qt::Key k) { return [k](AboutScreen& s) { QTest::keyClick(s.focusWidget(), k); }; };
    const auto click = [](const char* target, QPoint at, Qt::MouseButton button) {
        return [=](AboutScreen& s) { QTest::mouseClick(s.findChild<QWidget*>(target), button, {}, at); };
    };
    const struct {
        const char* what;
        std::function<void(AboutScreen&)> act;
        bool closes;
        bool mainHidden = false;
    } cases[] = {
        {"a letter", key(Qt::Key_A), true},
        {"Enter", key(Qt::Key_Return), true},
        {"Escape", key(Qt::Key_Escape), true},
        {"an arrow key", key(Qt::Key_Left), false},
        {"a function key", key(Qt::Key_F1), false},
        {"Tab moves the focus and types nothing", key(Qt::Key_Tab), false},
        {"click on the frame's free area", click("Frame1", freeSpot, Qt::LeftButton), true},
        {"click on the logo", click("imgLogo", {20, 20}, Qt::LeftButton), false},
        {"right click on the frame's free area", click("Frame1", freeSpot, Qt::RightButton), false},
        {"the button", [](AboutScreen& s) { s.findChild<QPushButton*>()->click(); }, true},
        {"the button, the main window hidden", [](AboutScreen& s) { s.findChild<QPushButton*>()->click(); }, true, true},
    };
    BramlowWindow* main = app_.mainWindow();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QPointer<AboutScreen> about = openAbout();
        ASSERT_EQ(about->findChild<QWidget*>("Frame1")->childAt(freeSpot), nullptr) << "test spot is not free";
        if (c.mainHidden)
            main->hide();

        c.act(*about);
        deliverDeferredDeletes();

        EXPECT_EQ(about.isNull(), c.closes) << "closed but not destroyed, or destroyed but open";
        EXPECT_EQ(app_.aboutScreen() == nullptr, c.closes);
        if (!c.closes) {
            about->close();
            deliverDeferredDeletes();
            continue;
        }
        EXPECT_EQ(app_.mainWindow(), main);
        EXPECT_TRUE(QTest::qWaitForWindowActive(main)) << "the main window is not back in front";
    }
}

TEST_F(GameAppTest, MainWindowClosedWhileAboutIsOpenComesBackAnewInTheWelcomeState)
{
    app_.mainWindow()->neu_but_Click();
    ASSERT_EQ(app_.mainWindow()->text(TextBox::ausgabe2), "Bitte wuerfeln!");
    app_.showAbout();
    QPointer<BramlowWindow> first = app_.mainWindow();

    ASSERT_TRUE(first->close());
    deliverDeferredDeletes();
    EXPECT_TRUE(first.isNull()) << "the close box unloads the main window";
    EXPECT_EQ(noWindowLeft_.count(), 0) << "the about screen keeps the program alive";

    QTest::keyClick(app_.aboutScreen(), Qt::Key_A);
    deliverDeferredDeletes();

    EXPECT_EQ(app_.aboutScreen(), nullptr);
    BramlowWindow* second = app_.mainWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->text(TextBox::ausgabe1), "Willkommen bei Bramlow");
    EXPECT_EQ(second->text(TextBox::ausgabe2), "Bitte neues Spiel wählen!");
    EXPECT_EQ(noWindowLeft_.count(), 0);
    // The new window is wired like the first one.
    second->findChild<QAction*>(QStringLiteral("menuHilfe"))->trigger();
    EXPECT_NE(app_.aboutScreen(), nullptr);
}

TEST_F(GameAppTest, AboutClosedKeepsTheMainWindowWhoseClosingThenEndsTheProgram)
{
    QPointer<BramlowWindow> first = app_.mainWindow();
    app_.showAbout();
    app_.aboutScreen()->close();
    deliverDeferredDeletes();
    EXPECT_EQ(app_.mainWindow(), first.data());
    EXPECT_EQ(noWindowLeft_.count(), 0);

    first->close();
    deliverDeferredDeletes();
    EXPECT_EQ(app_.mainWindow(), nullptr);
    EXPECT_EQ(noWindowLeft_.count(), 1);
}

TEST_F(GameAppTest, EndeEndsTheEventLoopAtOnceWithoutClosingAnyWindow)
{
    // "Ende" in its three forms, with the about screen open: the event loop ends with
    // status 0, and neither window is closed on the way (no close handler runs).
    const struct {
        const char* route;
        void (*choose)(BramlowWindow&);
    } routes[] = {
        {"button", [](BramlowWindow& w) { test::clickThroughWindow(w.findChild<QWidget*>(QStringLiteral("ende"))); }},
        {"menu entry", [](BramlowWindow& w) { w.findChild<QAction*>(QStringLiteral("menuEnde"))->trigger(); }},
        {"Ctrl+Q", [](BramlowWindow& w) { QTest::keyClick(w.windowHandle(), Qt::Key_Q, Qt::ControlModifier); }},
    };
    app_.showAbout();
    QSignalSpy aboutUnloaded(app_.aboutScreen(), &AboutScreen::closed);
    QPointer<BramlowWindow> window = app_.mainWindow();
    for (const auto& route : routes) {
        SCOPED_TRACE(route.route);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTimer::singleShot(0, window, [&] { route.choose(*window); });
        // Only a guard against a hang if "Ende" did nothing; it ends such a run with 99.
        QTimer hangGuard;
        hangGuard.callOnTimeout([] { QCoreApplication::exit(99); });
        hangGuard.start(20000);
        EXPECT_EQ(QApplication::exec(), 0);
        ASSERT_FALSE(window.isNull());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(aboutUnloaded.count(), 0);
        EXPECT_EQ(noWindowLeft_.count(), 0);
    }
}

} // namespace
} // namespace bramlow
