// The main window as designed and resized: every control by name at its place, the 96
// cells of the board view by the one placement rule, menus, keyboard order, the window
// operations that the engine relies on, and the real auto-size control making every
// control and font follow the form in proportion.

#include "window/bramlow_window.h"
#include "window/media/picture_box.h"
#include "window/media/twips.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace bramlow {
namespace {

// Places as designed, in twips; cells are named by their array and Index.
const struct {
    const char* key;
    const char* kind;
    int left, top, width, height;
} designed[] = {
    {"b(34)", "bramlow::PictureBox", 3720, 5280, 870, 870},
    {"s(23)", "bramlow::PictureBox", 7920, 5280, 870, 870},
    {"g(17)", "bramlow::PictureBox", 6240, 7800, 870, 870},
    {"g(28)", "bramlow::PictureBox", 7080, 240, 870, 870},
    {"Neu_but", "QPushButton", 9240, 360, 1335, 615},
    {"ende", "QPushButton", 11040, 360, 1215, 615},
    {"Image1", "bramlow::PictureBox", 9120, 1440, 3120, 2400},
    {"Frame2", "QGroupBox", 9120, 3960, 3255, 3135},
    {"ausgabe1", "bramlow::TextBoxWidget", 120, 360, 3015, 1215},
    {"ausgabe2", "bramlow::TextBoxWidget", 120, 1800, 3015, 1095},
    {"ausgabe11", "QLabel", 120, 2640, 2775, 375},
    {"wuerfel", "bramlow::PictureBox", 9960, 7440, 1485, 1110},
    {"Image2", "bramlow::PictureBox", 0, 0, 9000, 8760},
    {"speicher", "bramlow::TextBoxWidget", 7920, 7920, 855, 375},
    {"speicher2", "bramlow::TextBoxWidget", 9000, 7200, 855, 375},
};

struct Look {
    QRect geometry;
    double points;
    std::string kind;
};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = std::make_unique<BramlowWindow>(test::programDir());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        asDesigned_ = layout();
    }

    // Every control on the form, the ones inside Frame2 included.
    std::map<std::string, Look> layout() const
    {
        std::map<std::string, Look> result;
        for (QWidget* w : window_->form()->findChildren<QWidget*>()) {
            // Controls lie on the form or in Frame2; deeper widgets are parts of a control.
            if (w->parentWidget() != window_->form() && w->parentWidget()->objectName() != QLatin1String("Frame2"))
                continue;
            std::string key = w->objectName().toStdString();
            if (auto* box = qobject_cast<PictureBox*>(w); box && box->index() >= 0)
                key += "(" + std::to_string(box->index()) + ")";
            EXPECT_EQ(result.count(key), 0u) << "two controls are " << key;
            result[key] = Look{w->geometry(), w->font().pointSizeF(), w->metaObject()->className()};
        }
        return result;
    }

    void resizeFormTo(QSize form)
    {
        window_->resize(form + window_->size() - window_->form()->size());
        QApplication::processEvents();
    }

    template <typename W = QWidget>
    W* named(const char* name) const
    {
        return window_->findChild<W*>(QString::fromLatin1(name));
    }

    std::unique_ptr<BramlowWindow> window_;
    std::map<std::string, Look> asDesigned_;
};

TEST_F(MainWindow, ControlsAndSampleCellsHaveTheirNamesKindsAndPlaces)
{
    for (const auto& row : designed) {
        ASSERT_EQ(asDesigned_.count(row.key), 1u) << row.key;
        EXPECT_EQ(asDesigned_.at(row.key).kind, row.kind) << row.key;
        EXPECT_EQ(asDesigned_.at(row.key).geometry, twipsRect(row.left, row.top, row.width, row.height)) << row.key;
    }
    for (const char* inFrame : {"ausgabe1", "ausgabe2", "ausgabe11"})
        EXPECT_EQ(named(inFrame)->parentWidget(), named("Frame2")) << inFrame;
    QWidget* control = named("TrellAutoSize1");
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), window_->form());
    EXPECT_EQ(control->pos(), QPoint(twipsToPixels(9360), 0));
    EXPECT_EQ(window_->form()->size(), QSize(twipsToPixels(12375), twipsToPixels(8745)));
    EXPECT_EQ(window_->objectName(), QStringLiteral("Bramlow"));
    EXPECT_FALSE(window_->windowIcon().isNull());
}

