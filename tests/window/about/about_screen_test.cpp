// The about screen frmSplash on real widgets, beside a stand-in for the main window.

#include "window/about/about_screen.h"
#include "window/media/picture_box.h"

#include "test_media_files.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace bramlow {
namespace {

// A stand-in for the main window that counts its paints.
class MainWindowStandIn : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class AboutScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::quadrantImage().save(dir.filePath("bramlow.bmp"), "BMP"));
        main = new MainWindowStandIn;
        main->resize(400, 300);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }
    void TearDown() override
    {
        delete about;
        delete main;
    }

    // Opens the screen the way the menu entry does: created, shown, not modal.
    void open()
    {
        about = new AboutScreen(dir.path(), main);
        about->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
    }
    template <typename T = QWidget>
    T* control(const char* name)
    {
        return about->findChild<T*>(QString::fromLatin1(name));
    }
    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    QPointer<MainWindowStandIn> main;
    QPointer<AboutScreen> about;
};

TEST_F(AboutScreenTest, IsAFixedDialogWithoutCloseBoxShowingItsTexts)
{
    open();
    EXPECT_EQ(about->objectName(), "frmSplash");
    EXPECT_EQ(about->windowTitle(), "Informationen zum Spiel");
    EXPECT_FALSE(about->isModal());
    const Qt::WindowFlags flags = about->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint) && flags.testFlag(Qt::CustomizeWindowHint));
    for (Qt::WindowType hint : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                Qt::WindowSystemMenuHint})
        EXPECT_FALSE(flags.testFlag(hint)) << hint;
    // 9330 x 4530 twips inside, and the user cannot change it.
    EXPECT_EQ(about->size(), QSize(622, 302));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());

    const struct {
        const char* name;
        QString text;
    } labels[] = {
        {"lblCompanyProduct", "Bramlow-Entwickler"},
        {"lblProductName", "Bramlow"},
        {"lblPlatform", QStringLiteral("für Linux")},
        {"lblVersion", "Version 1.0.0"},
        {"lblCopyright", QStringLiteral("© 2026")},
        {"lblCompany", QStringLiteral("Ein Brettspiel für zwei Spieler")},
    };
    for (const auto& label : labels) {
        ASSERT_NE(control<QLabel>(label.name), nullptr) << label.name;
        EXPECT_EQ(control<QLabel>(label.name)->text(), label.text) << label.name;
        EXPECT_EQ(control<QLabel>(label.name)->font().family(), "Arial") << label.name;
    }
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Zurück zum Spiel"));
    EXPECT_EQ(control<PictureBox>("imgLogo")->picture().toImage().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(AboutScreenTest, LabelsSizedToTheirTextKeepTheirAlignedEdgeAndTop)
{
    open();
    const struct {
        const char* name;
        QRect designed; // pixels
        Qt::Alignment keeps;
    } cases[] = {
        {"lblCompanyProduct", {184, 16, 403, 29}, Qt::AlignHCenter},
        {"lblPlatform", {232, 156, 349, 24}, Qt::AlignRight},
        {"lblVersion", {372, 180, 213, 19}, Qt::AlignRight},
    };
    for (const auto& c : cases) {
        auto* label = control<QLabel>(c.name);
        const QRect now = label->geometry();
        EXPECT_EQ(now.size(), label->sizeHint()) << c.name;
        EXPECT_EQ(now.top(), c.designed.top()) << c.name;
        if (c.keeps == Qt::AlignRight)
            EXPECT_EQ(now.right(), c.designed.right()) << c.name;
        else
            EXPECT_LE(std::abs(now.center().x() - c.designed.center().x()), 1) << c.name;
    }
    // The wrapping product name keeps its width and takes the height its text needs.
    auto* name = control<QLabel>("lblProductName");
    EXPECT_EQ(name->geometry().topLeft(), QPoint(184, 64));
    EXPECT_EQ(name->width(), 397);
    EXPECT_EQ(name->height(), name->heightForWidth(397));
}

// Below the logo, left of the small print: no control covers it.
constexpr QPoint kFreeSpot{100, 210};

std::function<void(AboutScreen&)> key(Qt::Key k, const char* target = "Command1")
{
    return [k, target](AboutScreen& s) {
        QTest::keyClick(QString(target) == "frmSplash" ? &s : s.findChild<QWidget*>(target), k);
    };
}

std::function<void(AboutScreen&)> click(const char* target, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    return [=](AboutScreen& s) {
        QTest::mouseClick(QString(target) == "frmSplash" ? &s : s.findChild<QWidget*>(target), button, {}, at);
    };
}

TEST_F(AboutScreenTest, CharacterKeysFrameClicksAndTheButtonCloseAndBringTheMainWindowBack)
{
    const struct {
        const char* what;
        std::function<void(AboutScreen&)> act;
        bool closes;
        bool mainHidden = false;
    } cases[] = {
        {"letter while the button has the focus", key(Qt::Key_A), true},
        {"Enter while the button has the focus", key(Qt::Key_Return), true},
        {"Escape while the button has the focus", key(Qt::Key_Escape), true},
        {"digit sent to the window itself", key(Qt::Key_7, "frmSplash"), true},
        {"arrow key", key(Qt::Key_Left), false},
        {"function key", key(Qt::Key_F1), false},
        {"shift alone", key(Qt::Key_Shift), false},
        {"Tab moves the focus and types nothing", key(Qt::Key_Tab), false},
        {"click on the frame's free area", click("Frame1", kFreeSpot), true},
        {"click on the logo", click("imgLogo", {20, 20}), false},
        {"click on the window outside the frame", click("frmSplash", {5, 295}), false},
        {"right click on the frame's free area", click("Frame1", kFreeSpot, Qt::RightButton), false},
        {"the button", [](AboutScreen& s) { s.findChild<QPushButton*>("Command1")->click(); }, true},
        {"the button while the main window is hidden", [](AboutScreen& s) { s.findChild<QPushButton*>("Command1")->click(); },
         true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        open();
        ASSERT_EQ(control("Frame1")->childAt(kFreeSpot), nullptr) << "test spot is not free";
        about->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
        ASSERT_EQ(about->focusWidget(), control("Command1")) << "only the button takes the focus";
        QSignalSpy closed(about.data(), &AboutScreen::closed);
        if (c.mainHidden)
            main->hide();
        const int paintsBefore = main->paints;

        c.act(*about);
        deleteClosedWindows();

        EXPECT_EQ(closed.count(), c.closes ? 1 : 0);
        EXPECT_EQ(about.isNull(), c.closes) << "closed but not destroyed, or destroyed but open";
        if (!c.closes) {
            EXPECT_TRUE(about && about->isVisible());
            delete about;
            continue;
        }
        // A visible main window is repainted before the close returns, with no event loop
        // in between; a hidden one is shown again. Either comes to the front.
        EXPECT_TRUE(main->isVisible());
        if (!c.mainHidden)
            EXPECT_GT(main->paints, paintsBefore) << "main window not repainted at once";
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
    }
}

} // namespace
} // namespace bramlow
