#include "window/about/about_screen.h"
#include "window/about/about_texts.h"
#include "window/media/picture_box.h"

#include "test_media_files.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace bramlow {
namespace {

using testing::quadrantImage;

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
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(quadrantImage().save(dir.filePath("bramlow.bmp"), "BMP"));
        main = new MainWindowStandIn;
        main->setAttribute(Qt::WA_DeleteOnClose);
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
    AboutScreen* open()
    {
        about = new AboutScreen(dir.path(), main);
        about->show();
        about->repaint();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
        return about;
    }

    template <typename T>
    T* control(const char* name)
    {
        return about->findChild<T*>(QString::fromLatin1(name));
    }

    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    QPointer<MainWindowStandIn> main;
    QPointer<AboutScreen> about;
};

TEST(AboutTexts, VersionTextIsMajorMinorRevisionWithoutBlanks)
{
    EXPECT_EQ(versionText(1, 0, 0), "Version 1.0.0");
    EXPECT_EQ(versionText(10, 2, 33), "Version 10.2.33");
    EXPECT_EQ(programVersionText(), "Version 1.0.0");
}

TEST_F(AboutScreenTest, IsAFixedTopLevelDialogWithCaptionOnlyInItsTitleBar)
{
    open();
    EXPECT_EQ(about->objectName(), "frmSplash");
    EXPECT_EQ(about->windowTitle(), "Informationen zum Spiel");
    // Its own window: closing the main window must not take it along.
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_TRUE(about->isWindow());
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(about->testAttribute(Qt::WA_DeleteOnClose));

    const Qt::WindowFlags flags = about->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));

    // 9330 x 4530 twips inside, and the user cannot change it.
    EXPECT_EQ(about->size(), QSize(622, 302));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
}

struct ControlCase {
    const char* name;
    const char* container;
    QRect pixels; // the designed twips / 15
};

TEST_F(AboutScreenTest, ControlsSitWhereTheyAreDesigned)
{
    open();
    const ControlCase cases[] = {
        {"Frame1", "frmSplash", {16, 8, 592, 238}},
        {"imgLogo", "Frame1", {8, 16, 217, 167}},
        {"lblCopyright", "Frame1", {304, 204, 281, 17}},
        {"lblCompany", "Frame1", {304, 218, 281, 17}},
    };
    for (const ControlCase& c : cases) {
        QWidget* widget = control<QWidget>(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), c.container) << c.name;
        EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
    }
    // The button keeps its designed centre, top and height, and grows where its caption
    // needs more than the designed 97 pixels.
    auto* button = control<QPushButton>("Command1");
    EXPECT_EQ(button->parentWidget(), about.data());
    EXPECT_EQ(button->y(), 264);
    EXPECT_EQ(button->height(), 33);
    EXPECT_LE(std::abs(button->geometry().center().x() - QRect(264, 264, 97, 33).center().x()), 1);
    EXPECT_GE(button->width(), std::max(97, button->sizeHint().width()));
    EXPECT_NE(qobject_cast<QGroupBox*>(control<QWidget>("Frame1")), nullptr);
    EXPECT_TRUE(control<QGroupBox>("Frame1")->title().isEmpty());
}

struct LabelCase {
    const char* name;
    QString text;
    qreal points;
    bool bold;
};

TEST_F(AboutScreenTest, LabelsCarryTheirTextsInArial)
{
    open();
    const LabelCase cases[] = {
        {"lblCompanyProduct", "Bramlow-Entwickler", 18, true},
        {"lblProductName", "Bramlow", 32.25, true},
        {"lblPlatform", QStringLiteral("für Linux"), 15.75, true},
        {"lblVersion", "Version 1.0.0", 12, true},
        {"lblCopyright", QStringLiteral("© 2026"), 8.25, false},
        {"lblCompany", QStringLiteral("Ein Brettspiel für zwei Spieler"), 8.25, false},
    };
    for (const LabelCase& c : cases) {
        auto* label = control<QLabel>(c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->parentWidget()->objectName(), "Frame1") << c.name;
        EXPECT_EQ(label->text(), c.text) << c.name;
        EXPECT_EQ(label->font().family(), "Arial") << c.name;
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), c.points) << c.name;
        EXPECT_EQ(label->font().bold(), c.bold) << c.name;
    }
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Zurück zum Spiel"));
}

