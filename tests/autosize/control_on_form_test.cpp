// TrellAutoSize on real Qt forms: a frame with nested controls, a control array, a menu
// bar, Qt widgets with inner widgets of their own.

#include "trellauto/trell_auto_size.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <map>

namespace {

struct Snapshot {
    QRect geometry;
    qreal pointSize;
    bool operator==(const Snapshot&) const = default;
};

// A main window shaped like a small game window: its central widget is the form,
// 600 x 450 pixels (9000 x 6750 twips).
class SmallWindow {
public:
    SmallWindow()
    {
        form = new QWidget;
        form->setObjectName(QStringLiteral("form"));
        window.setCentralWidget(form);
        QMenu* game = window.menuBar()->addMenu(QStringLiteral("Spiel"));
        game->setObjectName(QStringLiteral("menuSpiel"));
        game->addAction(QStringLiteral("neues Spiel"))->setObjectName(QStringLiteral("menuNeu"));
        game->addAction(QStringLiteral("Ende"))->setObjectName(QStringLiteral("menuEnde"));

        button = place(new QPushButton(QStringLiteral("neues Spiel"), form), "Neu_but",
                       {400, 20, 90, 40}, 9.75);
        frame = place(new QGroupBox(QStringLiteral("Meldungen"), form), "Frame2",
                      {400, 100, 180, 200}, 9.0);
        text = place(new QTextEdit(frame), "ausgabe1", {8, 24, 160, 80}, 14.25);
        line = place(new QLineEdit(frame), "ausgabe2", {8, 120, 160, 30}, 14.25);
        label = place(new QLabel(frame), "ausgabe11", {8, 160, 150, 24}, 9.75);
        for (int i = 0; i < 3; ++i) {
            QLabel* cell = place(new QLabel(form), "b", {20 + 60 * i, 40, 58, 58}, 8.0);
            cell->setProperty("Index", 11 + i);
            cells.push_back(cell);
        }
        autoSize = new TrellAutoSize(form);
        autoSize->setObjectName(QStringLiteral("TrellAutoSize1"));
        autoSize->move(624, 0);
        form->resize(600, 450);
    }

    template <typename W>
    W* place(W* widget, const char* name, QRect geometry, qreal points)
    {
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
        return widget;
    }

    std::map<QWidget*, Snapshot> snapshot() const
    {
        std::map<QWidget*, Snapshot> result;
        collect(form, result);
        return result;
    }

    // The form's controls: Qt's own inner widgets ("qt_...") are part of their owner.
    static void collect(QWidget* parent, std::map<QWidget*, Snapshot>& result)
    {
        for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            result[w] = {w->geometry(), w->font().pointSizeF()};
            collect(w, result);
        }
    }

    QMainWindow window;
    QWidget* form;
    QPushButton* button;
    QGroupBox* frame;
    QTextEdit* text;
    QLineEdit* line;
    QLabel* label;
    std::vector<QLabel*> cells;
    TrellAutoSize* autoSize;
};

TEST(ControlOnForm, TwiceTheSizeDoublesEveryControlAndFont)
{
    SmallWindow w;
    const auto designed = w.snapshot();
    w.autoSize->Init();
    w.form->resize(1200, 900);
    w.autoSize->Sizechanged();

    for (const auto& [widget, before] : designed) {
        SCOPED_TRACE(widget->objectName().toStdString());
        if (widget == w.autoSize) {
            EXPECT_EQ(widget->size(), before.geometry.size()) << "ignored by default";
            EXPECT_EQ(widget->pos(), before.geometry.topLeft() * 2) << "moved all the same";
            continue;
        }
        EXPECT_EQ(widget->geometry(), QRect(before.geometry.topLeft() * 2,
                                            before.geometry.size() * 2));
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), before.pointSize * 2);
    }
    // Nested controls keep their place inside the frame, scaled like the frame.
    EXPECT_EQ(w.line->parentWidget(), w.frame);
    EXPECT_EQ(w.line->pos(), QPoint(16, 240));
}

TEST(ControlOnForm, ShrunkToNothingAndRestoredIsBackWhereItWas)
{
    SmallWindow w;
    const auto designed = w.snapshot();
    w.autoSize->Init();
    w.form->resize(0, 0);
    w.autoSize->Sizechanged();
    EXPECT_EQ(w.button->geometry(), QRect(0, 0, 0, 0));
    w.form->resize(377, 211);
    w.autoSize->Sizechanged();
    w.form->resize(600, 450);
    w.autoSize->Sizechanged();
    EXPECT_EQ(w.snapshot(), designed);
}