TEST_F(MainWindow, EveryCellFollowsTheTenByTenGridAndCornersStayEmpty)
{
    // Screen row r from 0 at the bottom, column c from 0 at the left.
    auto at = [](int r, int c) { return QPoint(twipsToPixels(360 + 840 * c), twipsToPixels(7800 - 840 * r)); };
    std::map<std::pair<int, int>, int> occupied;
    std::map<QString, int> counts;
    for (PictureBox* cell : window_->form()->findChildren<PictureBox*>()) {
        const QString name = cell->objectName();
        if (name != QLatin1String("b") && name != QLatin1String("s") && name != QLatin1String("g"))
            continue;
        ++counts[name];
        const int t = cell->index() / 10;
        const int u = cell->index() % 10;
        SCOPED_TRACE(name.toStdString() + std::to_string(cell->index()));
        ASSERT_TRUE(u >= 1 && u <= 8);
        ASSERT_TRUE(name == QLatin1String("b") ? t >= 1 && t <= 8 : t == 1 || t == 2);
        const std::pair<int, int> square = name == QLatin1String("b")   ? std::pair{t, u}
                                           : name == QLatin1String("s") ? std::pair{u, t == 1 ? 0 : 9}
                                                                        : std::pair{t == 1 ? 0 : 9, u};
        EXPECT_EQ(cell->pos(), at(square.first, square.second));
        EXPECT_EQ(cell->width(), twipsToPixels(name == QLatin1String("s") && cell->index() == 18 ? 875 : 870));
        ++occupied[square];
    }
    EXPECT_EQ(counts, (std::map<QString, int>{{"b", 64}, {"g", 16}, {"s", 16}}));
    EXPECT_EQ(occupied.size(), 96u) << "two cells share a square";
    for (auto corner : {std::pair{0, 0}, std::pair{0, 9}, std::pair{9, 0}, std::pair{9, 9}})
        EXPECT_EQ(occupied.count(corner), 0u);
}

TEST_F(MainWindow, PicturesAndHiddenStateAtLoad)
{
    EXPECT_EQ(window_->text(TextBox::speicher), "Text1");
    EXPECT_EQ(window_->text(TextBox::speicher2), "Text1");
    for (const char* hidden : {"speicher", "speicher2", "wuerfel"})
        EXPECT_TRUE(named(hidden)->isHidden()) << hidden;
    EXPECT_FALSE(named("Image1")->isEnabled());
    for (const char* picture : {"Image1", "Image2", "wuerfel"})
        EXPECT_FALSE(named<PictureBox>(picture)->picture().isNull()) << picture;
    EXPECT_TRUE(window_->cell(CellArray::b, 34)->picture().isNull());
}

TEST_F(MainWindow, MenusCarryTheirEntriesAndShortcuts)
{
    const struct {
        const char* menuName;
        const char* menuTitle;
        const char* action;
        const char* text;
        QKeySequence shortcut;
    } rows[] = {
        {"menuDate", "Datei", "menuNeu", "neues Spiel", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"menuDate", "Datei", "menuEnde", "Ende", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"menuH", "Hilfe", "menuHilfe", "Hilfe", QKeySequence(Qt::CTRL | Qt::Key_H)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action);
        auto* menu = named<QMenu>(row.menuName);
        auto* action = named<QAction>(row.action);
        ASSERT_NE(menu, nullptr);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(row.menuTitle));
        EXPECT_TRUE(menu->actions().contains(action));
        EXPECT_EQ(action->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(action->shortcut(), row.shortcut);
    }
    QStringList titles;
    for (QAction* top : window_->menuBar()->actions())
        titles << top->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Datei"), QStringLiteral("Hilfe")}));
}

TEST_F(MainWindow, TabOrderRunsFromNeuesSpielThroughTheTextBoxesWithFocusOnNeuesSpiel)
{
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QWidget* first = named("Neu_but");
    EXPECT_EQ(QApplication::focusWidget(), first);
    QStringList order;
    QWidget* w = first;
    for (int step = 0; step < 4; ++step) {
        order << w->objectName();
        QTest::keyClick(window_->windowHandle(), Qt::Key_Tab);
        w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("Neu_but"), QStringLiteral("ende"), QStringLiteral("ausgabe1"),
                                  QStringLiteral("ausgabe2")}));
    EXPECT_EQ(w, first) << "the order wraps round to Neu_but";
}

