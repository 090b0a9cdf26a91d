// The main window as designed: every control by name at its place, the board view's 96
// cells by the one placement rule, menus, keyboard order, the texts at load, and the
// window operations that the engine relies on.

#include "window/bramlow_window.h"
#include "window/media/picture_box.h"
#include "window/media/twips.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace bramlow {
namespace {

class MainWindowLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() { window_ = new BramlowWindow(test::programDir()); }
    static void TearDownTestSuite()
    {
        delete window_;
        window_ = nullptr;
    }

    template <typename W = QWidget>
    static W* named(const char* name)
    {
        return window_->findChild<W*>(QString::fromLatin1(name));
    }

    static BramlowWindow* window_;
};

BramlowWindow* MainWindowLayout::window_ = nullptr;

struct Placement {
    const char* what;
    CellArray array;
    int index;
    int left, top; // twips
};

TEST_F(MainWindowLayout, SampleCellsStandWhereTheirIndexPutsThem)
{
    const Placement rows[] = {
        {"b(34): board row 3, column 4", CellArray::b, 34, 3720, 5280},
        {"s(23): Silber target beside row 3", CellArray::s, 23, 7920, 5280},
        {"g(17): Gold start under column 7", CellArray::g, 17, 6240, 7800},
        {"g(28): Gold target over column 8", CellArray::g, 28, 7080, 240},
        {"b(11): lowest left board square", CellArray::b, 11, 1200, 6960},
        {"b(88): highest right board square", CellArray::b, 88, 7080, 1080},
        {"s(11): Silber start beside row 1", CellArray::s, 11, 360, 6960},
    };
    for (const Placement& row : rows) {
        SCOPED_TRACE(row.what);
        PictureBox* cell = window_->cell(row.array, row.index);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->pos(), QPoint(twipsToPixels(row.left), twipsToPixels(row.top)));
        EXPECT_EQ(cell->index(), row.index);
    }
}

TEST_F(MainWindowLayout, EveryCellFollowsTheTenByTenGridAndCornersStayEmpty)
{
    // Screen row R from 0 at the bottom, column C from 0 at the left.
    auto at = [](int r, int c) { return QPoint(twipsToPixels(360 + 840 * c), twipsToPixels(7800 - 840 * r)); };
    std::map<std::pair<int, int>, int> occupied;
    const std::map<const char*, CellArray> arrays{{"b", CellArray::b}, {"s", CellArray::s}, {"g", CellArray::g}};
    std::map<std::string, int> counts;
    for (PictureBox* cell : window_->form()->findChildren<PictureBox*>()) {
        const QString name = cell->objectName();
        if (name != QLatin1String("b") && name != QLatin1String("s") && name != QLatin1String("g"))
            continue;
        ++counts[name.toStdString()];
        const int t = cell->index() / 10;
        const int u = cell->index() % 10;
        ASSERT_TRUE(u >= 1 && u <= 8) << name.toStdString() << cell->index();
        int r = 0;
        int c = 0;
        if (name == QLatin1String("b")) {
            ASSERT_TRUE(t >= 1 && t <= 8);
            r = t, c = u;
        } else if (name == QLatin1String("s")) {
            ASSERT_TRUE(t == 1 || t == 2);
            r = u, c = (t == 1 ? 0 : 9);
        } else {
            ASSERT_TRUE(t == 1 || t == 2);
            r = (t == 1 ? 0 : 9), c = u;
        }
        EXPECT_EQ(cell->pos(), at(r, c)) << name.toStdString() << cell->index();
        EXPECT_EQ(cell->width(), twipsToPixels(name == QLatin1String("s") && cell->index() == 18 ? 875 : 870));
        ++occupied[{r, c}];
    }
    EXPECT_EQ(counts["b"], 64);
    EXPECT_EQ(counts["s"], 16);
    EXPECT_EQ(counts["g"], 16);
    EXPECT_EQ(occupied.size(), 96u) << "two cells share a square";
    for (auto corner : {std::pair{0, 0}, std::pair{0, 9}, std::pair{9, 0}, std::pair{9, 9}})
        EXPECT_EQ(occupied.count(corner), 0u);
}

TEST_F(MainWindowLayout, CellsLieOverTheBackgroundLogo)
{
    QWidget* image2 = named("Image2");
    ASSERT_NE(image2, nullptr);
    const QObjectList& stacking = window_->form()->children();
    const auto image2At = stacking.indexOf(image2);
    for (CellArray array : {CellArray::b, CellArray::s, CellArray::g})
        EXPECT_GT(stacking.indexOf(window_->cell(array, 18)), image2At);
    EXPECT_EQ(image2->geometry(), twipsRect(0, 0, 9000, 8760));
}

struct ControlRow {
    const char* name;
    const char* kind;
    int left, top, width, height;
};

TEST_F(MainWindowLayout, ControlsHaveTheirNamesKindsAndPlaces)
{
    const ControlRow rows[] = {
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
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.name);
        const QList<QWidget*> found = window_->findChildren<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_EQ(found.size(), 1);
        EXPECT_STREQ(found.front()->metaObject()->className(), row.kind);
        EXPECT_EQ(found.front()->geometry(), twipsRect(row.left, row.top, row.width, row.height));
    }
    for (const char* inFrame : {"ausgabe1", "ausgabe2", "ausgabe11"})
        EXPECT_EQ(named(inFrame)->parentWidget(), named("Frame2")) << inFrame;

    QWidget* control = named("TrellAutoSize1");
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), window_->form());
    EXPECT_EQ(control->pos(), QPoint(twipsToPixels(9360), 0));
}

