// The game window with its real auto-size control: resized, shrunk to nothing,
// minimised and restored, every control and font follows the form in proportion.

#include "window/bramlow_window.h"
#include "window/media/picture_box.h"
#include "window/media/twips.h"
#include "window_test_support.h"

#include <QApplication>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace bramlow {
namespace {

struct Look {
    QRect geometry;
    double points;
};

// Every widget on the form, the ones inside Frame2 included, keyed by name and Index.
using Layout = std::map<std::string, Look>;

class WindowResize : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = std::make_unique<BramlowWindow>(test::programDir());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        designed_ = layout();
        ASSERT_EQ(window_->form()->size(), BramlowWindow::formSize());
    }

    Layout layout() const
    {
        Layout result;
        for (QWidget* w : window_->form()->findChildren<QWidget*>()) {
            // Controls lie on the form or in Frame2; deeper widgets are parts of a control.
            QWidget* container = w->parentWidget();
            if (container != window_->form() && container->objectName() != QLatin1String("Frame2"))
                continue;
            std::string key = w->objectName().toStdString();
            if (auto* box = qobject_cast<PictureBox*>(w); box && box->index() >= 0)
                key += "(" + std::to_string(box->index()) + ")";
            result[key] = Look{w->geometry(), w->font().pointSizeF()};
        }
        return result;
    }

    // Resizes the window so that its form gets `form` pixels.
    void resizeFormTo(QSize form)
    {
        const QSize frame = window_->size() - window_->form()->size();
        window_->resize(form + frame);
        QApplication::processEvents();
    }

    std::unique_ptr<BramlowWindow> window_;
    Layout designed_;
};

TEST_F(WindowResize, TwiceTheSizePutsEveryControlAtTwiceItsPlaceWithFontsTwiceAsHigh)
{
    resizeFormTo(BramlowWindow::formSize() * 2);
    ASSERT_EQ(window_->form()->size(), BramlowWindow::formSize() * 2);
    const Layout doubled = layout();

    struct Row {
        const char* key;
        int left, top, width, height; // as designed, in twips
    };
    const Row rows[] = {
        {"b(34)", 3720, 5280, 870, 870},    {"s(23)", 7920, 5280, 870, 870},
        {"g(17)", 6240, 7800, 870, 870},    {"g(28)", 7080, 240, 870, 870},
        {"Neu_but", 9240, 360, 1335, 615},  {"Image1", 9120, 1440, 3120, 2400},
        {"Frame2", 9120, 3960, 3255, 3135}, {"ausgabe1", 120, 360, 3015, 1215},
        {"wuerfel", 9960, 7440, 1485, 1110}, {"Image2", 0, 0, 9000, 8760},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        ASSERT_EQ(doubled.count(row.key), 1u);
        EXPECT_EQ(doubled.at(row.key).geometry,
                  twipsRect(2 * row.left, 2 * row.top, 2 * row.width, 2 * row.height));
    }

    ASSERT_EQ(doubled.size(), designed_.size());
    for (const auto& [key, look] : designed_) {
        SCOPED_TRACE(key);
        const Look& now = doubled.at(key);
        if (key == "TrellAutoSize1") {
            // Ignored by default: it moves with the form but keeps its own size.
            EXPECT_EQ(now.geometry.topLeft(), look.geometry.topLeft() * 2);
            EXPECT_EQ(now.geometry.size(), look.geometry.size());
            continue;
        }
        EXPECT_NEAR(now.geometry.left(), 2 * look.geometry.left(), 1);
        EXPECT_NEAR(now.geometry.top(), 2 * look.geometry.top(), 1);
        EXPECT_NEAR(now.geometry.width(), 2 * look.geometry.width(), 1);
        EXPECT_NEAR(now.geometry.height(), 2 * look.geometry.height(), 1);
    }
    for (const char* key : {"Neu_but", "ende", "ausgabe1", "ausgabe2", "ausgabe11"}) {
        SCOPED_TRACE(key);
        EXPECT_NEAR(doubled.at(key).points, 2 * designed_.at(key).points, 0.01);
    }
    EXPECT_NEAR(doubled.at("ausgabe1").points, 28.5, 0.01);
}

TEST_F(WindowResize, ShrunkToNothingAndRestoredEverythingIsBackWhereItWas)
{
    // Qt lays out no form of zero width, so one pixel is as small as it gets.
    resizeFormTo(QSize(1, 1));
    EXPECT_EQ(window_->form()->size(), QSize(1, 1));
    EXPECT_NE(layout().at("b(34)").geometry, designed_.at("b(34)").geometry);

    resizeFormTo(BramlowWindow::formSize());
    ASSERT_EQ(window_->form()->size(), BramlowWindow::formSize());
    const Layout restored = layout();
    for (const auto& [key, look] : designed_) {
        SCOPED_TRACE(key);
        EXPECT_EQ(restored.at(key).geometry, look.geometry);
        EXPECT_NEAR(restored.at(key).points, look.points, 0.01);
    }
}

TEST_F(WindowResize, MinimisingAndRestoringRescalesTooThoughTheFormKeepsItsSize)
{
    // A control out of place shows whether the control was asked to rescale.
    QWidget* neuBut = window_->findChild<QWidget*>(QStringLiteral("Neu_but"));
    neuBut->move(0, 0);

    window_->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_EQ(neuBut->geometry(), designed_.at("Neu_but").geometry);

    neuBut->move(0, 0);
    window_->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(neuBut->geometry(), designed_.at("Neu_but").geometry);
    EXPECT_EQ(window_->form()->size(), BramlowWindow::formSize());
}

} // namespace
} // namespace bramlow
