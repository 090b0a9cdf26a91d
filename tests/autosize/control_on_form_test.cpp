// TrellAutoSize on a real Qt form: its settings reach Sizechanged. Whole forms rescaled,
// shrunk to nothing and restored are tested on the game's window.

#include "trellauto/trell_auto_size.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

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
        {"Ignore", QStringLiteral("WÜRFEL_BUT;TrellAutoSize1;"), {800, 40, 90, 40}, 9.75}, // other case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        QWidget form;
        form.resize(600, 450);
        QPushButton button(QStringLiteral("würfeln"), &form);
        button.setObjectName(QStringLiteral("Würfel_but"));
        button.setGeometry(400, 20, 90, 40);
        QFont font = button.font();
        font.setPointSizeF(9.75);
        button.setFont(font);
        // In other case than the default Ignore "TrellAutoSize1;", which exempts it all the same.
        TrellAutoSize control(&form);
        control.setObjectName(QStringLiteral("trellautosize1"));
        control.move(480, 0);
        const qreal ownFont = control.font().pointSizeF();

        control.Init();
        control.setProperty(c.property, c.value);
        EXPECT_EQ(button.geometry(), QRect(400, 20, 90, 40)) << "a put rescales nothing";
        form.resize(1200, 900);
        control.Sizechanged();
        EXPECT_EQ(button.geometry(), c.button);
        EXPECT_DOUBLE_EQ(button.font().pointSizeF(), c.buttonFont);
        EXPECT_EQ(control.geometry(), QRect(960, 0, 33, 33));
        EXPECT_DOUBLE_EQ(control.font().pointSizeF(), ownFont) << "ignored, though in other case";
    }
}

} // namespace
