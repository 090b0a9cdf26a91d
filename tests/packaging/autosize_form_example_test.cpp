// The example form from Qt Designer, shown on the offscreen platform: doubled, every
// control and font doubles except the one on the control's Ignore list, which only
// moves; back at its designed size, the form looks exactly as designed.

#include "example_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

struct Look {
    QRect geometry;
    qreal points;
    bool operator==(const Look&) const = default;
};

// The form's controls by name: those on the form and those in its frame.
std::map<QString, Look> looks(const QWidget& form)
{
    std::map<QString, Look> result;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        const bool control = w->parentWidget() == &form || qobject_cast<QGroupBox*>(w->parentWidget());
        if (control && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            result[w->objectName()] = {w->geometry(), w->font().pointSizeF()};
    }
    return result;
}

TEST(AutosizeFormExample, TwiceTheSizeDoublesTheControlsAndBackRestoresThem)
{
    ExampleForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(form.size(), QSize(400, 300)) << "the size designed in the form file";
    const auto designed = looks(form);
    ASSERT_EQ(designed.size(), 9u) << "title, frame with four controls, two buttons, the control";

    form.resize(800, 600);
    QApplication::processEvents();
    ASSERT_EQ(form.size(), QSize(800, 600));
    const auto doubled = looks(form);
    for (const auto& [name, before] : designed) {
        SCOPED_TRACE(name.toStdString());
        const Look& after = doubled.at(name);
        EXPECT_EQ(after.geometry.topLeft(), before.geometry.topLeft() * 2);
        // On the Ignore list set in the form file: moved, not resized.
        const bool ignored = name == QLatin1String("hintLabel") || name == QLatin1String("TrellAutoSize1");
        EXPECT_EQ(after.geometry.size(), ignored ? before.geometry.size() : before.geometry.size() * 2);
        if (name != QLatin1String("TrellAutoSize1"))
            EXPECT_DOUBLE_EQ(after.points, ignored ? before.points : before.points * 2);
    }

    form.resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(looks(form), designed);
}

} // namespace