TEST_F(MainWindowLayout, FormHasItsDesignedInnerSizeBelowTheMenuBar)
{
    window_->show();
    QApplication::processEvents();
    EXPECT_EQ(window_->form()->size(), QSize(twipsToPixels(12375), twipsToPixels(8745)));
    EXPECT_EQ(window_->objectName(), QStringLiteral("Bramlow"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Bramlow"));
    EXPECT_FALSE(window_->windowIcon().isNull());
}

TEST_F(MainWindowLayout, TextsPicturesAndLooksAtLoad)
{
    EXPECT_EQ(named<QPushButton>("Neu_but")->text(), QStringLiteral("neues Spiel"));
    EXPECT_EQ(named<QPushButton>("ende")->text(), QStringLiteral("Ende"));
    EXPECT_EQ(named<QGroupBox>("Frame2")->title(), QStringLiteral("Meldungen"));
    EXPECT_EQ(window_->text(TextBox::ausgabe1), "Willkommen bei Bramlow");
    EXPECT_EQ(window_->text(TextBox::ausgabe2), "Bitte neues Spiel wählen!");
    EXPECT_EQ(window_->text(TextBox::speicher), "Text1");
    EXPECT_EQ(window_->text(TextBox::speicher2), "Text1");
    EXPECT_TRUE(named("speicher")->isHidden());
    EXPECT_TRUE(named("speicher2")->isHidden());
    EXPECT_TRUE(named("wuerfel")->isHidden());
    EXPECT_FALSE(named("Image1")->isEnabled());

    for (const char* picture : {"Image1", "Image2", "wuerfel"})
        EXPECT_FALSE(named<PictureBox>(picture)->picture().isNull()) << picture;
    EXPECT_TRUE(window_->cell(CellArray::b, 34)->picture().isNull());

    EXPECT_DOUBLE_EQ(named("Neu_but")->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(named("ausgabe11")->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(named("ausgabe1")->font().pointSizeF(), 14.25);
    EXPECT_EQ(named("ausgabe1")->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(named("ausgabe1")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(named("ausgabe1")->palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(named("ausgabe2")->palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(named("ausgabe11")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_TRUE(named<QTextEdit>("ausgabe1")->isReadOnly());
    EXPECT_TRUE(named<QPushButton>("Neu_but")->autoDefault());
}

struct MenuRow {
    const char* menuName;
    const char* menuTitle;
    const char* action;
    const char* text;
    QKeySequence shortcut;
};

TEST_F(MainWindowLayout, MenusCarryTheirEntriesAndShortcuts)
{
    const MenuRow rows[] = {
        {"menuDate", "Datei", "menuNeu", "neues Spiel", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"menuDate", "Datei", "menuEnde", "Ende", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"menuH", "Hilfe", "menuHilfe", "Hilfe", QKeySequence(Qt::CTRL | Qt::Key_H)},
    };
    for (const MenuRow& row : rows) {
        SCOPED_TRACE(row.action);
        auto* menu = named<QMenu>(row.menuName);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(row.menuTitle));
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(row.action));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(menu->actions().contains(action));
        EXPECT_EQ(action->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(action->shortcut(), row.shortcut);
    }
    QStringList titles;
    for (QAction* top : window_->menuBar()->actions())
        titles << top->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Datei"), QStringLiteral("Hilfe")}));
}

TEST_F(MainWindowLayout, TabOrderRunsFromNeuesSpielThroughTheTextBoxesWithFocusOnNeuesSpiel)
{
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
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

struct TextRow {
    const char* what;
    TextBox box;
    std::string text;
};

TEST_F(MainWindowLayout, TextReadsBackExactlyAsWritten)
{
    const TextRow rows[] = {
        {"win text with CR LF", TextBox::ausgabe1, "Glückwunsch!\r\nGewonnen hat Spieler Gold"},
        {"empty prompt", TextBox::ausgabe2, ""},
        {"lone CR and LF", TextBox::ausgabe2, "a\rb\nc"},
        {"trailing blanks and line break", TextBox::speicher, "b34  \r\n"},
        {"decimal code", TextBox::speicher2, "11"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.what);
        window_->setText(row.box, row.text);
        EXPECT_EQ(window_->text(row.box), row.text);
    }
    window_->setText(TextBox::ausgabe1, "Glückwunsch!\r\nGewonnen hat Spieler Gold");
    auto* shown = named<QTextEdit>("ausgabe1");
    EXPECT_EQ(shown->toPlainText(), QStringLiteral("Glückwunsch!\nGewonnen hat Spieler Gold"));
    EXPECT_EQ(shown->document()->blockCount(), 2);
    EXPECT_EQ(shown->document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    window_->setMessage("Ich schmeisse Gold");
    EXPECT_EQ(named<QLabel>("ausgabe11")->text(), QStringLiteral("Ich schmeisse Gold"));
}

TEST_F(MainWindowLayout, CellAndDiePicturesComeFromTheirFiles)
{
    window_->setCellPicture(CellArray::g, 17, "11.bmp");
    const QImage expected = QImage(test::programDir() + QStringLiteral("/11.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(window_->cell(CellArray::g, 17)->picture().toImage().convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_TRUE(window_->cell(CellArray::s, 17)->picture().isNull()) << "only the named array changes";

    // Indexes no array has change nothing and do not crash.
    window_->setCellPicture(CellArray::b, 19, "01.bmp");
    window_->setCellPicture(CellArray::s, 99, "01.bmp");
    window_->setCellPicture(CellArray::g, -5, "01.bmp");
    EXPECT_EQ(window_->cell(CellArray::b, 19), nullptr);
}

} // namespace
} // namespace bramlow