TEST_F(MainWindow, TextReadsBackExactlyAsWritten)
{
    const struct {
        const char* what;
        TextBox box;
        std::string text;
    } rows[] = {
        {"empty prompt", TextBox::ausgabe2, ""},
        {"lone CR and LF", TextBox::ausgabe2, "a\rb\nc"},
        {"trailing blanks and line break", TextBox::speicher, "b34  \r\n"},
        {"win text with CR LF", TextBox::ausgabe1, "Glückwunsch!\r\nGewonnen hat Spieler Gold"},
    };
    for (const auto& row : rows) {
        window_->setText(row.box, row.text);
        EXPECT_EQ(window_->text(row.box), row.text) << row.what;
    }
    // The last row is shown as two centred lines.
    auto* shown = named<QTextEdit>("ausgabe1");
    EXPECT_EQ(shown->toPlainText(), QStringLiteral("Glückwunsch!\nGewonnen hat Spieler Gold"));
    EXPECT_EQ(shown->document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(MainWindow, PicturesForIndexesNoArrayHasChangeNothing)
{
    window_->setCellPicture(CellArray::b, 19, "01.bmp");
    window_->setCellPicture(CellArray::s, 99, "01.bmp");
    window_->setCellPicture(CellArray::g, -5, "01.bmp");
    EXPECT_EQ(window_->cell(CellArray::b, 19), nullptr);
    EXPECT_TRUE(window_->cell(CellArray::s, 18)->picture().isNull());
}

TEST_F(MainWindow, TwiceTheSizePutsEveryControlAtTwiceItsPlaceWithFontsTwiceAsHigh)
{
    resizeFormTo(BramlowWindow::formSize() * 2);
    ASSERT_EQ(window_->form()->size(), BramlowWindow::formSize() * 2);
    const auto doubled = layout();
    for (const auto& row : designed)
        EXPECT_EQ(doubled.at(row.key).geometry, twipsRect(2 * row.left, 2 * row.top, 2 * row.width, 2 * row.height))
            << row.key;

    ASSERT_EQ(doubled.size(), asDesigned_.size());
    for (const auto& [key, look] : asDesigned_) {
        SCOPED_TRACE(key);
        const QRect now = doubled.at(key).geometry;
        if (key == "TrellAutoSize1") {
            // Ignored by default: it moves with the form but keeps its own size.
            EXPECT_EQ(now, QRect(look.geometry.topLeft() * 2, look.geometry.size()));
            continue;
        }
        EXPECT_NEAR(now.left(), 2 * look.geometry.left(), 1);
        EXPECT_NEAR(now.top(), 2 * look.geometry.top(), 1);
        EXPECT_NEAR(now.width(), 2 * look.geometry.width(), 1);
        EXPECT_NEAR(now.height(), 2 * look.geometry.height(), 1);
    }
    for (const char* key : {"Neu_but", "ende", "ausgabe1", "ausgabe2", "ausgabe11"})
        EXPECT_NEAR(doubled.at(key).points, 2 * asDesigned_.at(key).points, 0.01) << key;
    EXPECT_NEAR(doubled.at("ausgabe1").points, 28.5, 0.01);
}

TEST_F(MainWindow, ShrunkToNothingAndRestoredEverythingIsBackWhereItWas)
{
    // Qt lays out no form of zero width, so one pixel is as small as it gets.
    resizeFormTo(QSize(1, 1));
    EXPECT_EQ(window_->form()->size(), QSize(1, 1));
    EXPECT_NE(layout().at("b(34)").geometry, asDesigned_.at("b(34)").geometry);

    resizeFormTo(BramlowWindow::formSize());
    ASSERT_EQ(window_->form()->size(), BramlowWindow::formSize());
    const auto restored = layout();
    for (const auto& [key, look] : asDesigned_) {
        EXPECT_EQ(restored.at(key).geometry, look.geometry) << key;
        EXPECT_NEAR(restored.at(key).points, look.points, 0.01) << key;
    }
}

TEST_F(MainWindow, MinimisingAndRestoringRescalesTooThoughTheFormKeepsItsSize)
{
    // A control out of place shows whether the control was asked to rescale.
    QWidget* neuBut = named("Neu_but");
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowNoState}) {
        neuBut->move(0, 0);
        window_->setWindowState(state);
        QApplication::processEvents();
        EXPECT_EQ(neuBut->geometry(), asDesigned_.at("Neu_but").geometry) << state;
    }
    EXPECT_EQ(window_->form()->size(), BramlowWindow::formSize());
}

} // namespace
} // namespace bramlow
