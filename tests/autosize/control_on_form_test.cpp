// TrellAutoSize on a real Qt form: a frame with nested controls, a menu bar with its
// entries, Qt widgets with inner widgets of their own.

#include "trellauto/trell_auto_size.h"

#include <QGroupBox>
#include <QLabel>
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

// 600 x 450 pixels, 9000 x 6750 twips.
struct SmallForm {
    SmallForm()
    {
        form.resize(600, 450);
        place(bar, "menuBar", {0, 0, 600, 20}, 9.0);
        QAction* ende = bar->addMenu(QStringLiteral("Spiel"))->addAction(QStringLiteral("Ende"));
        ende->setObjectName(QStringLiteral("menuEnde"));
        place(button, "Würfel_but", {400, 20, 90, 40}, 9.75);
        place(frame, "Frame2", {400, 100, 180, 200}, 9.0);
        place(new QTextEdit(frame), "ausgabe1", {8, 24, 160, 80}, 14.25);
        place(new QLabel(frame), "ausgabe11", {8, 160, 150, 24}, 9.75);
        // In other case than the default Ignore "TrellAutoSize1;", which still exempts it.
        autoSize->setObjectName(QStringLiteral("trellautosize1"));
        autoSize->move(480, 0);
    }

    static void place(QWidget* widget, const char* name, QRect geometry, qreal points)
    {
        widget->setObjectName(QString::fromUtf8(name));
        widget->setGeometry(geometry);
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
    }

    // The form's controls: menus open as windows of their own, and Qt's inner widgets
    // ("qt_...") are part of their owner.
    static void collect(QWidget* parent, std::map<QWidget*, Snapshot>& result)
    {
        for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            result[w] = {w->geometry(), w->font().pointSizeF()};
            collect(w, result);
        }
    }
    std::map<QWidget*, Snapshot> snapshot()
    {
        std::map<QWidget*, Snapshot> result;
        collect(&form, result);
        return result;
    }

    QWidget form;
    QMenuBar* bar = new QMenuBar(&form);
    QPushButton* button = new QPushButton(QStringLiteral("würfeln"), &form);
    QGroupBox* frame = new QGroupBox(QStringLiteral("Meldungen"), &form);
    TrellAutoSize* autoSize = new TrellAutoSize(&form);
};

TEST(ControlOnForm, TwiceTheSizeThenShrunkToNothingAndRestored)
{
    SmallForm f;
    const auto designed = f.snapshot();
    ASSERT_EQ(designed.size(), 6u);
    f.autoSize->Init();
    f.form.resize(1200, 900);
    f.autoSize->Sizechanged();
    for (const auto& [widget, before] : designed) {
        SCOPED_TRACE(widget->objectName().toStdString());
        if (widget == f.autoSize) {
            EXPECT_EQ(widget->size(), before.geometry.size()) << "ignored by default";
            EXPECT_EQ(widget->pos(), before.geometry.topLeft() * 2) << "moved all the same";
            continue;
        }
        // Nested controls keep their place inside the frame, scaled like the frame.
        EXPECT_EQ(widget->geometry(), QRect(before.geometry.topLeft() * 2,
                                            before.geometry.size() * 2));
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), before.pointSize * 2);
    }

    f.form.resize(0, 0);
    f.autoSize->Sizechanged();
    EXPECT_EQ(f.button->geometry(), QRect(0, 0, 0, 0));
    f.form.resize(377, 211);
    f.autoSize->Sizechanged();
    f.form.resize(600, 450);
    f.autoSize->Sizechanged();
    EXPECT_EQ(f.snapshot(), designed);
}

TEST(ControlOnForm, SettingsTakeEffectAtTheNextSizechanged)
{
    struct Case {
        const char* property;
        QVariant value;
        QRect button;
        qreal buttonFont;
    };
    const Case cases[] = {
        {"SizeWidth", false, {800, 40, 90, 80}, 19.5},
        {"SizeHeight", false, {800, 40, 180, 40}, 19.5},
        {"SizeFonts", false, {800, 40, 180, 80}, 9.75},
        {"Enabled", false, {800, 40, 180, 80}, 19.5}, // no influence on rescaling
        {"Ignore", QStringLiteral("WÜRFEL_BUT;"), {800, 40, 90, 40}, 9.75}, // non-ASCII, other case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        SmallForm f;
        f.autoSize->Init();
        f.autoSize->setProperty(c.property, c.value);
        EXPECT_EQ(f.button->geometry(), QRect(400, 20, 90, 40)) << "a put rescales nothing";
        f.form.resize(1200, 900);
        f.autoSize->Sizechanged();
        EXPECT_EQ(f.button->geometry(), c.button);
        EXPECT_DOUBLE_EQ(f.button->font().pointSizeF(), c.buttonFont);
    }
}

} // namespace
