#include "window/media/picture_box.h"

#include "test_media_files.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace bramlow {
namespace {

using testing::quadrantImage;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(PictureBox, StretchesThePictureOverItsWholeSize)
{
    PictureBox box(nullptr, /*border=*/false);
    box.resize(40, 30);
    box.setPictureAndRefresh(QPixmap::fromImage(quadrantImage()));
    const QImage shot = box.grab().toImage();

    // Each source pixel fills one quadrant: 20 x 15 pixels.
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(19, 14), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(20, 0), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(39, 14), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(0, 15), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(39, 29), QColor(Qt::yellow));
}

TEST(PictureBox, BorderIsOneLineAroundThePicture)
{
    PictureBox box(nullptr, /*border=*/true);
    box.resize(42, 32);
    box.setPictureAndRefresh(QPixmap::fromImage(quadrantImage()));
    const QImage shot = box.grab().toImage();
    const QColor line = box.palette().color(QPalette::WindowText);

    EXPECT_EQ(shot.pixelColor(0, 0), line);
    EXPECT_EQ(shot.pixelColor(41, 31), line);
    EXPECT_EQ(shot.pixelColor(20, 0), line);
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(40, 30), QColor(Qt::yellow));
}

TEST(PictureBox, SetPictureAndRefreshPaintsBeforeReturning)
{
    PictureBox box;
    box.resize(20, 20);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    PaintCounter counter;
    box.installEventFilter(&counter);

    // No event loop runs between the call and the check: the paint happened inside it.
    box.setPictureAndRefresh(QPixmap::fromImage(quadrantImage()));
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(box.picture().size(), QSize(2, 2));
}

struct ClickCase {
    const char* what;
    bool enabled;
    bool visible;
    Qt::MouseButton button;
    QPoint press;
    QPoint release;
    bool clicks;
};

TEST(PictureBox, ClickReportsIndexOnlyForALeftClickInsideAnEnabledVisibleBox)
{
    const ClickCase cases[] = {
        {"left click inside", true, true, Qt::LeftButton, {5, 5}, {6, 6}, true},
        {"right click inside", true, true, Qt::RightButton, {5, 5}, {5, 5}, false},
        {"pressed inside, released outside", true, true, Qt::LeftButton, {5, 5}, {25, 5}, false},
        {"disabled box", false, true, Qt::LeftButton, {5, 5}, {5, 5}, false},
        {"hidden box", true, false, Qt::LeftButton, {5, 5}, {5, 5}, false},
    };
    for (const ClickCase& c : cases) {
        QWidget window;
        window.resize(60, 60);
        auto* box = new PictureBox(&window, false, 34);
        box->setGeometry(0, 0, 20, 20);
        box->setEnabled(c.enabled);
        box->setVisible(c.visible);
        window.show();
        QSignalSpy spy(box, &PictureBox::clicked);

        QTest::mousePress(box, c.button, {}, c.press);
        QTest::mouseRelease(box, c.button, {}, c.release);

        ASSERT_EQ(spy.count(), c.clicks ? 1 : 0) << c.what;
        if (c.clicks)
            EXPECT_EQ(spy.at(0).at(0).toInt(), 34) << c.what;
    }
}

TEST(PictureBox, ClickDoesNotReachTheWidgetBehind)
{
    // The board view lies behind the cells: a click on a cell must stop at the cell.
    struct Behind : QWidget {
        int presses = 0;
        int releases = 0;
        void mousePressEvent(QMouseEvent*) override { ++presses; }
        void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
    } behind;
    behind.resize(60, 60);
    auto* box = new PictureBox(&behind, false, 7);
    box->setGeometry(0, 0, 20, 20);
    behind.show();

    QTest::mouseClick(box, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(behind.presses, 0);
    EXPECT_EQ(behind.releases, 0);
}

} // namespace
} // namespace bramlow
