// The program's windows over its lifetime: the about screen beside the main window, the
// main window closed and brought back anew, the end of the program by "Ende" and by the
// last window closing.

#include "window/game_app.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

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
    static void deliverDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    test::QuickProgramDir dir_;
    test::ScriptedRandom random_{{test::silberStarts}};
    GameApp app_{dir_.path(), random_};
    QSignalSpy noWindowLeft_{&app_, &GameApp::noWindowLeft};
};

TEST_F(GameAppTest, HilfeAgainRaisesTheSameAboutScreenOfItsOwn)
{
    app_.mainWindow()->findChild<QAction*>(QStringLiteral("menuHilfe"))->trigger();
    AboutScreen* first = app_.aboutScreen();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), nullptr) << "the about screen is no child of the main window";

    app_.mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app_.mainWindow()));
    QTest::keyClick(app_.mainWindow()->windowHandle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(app_.aboutScreen(), first);
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        shown += qobject_cast<AboutScreen*>(top) && top->isVisible() ? 1 : 0;
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(app_.mainWindow()->isEnabled()) << "the main window stays usable";
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
    ASSERT_NE(app_.aboutScreen(), nullptr);

    QTest::keyClick(app_.aboutScreen(), Qt::Key_A);
    deliverDeferredDeletes();

    EXPECT_EQ(app_.aboutScreen(), nullptr);
    BramlowWindow* second = app_.mainWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->text(TextBox::ausgabe1), "Willkommen bei Bramlow");
    EXPECT_EQ(second->text(TextBox::ausgabe2), "Bitte neues Spiel wählen!");
    EXPECT_TRUE(second->findChild<QWidget*>(QStringLiteral("wuerfel"))->isHidden());
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
    EXPECT_EQ(app_.aboutScreen(), nullptr);
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
        {"button", [](BramlowWindow& w) { QTest::mouseClick(w.findChild<QWidget*>(QStringLiteral("ende")), Qt::LeftButton); }},
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
