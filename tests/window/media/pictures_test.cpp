// Pictures: the picture control on real widgets, and loading a picture from the program
// directory. The loader's fatal path ends the process; the real program's start-up test
// (startup_failure_test) covers it.
#include "window/media/picture_box.h"
#include "window/media/picture_loader.h"

#include "test_media_files.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace bramlow {
namespace {

using testing::quadrantImage;

// A picture control that counts its paints.
struct CountingBox : PictureBox {
    using PictureBox::PictureBox;
    int paints = 0;
    void paintEvent(QPaintEvent* event) override { ++paints; PictureBox::paintEvent(event); }
};

TEST(PictureBox, StretchesThePictureInsideItsBorderAndPaintsBeforeReturning)
{
    CountingBox box(nullptr, /*border=*/true);
    box.resize(42, 32);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const int paintsBefore = box.paints;

    // No event loop runs between the call and the check: the paint happened inside it.
    box.setPictureAndRefresh(QPixmap::fromImage(quadrantImage()));
    EXPECT_EQ(box.paints, paintsBefore + 1);

    // Inside the one-pixel border each source pixel fills a quadrant of 20 x 15 pixels.
    const QImage shot = box.grab().toImage();
    const QColor line = box.palette().color(QPalette::WindowText);
    const struct {
        QPoint at;
        QColor colour;
    } pixels[] = {
        {{0, 0}, line},          {{41, 31}, line},       {{20, 0}, line},          {{1, 1}, Qt::red},
        {{20, 15}, Qt::red},     {{21, 1}, Qt::green},   {{40, 15}, Qt::green},    {{1, 16}, Qt::blue},
        {{40, 30}, Qt::yellow},
    };
    for (const auto& pixel : pixels)
        EXPECT_EQ(shot.pixelColor(pixel.at), pixel.colour) << pixel.at.x() << "," << pixel.at.y();
}

TEST(PictureBox, ClickReportsIndexOnlyForALeftClickInsideAnEnabledVisibleBox)
{
    const struct {
        const char* what;
        bool enabled;
        bool visible;
        Qt::MouseButton button;
        QPoint release;
        bool clicks;
    } cases[] = {
        {"left click inside", true, true, Qt::LeftButton, {6, 6}, true},
        {"right click inside", true, true, Qt::RightButton, {5, 5}, false},
        {"pressed inside, released outside", true, true, Qt::LeftButton, {25, 5}, false},
        {"disabled box", false, true, Qt::LeftButton, {5, 5}, false},
        {"hidden box", true, false, Qt::LeftButton, {5, 5}, false},
    };
    for (const auto& c : cases) {
        // The board view lies behind the cells: a click on a cell must stop at the cell.
        struct Behind : QWidget {
            int presses = 0;
            void mousePressEvent(QMouseEvent*) override { ++presses; }
            void mouseReleaseEvent(QMouseEvent*) override { ++presses; }
        } behind;
        behind.resize(60, 60);
        auto* box = new PictureBox(&behind, false, 34);
        box->setGeometry(0, 0, 20, 20);
        box->setEnabled(c.enabled);
        box->setVisible(c.visible);
        behind.show();
        QSignalSpy spy(box, &PictureBox::clicked);

        QTest::mousePress(box, c.button, {}, {5, 5});
        QTest::mouseRelease(box, c.button, {}, c.release);

        ASSERT_EQ(spy.count(), c.clicks ? 1 : 0) << c.what;
        if (c.clicks) {
            EXPECT_EQ(spy.at(0).at(0).toInt(), 34) << c.what;
            EXPECT_EQ(behind.presses, 0) << c.what;
        }
    }
}

TEST(PictureLoader, ReadsFromTheProgramDirectoryAnewAtEachUseWhateverTheWorkingDirectory)
{
    // The program directory's name is not ASCII; the working directory holds a decoy.
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("Spiele für Jürgen"));
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(quadrantImage().save(program + "/07.bmp", "BMP"));
    const auto solid = [](QColor colour) {
        QImage image(3, 3, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
    QTemporaryDir elsewhere;
    ASSERT_TRUE(solid(Qt::black).save(elsewhere.filePath("07.bmp"), "BMP"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));

    const QImage first = loadPictureOrExit(program, "07.bmp").toImage();
    ASSERT_TRUE(solid(Qt::blue).save(program + "/07.bmp", "BMP"));
    const QImage second = loadPictureOrExit(program, "07.bmp").toImage();
    QDir::setCurrent(before);

    ASSERT_EQ(first.size(), QSize(2, 2));
    EXPECT_EQ(first.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(first.pixelColor(1, 1), QColor(Qt::yellow));
    EXPECT_EQ(second.pixelColor(1, 1), QColor(Qt::blue));
}

} // namespace
} // namespace bramlow
