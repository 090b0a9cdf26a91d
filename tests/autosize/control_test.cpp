// The control on real widgets: its five properties in a store and in a .ui form that
// QUiLoader reads back through the Designer plugin, their effect at Sizechanged, and the
// library loaded as a host loads it, calling the control by dispatch identifier.

#include "trellauto/control_factory.h"
#include "trellauto/property_bag.h"
#include "trellauto/trell_auto_size.h"

#include <QBuffer>
#include <QFormBuilder>
#include <QPluginLoader>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QUiLoader>

#include <gtest/gtest.h>

namespace {

const char* const kKeys[] = {"Enabled", "SizeFonts", "SizeWidth", "SizeHeight", "Ignore"};
const QVariantList kChanged{false, false, false, false, QStringLiteral("x;")}; // no default among them
const QVariant kOne = QVariant::fromValue(qint16(1)); // the switches' default, not the Boolean true
const QVariantList kDefaults{true, kOne, kOne, kOne, QStringLiteral("TrellAutoSize1;")};

// A store that records every write; it has nothing to read.
struct RecordingStore final : trellauto::PropertyBag {
    QList<std::tuple<QString, QVariant, QVariant>> written; // key, value, default

    bool readProperty(const QString&, const QVariant&, QVariant&, QString&) override { return false; }
    bool writeProperty(const QString& key, const QVariant& value, const QVariant& defaultValue, QString&) override
    {
        written.append({key, value, defaultValue});
        return true;
    }
};

// The five keys are saved in order with their defaults and read into a new instance, which
// signals every value that differs from its own; each put notifies, even of the same value.
// Saved in a .ui form, they are loaded again by QUiLoader through the Designer plugin.
TEST(ControlProperties, SavedInAStoreAndAUiFormAndReadBackWithChangeSignals)
{
    QWidget form;
    auto* saved = new TrellAutoSize(&form);
    for (int i = 0; i < 5; ++i)
        saved->setProperty(kKeys[i], kChanged[i]);
    RecordingStore recorded;
    ASSERT_TRUE(saved->writeProperties(recorded));
    ASSERT_EQ(recorded.written.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const auto& [key, value, defaultValue] = recorded.written[i];
        EXPECT_TRUE(key == QLatin1String(kKeys[i]) && value == kChanged[i] && defaultValue == kDefaults[i]) << i;
        EXPECT_EQ(defaultValue.metaType(), kDefaults[i].metaType()) << key.toStdString();
    }

    trellauto::VariantPropertyBag store;
    ASSERT_TRUE(saved->writeProperties(store));
    TrellAutoSize control;
    QSignalSpy enabled(&control, &TrellAutoSize::enabledChanged), fonts(&control, &TrellAutoSize::sizeFontsChanged),
        width(&control, &TrellAutoSize::sizeWidthChanged), height(&control, &TrellAutoSize::sizeHeightChanged),
        ignore(&control, &TrellAutoSize::ignoreChanged), put(&control, &TrellAutoSize::propertyChanged);
    ASSERT_TRUE(control.readProperties(store));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(control.property(kKeys[i]), kChanged[i]) << kKeys[i];
        control.setProperty(kKeys[i], kChanged[i]);
        EXPECT_EQ(put.value(i).value(0).toString(), QLatin1String(kKeys[i]));
    }
    for (const QSignalSpy* spy : {&enabled, &fonts, &width, &height, &ignore})
        EXPECT_EQ(spy->count(), 2) << "read, then put: " << spy->signal().toStdString();

    // Reading stops at a value that does not convert.
    QString error;
    store = trellauto::VariantPropertyBag({{QStringLiteral("SizeWidth"), QStringLiteral("vielleicht")}});
    EXPECT_FALSE(control.readProperties(store, &error));
    EXPECT_TRUE(error.contains(QLatin1String("SizeWidth"))) << error.toStdString();
    EXPECT_TRUE(control.sizeFonts() && !control.sizeWidth() && !control.sizeHeight()) << "read up to SizeWidth";

    QBuffer ui;
    ui.open(QIODevice::WriteOnly);
    QFormBuilder().save(&ui, &form);
    // Qt's own "enabled" would disable the loaded control too; only "Enabled" may do it.
    const QRegularExpression qtEnabled(
        QStringLiteral(R"(<property name="enabled">\s*<bool>false</bool>\s*</property>)"));
    ui.setData(QString::fromUtf8(ui.data()).remove(qtEnabled).toUtf8());
    ui.close();
    ui.open(QIODevice::ReadOnly);
    QUiLoader uiLoader;
    uiLoader.addPluginPath(QStringLiteral(TRELLAUTO_PLUGIN_ROOT "/designer"));
    const std::unique_ptr<QWidget> loaded(uiLoader.load(&ui));
    auto* again = loaded ? loaded->findChild<TrellAutoSize*>() : nullptr;
    ASSERT_NE(again, nullptr) << ui.data().toStdString();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(again->property(kKeys[i]), kChanged[i]) << kKeys[i];
}

