// The example form from Qt Designer, shown on the offscreen platform: doubled, every control
// and font doubles except the one on the control's Ignore list, which only moves; back at its
// designed size, the form looks exactly as designed.

#include "example_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

// The form's named controls, on the form or in its frame: geometry and font size in points.
std::map<QString, std::pair<QRect, qreal>> looks(const QWidget& form)
{
    std::map<QString, std::pair<QRect, qreal>> result;
    for (QWidget* w : form.findChildren<QWidget*>())
        if (w->parentWidget() == &form || qobject_cast<QGroupBox*>(w->parentWidget()))
            result[w->objectName()] = {w->geometry(), w->font().pointSizeF()};
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
    for (const auto& [name, doubled] : looks(form)) {
        SCOPED_TRACE(name.toStdString());
        const auto& [geometry, points] = designed.at(name);
        // On the Ignore list set in the form file: moved, not resized.
        const int grown = name == QLatin1String("hintLabel") || name == QLatin1String("TrellAutoSize1") ? 1 : 2;
        EXPECT_EQ(doubled.first, QRect(geometry.topLeft() * 2, geometry.size() * grown));
        if (name != QLatin1String("TrellAutoSize1"))
            EXPECT_DOUBLE_EQ(doubled.second, points * grown);
    }

    form.resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(looks(form), designed);
}

} // namespace