TEST(ControlOnForm, SettingsTakeEffectAtTheNextSizechanged)
{
    struct Case {
        const char* name;
        std::function<void(TrellAutoSize&)> set;
        QRect button;
        qreal buttonFont;
        QSize cell;
    };
    const Case cases[] = {
        {"SizeWidth off", [](TrellAutoSize& c) { c.setSizeWidth(false); }, {800, 40, 90, 80}, 19.5, {58, 116}},
        {"SizeHeight off", [](TrellAutoSize& c) { c.setSizeHeight(false); }, {800, 40, 180, 40}, 19.5, {116, 58}},
        {"SizeFonts off", [](TrellAutoSize& c) { c.setSizeFonts(false); }, {800, 40, 180, 80}, 9.75, {116, 116}},
        {"Enabled off changes nothing", [](TrellAutoSize& c) { c.setControlEnabled(false); },
         {800, 40, 180, 80}, 19.5, {116, 116}},
        {"control array ignored by its name, button in capitals",
         [](TrellAutoSize& c) { c.setIgnore(QStringLiteral("B;NEU_BUT;")); }, {800, 40, 90, 40}, 9.75, {58, 58}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmallWindow w;
        w.autoSize->Init();
        c.set(*w.autoSize);
        EXPECT_EQ(w.button->geometry(), QRect(400, 20, 90, 40)) << "a put rescales nothing";
        w.form->resize(1200, 900);
        w.autoSize->Sizechanged();
        EXPECT_EQ(w.button->geometry(), c.button);
        EXPECT_DOUBLE_EQ(w.button->font().pointSizeF(), c.buttonFont);
        for (QLabel* cell : w.cells)
            EXPECT_EQ(cell->size(), c.cell);
    }
}

TEST(ControlOnForm, NonAsciiNamesAreComparedWithoutCase)
{
    SmallWindow w;
    w.label->setObjectName(QStringLiteral("Ärger"));
    w.autoSize->setIgnore(QStringLiteral("äRGER;"));
    w.autoSize->Init();
    w.form->resize(1200, 900);
    w.autoSize->Sizechanged();
    EXPECT_EQ(w.label->size(), QSize(150, 24));
    EXPECT_EQ(w.label->pos(), QPoint(16, 320));
}

TEST(ControlOnForm, InvisibleAtRunTimeYetMovedWithTheForm)
{
    SmallWindow w;
    w.window.show();
    EXPECT_FALSE(w.autoSize->isVisible());
    EXPECT_TRUE(w.button->isVisible());
    w.autoSize->Init();
    const QPoint before = w.autoSize->pos();
    w.form->resize(w.form->width() * 2, w.form->height());
    w.autoSize->Sizechanged();
    EXPECT_EQ(w.autoSize->pos().x(), before.x() * 2);
}

TEST(ControlOnForm, MenuBarOnTheFormIsAControlAndItsEntriesAreLeftAlone)
{
    QWidget form;
    form.resize(300, 200);
    auto* bar = new QMenuBar(&form);
    bar->setGeometry(0, 0, 300, 20);
    QMenu* menu = bar->addMenu(QStringLiteral("Datei"));
    menu->addAction(QStringLiteral("Ende"))->setObjectName(QStringLiteral("menuEnde"));
    auto* after = new QPushButton(&form);
    after->setGeometry(30, 100, 60, 20);
    auto* control = new TrellAutoSize(&form);
    control->Init();
    form.resize(600, 400);
    control->Sizechanged();
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 600, 40));
    EXPECT_EQ(after->geometry(), QRect(60, 200, 120, 40));
    EXPECT_TRUE(menu->isWindow());
}

TEST(ControlOnForm, BeforeInitOrWithoutAFormNothingHappens)
{
    SmallWindow w;
    const auto designed = w.snapshot();
    w.form->resize(1200, 900);
    w.autoSize->Sizechanged();
    EXPECT_EQ(w.snapshot(), designed) << "no Init yet: nothing collapses to 0, 0";

    TrellAutoSize orphan;
    orphan.Init();
    orphan.Sizechanged();
    EXPECT_EQ(orphan.size(), QSize(33, 33));
}

} // namespace
