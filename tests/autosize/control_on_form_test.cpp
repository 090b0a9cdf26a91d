// TrellAutoSize on real Qt forms: a frame with nested controls, a menu bar, Qt widgets
// with inner widgets of their own.

#include "trellauto/trell_auto_size.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

struct Snapshot {
    QRect geometry;
    qreal pointSize;
    bool operator==(const Snapshot&) const = default;
};

// A main window shaped like a small game window: its central widget is the form,
// 600 x 450 pixels (9000 x 6750 twips).
struct SmallWindow {
    SmallWindow()
    {
        window.setCentralWidget(form);
        QMenu* game = window.menuBar()->addMenu(QStringLiteral("Spiel"));
        game->addAction(QStringLiteral("Ende"))->setObjectName(QStringLiteral("menuEnde"));
        place(button, "Neu_but", {400, 20, 90, 40}, 9.75);
        place(frame, "Frame2", {400, 100, 180, 200}, 9.0);
        place(new QTextEdit(frame), "ausgabe1", {8, 24, 160, 80}, 14.25);
        place(new QLabel(frame), "ausgabe11", {8, 160, 150, 24}, 9.75);
        autoSize->setObjectName(QStringLiteral("TrellAutoSize1"));
        autoSize->move(624, 0);
        form->resize(600, 450);
    }

    static void place(QWidget* widget, const char* name, QRect geometry, qreal points)
    {
        widget->setObjectName(QString::fromUtf8(name));
        widget->setGeometry(geometry);
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
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
    std::map<QWidget*, Snapshot> snapshot() const
    {
        std::map<QWidget*, Snapshot> result;
        collect(form, result);
        return result;
    }

    QMainWindow window;
    QWidget* form = new QWidget;
    QPushButton* button = new QPushButton(QStringLiteral("neues Spiel"), form);
    QGroupBox* frame = new QGroupBox(QStringLiteral("Meldungen"), form);
    TrellAutoSize* autoSize = new TrellAutoSize(form);
};

TEST(ControlOnForm, TwiceTheSizeThenShrunkToNothingAndRestored)
{
    SmallWindow w;
    const auto designed = w.snapshot();
    ASSERT_EQ(designed.size(), 5u);
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
        // Nested controls keep their place inside the frame, scaled like the frame.
        EXPECT_EQ(widget->geometry(), QRect(before.geometry.topLeft() * 2,
                                            before.geometry.size() * 2));
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), before.pointSize * 2);
    }

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
        std::function<void(SmallWindow&)> set;
        QRect button;
        qreal buttonFont;
    };
    const Case cases[] = {
        {"SizeWidth off", [](SmallWindow& w) { w.autoSize->setSizeWidth(false); }, {800, 40, 90, 80}, 19.5},
        {"SizeHeight off", [](SmallWindow& w) { w.autoSize->setSizeHeight(false); }, {800, 40, 180, 40}, 19.5},
        {"SizeFonts off", [](SmallWindow& w) { w.autoSize->setSizeFonts(false); }, {800, 40, 180, 80}, 9.75},
        {"Enabled off changes nothing", [](SmallWindow& w) { w.autoSize->setControlEnabled(false); },
         {800, 40, 180, 80}, 19.5},
        {"ignored by its name in capitals",
         [](SmallWindow& w) { w.autoSize->setIgnore(QStringLiteral("NEU_BUT;")); }, {800, 40, 90, 40}, 9.75},
        {"non-ASCII name ignored without regard to case",
         [](SmallWindow& w) {
             w.button->setObjectName(QStringLiteral("Ärger"));
             w.autoSize->setIgnore(QStringLiteral("äRGER;"));
         },
         {800, 40, 90, 40}, 9.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmallWindow w;
        w.autoSize->Init();
        c.set(w);
        EXPECT_EQ(w.button->geometry(), QRect(400, 20, 90, 40)) << "a put rescales nothing";
        w.form->resize(1200, 900);
        w.autoSize->Sizechanged();
        EXPECT_EQ(w.button->geometry(), c.button);
        EXPECT_DOUBLE_EQ(w.button->font().pointSizeF(), c.buttonFont);
    }
}

TEST(ControlOnForm, MenuBarOnAPlainFormIsAControlAndItsEntriesAreLeftAlone)
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

TEST(ControlOnForm, WithoutAFormNothingHappens)
{
    TrellAutoSize orphan;
    orphan.Init();
    orphan.Sizechanged();
    EXPECT_EQ(orphan.size(), QSize(33, 33));
    EXPECT_EQ(orphan.pos(), QPoint(0, 0));
}

} // namespace
