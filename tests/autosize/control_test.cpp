// The control on real widgets: its five properties in a store and in a .ui form that
// QUiLoader reads back through the Designer plugin, and their effect at Sizechanged.

#include "trellauto/property_bag.h"
#include "trellauto/trell_auto_size.h"

#include <QBuffer>
#include <QFormBuilder>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QUiLoader>

#include <gtest/gtest.h>

namespace {

const char* const kKeys[] = {"Enabled", "SizeFonts", "SizeWidth", "SizeHeight", "Ignore"};
const QVariantList kChanged{false, false, false, false, QStringLiteral("x;")}; // no default among them

// A store that records every write and fails at one key; it has nothing to read.
struct RecordingStore final : trellauto::PropertyBag {
    QList<std::tuple<QString, QVariant, QVariant>> written; // key, value, default
    QString failingKey;

    bool readProperty(const QString&, const QVariant&, QVariant&, QString&) override { return false; }
    bool writeProperty(const QString& key, const QVariant& value, const QVariant& defaultValue, QString& error) override
    {
        written.append({key, value, defaultValue});
        error = QStringLiteral("disk full");
        return key != failingKey;
    }
};

// Each put notifies with its name; the five keys are saved in order with their defaults and
// read into a new instance, which signals every value that differs from its own.
TEST(ControlProperties, SavedInOrderWithTheirDefaultsAndReadBackWithChangeSignals)
{
    TrellAutoSize saved;
    QSignalSpy put(&saved, &TrellAutoSize::propertyChanged);
    for (int i = 0; i < 5; ++i)
        saved.setProperty(kKeys[i], kChanged[i]);
    saved.setProperty("Ignore", kChanged[4]); // the same value again notifies too
    QStringList names;
    for (const QList<QVariant>& signal : put)
        names << signal.at(0).toString();
    EXPECT_EQ(names, (QStringList{kKeys, kKeys + 5} << QStringLiteral("Ignore")));

    RecordingStore recorded;
    ASSERT_TRUE(saved.writeProperties(recorded));
    const QVariant one = QVariant::fromValue(qint16(1)); // not the Boolean true
    const QList<std::tuple<QString, QVariant, QVariant>> expected = {
        {"Enabled", false, true}, {"SizeFonts", false, one}, {"SizeWidth", false, one}, {"SizeHeight", false, one},
        {"Ignore", kChanged[4], QStringLiteral("TrellAutoSize1;")},
    };
    EXPECT_EQ(recorded.written, expected);
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(std::get<2>(recorded.written.value(i)).metaType(), std::get<2>(expected[i]).metaType()) << i;

    trellauto::VariantPropertyBag store;
    ASSERT_TRUE(saved.writeProperties(store));
    TrellAutoSize control;
    QSignalSpy enabled(&control, &TrellAutoSize::enabledChanged), fonts(&control, &TrellAutoSize::sizeFontsChanged),
        width(&control, &TrellAutoSize::sizeWidthChanged), height(&control, &TrellAutoSize::sizeHeightChanged),
        ignore(&control, &TrellAutoSize::ignoreChanged);
    ASSERT_TRUE(control.readProperties(store));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(control.property(kKeys[i]), kChanged[i]) << kKeys[i];
    for (const QSignalSpy* spy : {&enabled, &fonts, &width, &height, &ignore})
        EXPECT_EQ(spy->count(), 1) << spy->signal().toStdString();

    // A store that fails, or holds what does not convert, stops at that key.
    QString error;
    recorded.failingKey = QStringLiteral("SizeWidth");
    EXPECT_FALSE(saved.writeProperties(recorded, &error));
    EXPECT_TRUE(error.contains(QLatin1String("disk full"))) << error.toStdString();
    store = trellauto::VariantPropertyBag({{QStringLiteral("SizeWidth"), QStringLiteral("vielleicht")}});
    EXPECT_FALSE(control.readProperties(store, &error));
    EXPECT_TRUE(error.contains(QLatin1String("SizeWidth"))) << error.toStdString();
    EXPECT_TRUE(control.sizeFonts() && !control.sizeWidth() && !control.sizeHeight()) << "read up to SizeWidth";
}

// Each setting saved in a .ui form and loaded again takes effect at the next Sizechanged: the
// form grows from 600 x 450 to 1200 x 914 pixels, fonts are rounded to hundredths of a point.
TEST(UiForm, SavedSettingsLoadAgainAndTakeEffectAtTheNextSizechanged)
{
    const struct {
        const char* property;
        QVariant value;
        QRect button;
        double buttonFont;
    } cases[] = {
        {"SizeWidth", false, {800, 41, 90, 81}, 24.37},
        {"SizeHeight", false, {800, 41, 180, 40}, 24.37},
        {"SizeFonts", false, {800, 41, 180, 81}, 12},
        {"Enabled", false, {800, 41, 180, 81}, 24.37}, // no influence on rescaling
        {"Ignore", QStringLiteral("WÜRFEL_BUT;trellautosize1;"), {800, 41, 90, 40}, 12}, // in other case
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.property);
        QWidget form;
        form.resize(600, 450);
        auto* button = new QPushButton(QStringLiteral("würfeln"), &form);
        button->setObjectName(QStringLiteral("Würfel_but"));
        button->setGeometry(400, 20, 90, 40);
        button->setFont(QFont(button->font().family(), 12));
        auto* control = new TrellAutoSize(&form);
        control->setObjectName(QStringLiteral("TrellAutoSize1"));
        control->move(480, 0);
        control->setProperty(c.property, c.value);

        QBuffer saved;
        saved.open(QIODevice::WriteOnly);
        QFormBuilder().save(&saved, &form);
        // Qt's own "enabled" would disable the loaded control too; only "Enabled" may do it.
        QString ui = QString::fromUtf8(saved.data());
        ui.remove(QRegularExpression(QStringLiteral(R"(<property name="enabled">\s*<bool>false</bool>\s*</property>)")));
        QBuffer buffer;
        buffer.setData(ui.toUtf8());
        buffer.open(QIODevice::ReadOnly);
        QUiLoader uiLoader;
        uiLoader.addPluginPath(QStringLiteral(TRELLAUTO_PLUGIN_ROOT "/designer"));
        const std::unique_ptr<QWidget> loaded(uiLoader.load(&buffer));
        auto* again = loaded ? loaded->findChild<TrellAutoSize*>(QStringLiteral("TrellAutoSize1")) : nullptr;
        auto* loadedButton = loaded ? loaded->findChild<QPushButton*>() : nullptr;
        ASSERT_TRUE(again && loadedButton) << ui.toStdString();
        EXPECT_EQ(again->property(c.property), c.value);

        again->Init();
        loaded->resize(1200, 914);
        again->Sizechanged();
        EXPECT_EQ(loadedButton->geometry(), c.button);
        EXPECT_EQ(loadedButton->font().pointSizeF(), c.buttonFont);
        EXPECT_EQ(again->geometry(), QRect(960, 0, 33, 33)) << "ignored: moved, not resized";
    }
}

} // namespace