using trellauto::DispatchKind;
namespace dispid = trellauto::dispid;

// One instance loaded from the program's directory for the whole run, like the game's main window.
TrellControlFactory& factory()
{
    static QPluginLoader loader(QStringLiteral(TRELLAUTO_PROGRAM_DIR "/libTrellAuto.so"));
    auto* instance = qobject_cast<TrellControlFactory*>(loader.instance());
    if (!instance)
        throw std::runtime_error(loader.errorString().toStdString());
    return *instance;
}

// Controls are made by programmatic name on a form only, and called by dispatch identifier: a
// put takes effect at the next Sizechanged, a failed call changes nothing. A button at (400, 20,
// 90, 40) with a 12 point font and the control at (480, 0) are on a form of 600 x 450 pixels
// that grows to 1200 x 914 after Init; fonts are rounded to hundredths of a point.
TEST(Plugin, CallsTheControlByDispatchIdentifierAndItsSettingsTakeEffectAtSizechanged)
{
    EXPECT_EQ(factory().createControl(QStringLiteral("TrellAuto.TrellAutoSize"), nullptr), nullptr) << "no form";

    const QRect allOn{800, 41, 180, 81};
    const struct {
        const char* name;
        qint32 dispId;
        DispatchKind kind;
        QVariantList args;
        bool ok;
        QRect button;
        double buttonFont;
    } cases[] = {
        {"SizeWidth put False as 0", dispid::SizeWidth, DispatchKind::PropertyPut, {0}, true, {800, 41, 90, 81}, 24.37},
        {"SizeHeight False", dispid::SizeHeight, DispatchKind::PropertyPut, {false}, true, {800, 41, 180, 40}, 24.37},
        {"SizeFonts put 0", dispid::SizeFonts, DispatchKind::PropertyPut, {0}, true, allOn, 12},
        {"SizeFonts put True as -1", dispid::SizeFonts, DispatchKind::PropertyPut, {-1}, true, allOn, 24.37},
        {"Enabled put 0: no influence", dispid::Enabled, DispatchKind::PropertyPut, {0}, true, allOn, 24.37},
        {"Ignore put in other case", dispid::Ignore, DispatchKind::PropertyPut, {"WÜRFEL_BUT;trellautosize1;"}, true,
         {800, 41, 90, 40}, 12},
        {"unknown identifier", 0x60030006, DispatchKind::Method, {}, false, allOn, 24.37},
        {"Init called as a property", dispid::Init, DispatchKind::PropertyGet, {}, false, allOn, 24.37},
        {"put without its value", dispid::SizeWidth, DispatchKind::PropertyPut, {}, false, allOn, 24.37},
        {"SizeWidth put a word", dispid::SizeWidth, DispatchKind::PropertyPut, {"ja"}, false, allOn, 24.37},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        form.resize(600, 450);
        QPushButton button(QStringLiteral("würfeln"), &form);
        button.setObjectName(QStringLiteral("Würfel_but"));
        button.setGeometry(400, 20, 90, 40);
        button.setFont(QFont(button.font().family(), 12));
        QWidget* control = factory().createControl(QStringLiteral("trellauto.TRELLAUTOSIZE"), &form); // any case
        ASSERT_NE(control, nullptr);
        control->setObjectName(QStringLiteral("TrellAutoSize1"));
        control->move(480, 0);
        ASSERT_TRUE(factory().invoke(control, dispid::Init, DispatchKind::Method).ok);
        const trellauto::DispatchResult result = factory().invoke(control, c.dispId, c.kind, c.args);
        EXPECT_TRUE(result.ok == c.ok && result.error.isEmpty() == c.ok) << result.error.toStdString();
        EXPECT_FALSE(result.value.isValid()) << "methods, puts and failures return an empty variant";
        form.resize(1200, 914);
        ASSERT_TRUE(factory().invoke(control, dispid::Sizechanged, DispatchKind::Method).ok);
        EXPECT_EQ(button.geometry(), c.button);
        EXPECT_EQ(button.font().pointSizeF(), c.buttonFont);
        EXPECT_EQ(control->geometry(), QRect(960, 0, 33, 33)) << "ignored: moved, not resized";
    }
    QWidget stranger;
    EXPECT_FALSE(factory().invoke(&stranger, dispid::Init, DispatchKind::Method).ok) << "a widget not made here";
}

} // namespace