struct SizedLabelCase {
    const char* name;
    QRect designed; // pixels
    Qt::Alignment keeps;
};

TEST_F(AboutScreenTest, LabelsSizedToTheirTextKeepTheirAlignedEdgeAndTop)
{
    open();
    const SizedLabelCase cases[] = {
        {"lblCompanyProduct", {184, 16, 403, 29}, Qt::AlignHCenter},
        {"lblPlatform", {232, 156, 349, 24}, Qt::AlignRight},
        {"lblVersion", {372, 180, 213, 19}, Qt::AlignRight},
    };
    for (const SizedLabelCase& c : cases) {
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

TEST_F(AboutScreenTest, LogoIsReadFromTheProgramDirectoryAtEveryOpening)
{
    open();
    EXPECT_EQ(control<PictureBox>("imgLogo")->picture().toImage().pixelColor(0, 0), QColor(Qt::red));
    about->close();
    deleteClosedWindows();
    ASSERT_TRUE(about.isNull()) << "the closed screen must be destroyed";

    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(dir.filePath("bramlow.bmp"), "BMP"));
    open();
    EXPECT_EQ(control<PictureBox>("imgLogo")->picture().toImage().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(AboutScreenTest, OnlyTheButtonTakesTheFocus)
{
    open();
    auto* button = control<QPushButton>("Command1");
    for (QWidget* child : about->findChildren<QWidget*>()) {
        if (child != button)
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
    }
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(about->focusWidget(), button);
}

TEST_F(AboutScreenTest, WindowIconIsTheProgramIconWhenPresent)
{
    open();
    const qint64 withoutIcon = about->windowIcon().cacheKey();
    about->close();
    deleteClosedWindows();

    QImage icon(48, 48, QImage::Format_ARGB32);
    icon.fill(Qt::darkYellow);
    ASSERT_TRUE(icon.save(dir.filePath("bramlow.png"), "PNG"));
    open();
    EXPECT_NE(about->windowIcon().cacheKey(), withoutIcon);
    EXPECT_EQ(about->windowIcon().pixmap(48, 48).toImage().pixelColor(10, 10), QColor(Qt::darkYellow));
}

struct CloseCase {
    const char* what;
    std::function<void(AboutScreen&)> act;
    bool closes;
};

// Below the logo, left of the small print: no control covers it.
constexpr QPoint kFreeSpot{100, 210};

TEST_F(AboutScreenTest, CharacterKeysFrameClicksAndTheButtonCloseEverythingElseDoesNot)
{
    const auto key = [](Qt::Key k, const char* target = "Command1") {
        return [k, target](AboutScreen& s) {
            QWidget* receiver = QString(target) == "frmSplash" ? &s : s.findChild<QWidget*>(target);
            QTest::keyClick(receiver, k);
        };
    };
    const auto click = [](const char* target, QPoint at) {
        return [target, at](AboutScreen& s) {
            QWidget* receiver = QString(target) == "frmSplash" ? &s : s.findChild<QWidget*>(target);
            QTest::mouseClick(receiver, Qt::LeftButton, {}, at);
        };
    };
    const CloseCase cases[] = {
        {"letter while the button has the focus", key(Qt::Key_A), true},
        {"Enter while the button has the focus", key(Qt::Key_Return), true},
        {"Escape while the button has the focus", key(Qt::Key_Escape), true},
        {"space while the button has the focus", key(Qt::Key_Space), true},
        {"digit sent to the window itself", key(Qt::Key_7, "frmSplash"), true},
        {"Escape sent to the window itself", key(Qt::Key_Escape, "frmSplash"), true},
        {"arrow key", key(Qt::Key_Left), false},
        {"function key", key(Qt::Key_F1), false},
        {"shift alone", key(Qt::Key_Shift), false},
        {"click on the frame's free area", click("Frame1", kFreeSpot), true},
        {"click on the logo", click("imgLogo", {20, 20}), false},
        {"click on the product name", click("lblProductName", {10, 10}), false},
        {"click on the version label", click("lblVersion", {5, 5}), false},
        {"click on the window outside the frame", click("frmSplash", {5, 295}), false},
        {"right click on the frame's free area",
         [](AboutScreen& s) { QTest::mouseClick(s.findChild<QWidget*>("Frame1"), Qt::RightButton, {}, kFreeSpot); },
         false},
        {"the button", [](AboutScreen& s) { s.findChild<QPushButton*>("Command1")->click(); }, true},
        {"reject, as QDialog does on Escape", [](AboutScreen& s) { s.reject(); }, true},
        {"accept", [](AboutScreen& s) { s.accept(); }, true},
    };
    for (const CloseCase& c : cases) {
        open();
        ASSERT_EQ(control<QWidget>("Frame1")->childAt(kFreeSpot), nullptr) << "test spot is not free";
        QSignalSpy closed(about.data(), &AboutScreen::closed);

        c.act(*about);
        deleteClosedWindows();

        if (c.closes) {
            EXPECT_EQ(closed.count(), 1) << c.what;
            EXPECT_TRUE(about.isNull()) << c.what << ": closed but not destroyed";
        } else {
            EXPECT_EQ(closed.count(), 0) << c.what;
            ASSERT_FALSE(about.isNull()) << c.what;
            EXPECT_TRUE(about->isVisible()) << c.what;
            delete about;
        }
    }
}

struct BringBackCase {
    const char* what;
    std::function<void(AboutScreen&)> closeIt;
    bool mainHidden;
};

TEST_F(AboutScreenTest, ClosingRepaintsShowsAndActivatesTheMainWindow)
{
    const BringBackCase cases[] = {
        {"key, main window visible", [](AboutScreen& s) { QTest::keyClick(s.findChild<QWidget*>("Command1"), Qt::Key_Q); },
         false},
        {"button, main window visible", [](AboutScreen& s) { s.findChild<QPushButton*>("Command1")->click(); }, false},
        {"frame click, main window visible",
         [](AboutScreen& s) { QTest::mouseClick(s.findChild<QWidget*>("Frame1"), Qt::LeftButton, {}, kFreeSpot); },
         false},
        {"key, main window hidden", [](AboutScreen& s) { QTest::keyClick(s.findChild<QWidget*>("Command1"), Qt::Key_Q); },
         true},
        {"button, main window hidden", [](AboutScreen& s) { s.findChild<QPushButton*>("Command1")->click(); }, true},
    };
    for (const BringBackCase& c : cases) {
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        open();
        about->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
        if (c.mainHidden)
            main->hide();
        const int paintsBefore = main->paints;

        c.closeIt(*about);
        deleteClosedWindows();

        EXPECT_TRUE(about.isNull()) << c.what;
        EXPECT_TRUE(main->isVisible()) << c.what;
        // A visible main window is repainted before the close returns, with no event
        // loop in between.
        if (!c.mainHidden)
            EXPECT_GT(main->paints, paintsBefore) << c.what << ": main window not repainted at once";
        EXPECT_TRUE(QTest::qWaitForWindowActive(main)) << c.what;
    }
}

TEST_F(AboutScreenTest, MainWindowAlreadyGoneStillClosesAndReports)
{
    open();
    QSignalSpy closed(about.data(), &AboutScreen::closed);
    main->close(); // its close box: the main window is deleted on close
    deleteClosedWindows();
    ASSERT_TRUE(main.isNull());
    ASSERT_FALSE(about.isNull()) << "the about screen went with the main window";
    EXPECT_TRUE(about->isVisible());

    QTest::keyClick(control<QWidget>("Command1"), Qt::Key_Return);
    deleteClosedWindows();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutScreenTest, ClosingTheMainWindowKeepsTheProgramRunning)
{
    // Qt decides "last window closed" only inside the running event loop, so this runs
    // one: close the main window, then the about screen, and see when the program ends.
    open();
    bool aboutClosing = false;
    int endings = 0;
    bool endedWhileAboutOpen = false;
    QObject context;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &context, [&] {
        ++endings;
        endedWhileAboutOpen = !aboutClosing;
    });
    QTimer::singleShot(0, &context, [&] { main->close(); });
    QTimer::singleShot(0, &context, [&] {
        EXPECT_TRUE(main.isNull() || !main->isVisible());
        ASSERT_FALSE(about.isNull());
        EXPECT_TRUE(about->isVisible());
        aboutClosing = true;
        about->close();
    });
    // Only a guard against a hang; the program is expected to end long before.
    QTimer::singleShot(20000, &context, [] { QCoreApplication::exit(1); });

    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(endings, 1);
    EXPECT_FALSE(endedWhileAboutOpen) << "the program ended with the about screen still open";
}

} // namespace
} // namespace bramlow
