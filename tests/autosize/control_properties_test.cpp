// The control's five properties: defaults, change notifications, the saved values in a
// property store, and the control's own size.

#include "trellauto/property_bag.h"
#include "trellauto/trell_auto_size.h"

#include <QRect>
#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const char* const kKeys[] = {"Enabled", "SizeFonts", "SizeWidth", "SizeHeight", "Ignore"};

QVariantMap valuesOf(const TrellAutoSize& control)
{
    QVariantMap values;
    for (const char* key : kKeys)
        values[QLatin1String(key)] = control.property(key);
    return values;
}

const QVariantMap kDefaults{{"Enabled", true}, {"SizeFonts", true}, {"SizeWidth", true},
                            {"SizeHeight", true}, {"Ignore", QStringLiteral("TrellAutoSize1;")}};
const QVariantMap kChanged{{"Enabled", false}, {"SizeFonts", false}, {"SizeWidth", false},
                           {"SizeHeight", false}, {"Ignore", QStringLiteral("x;")}};

// A store that records every call and fails at one key.
struct RecordingBag final : trellauto::PropertyBag {
    QStringList readKeys;
    QList<std::tuple<QString, QVariant, QVariant>> written;
    QString failingKey;

    bool readProperty(const QString& key, const QVariant& defaultValue, QVariant& value,
                      QString& error) override
    {
        readKeys << key;
        value = defaultValue;
        error = QStringLiteral("disk gone");
        return key != failingKey;
    }
    bool writeProperty(const QString& key, const QVariant& value, const QVariant& defaultValue,
                       QString& error) override
    {
        written.append({key, value, defaultValue});
        error = QStringLiteral("disk full");
        return key != failingKey;
    }
};

// A store holding one key (or none) read into an instance whose five values all differ
// from the defaults: missing keys give their defaults, the stored one its converted
// value. A value that does not convert stops the reading at its key.
TEST(ControlProperties, StoredValuesAreConvertedAndMissingKeysGiveTheDefaults)
{
    struct Case {
        const char* key; // nullptr: an empty store
        QVariant stored, expected; // expected invalid: does not convert
    };
    const Case cases[] = {
        {nullptr, {}, {}},
        {"SizeWidth", QVariant::fromValue(qint16(0)), false},
        {"SizeHeight", QVariant::fromValue(qint16(-1)), true},
        {"SizeFonts", false, false},
        {"SizeFonts", QStringLiteral("False"), false},
        {"Enabled", 0, false},
        {"Ignore", 42, QStringLiteral("42")},
        {"Ignore", QString(), QString()},
        {"Enabled", QStringList{QStringLiteral("a")}, {}},
        {"SizeWidth", QStringLiteral("vielleicht"), {}},
        {"Ignore", QRect(1, 2, 3, 4), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key ? std::string(c.key) + " stored as " + c.stored.typeName() : "empty store");
        TrellAutoSize control;
        for (const char* key : kKeys)
            control.setProperty(key, kChanged[key]);
        trellauto::VariantPropertyBag store;
        QVariantMap expected = kDefaults;
        const bool converts = !c.key || c.expected.isValid();
        if (c.key) {
            store = trellauto::VariantPropertyBag({{c.key, c.stored}});
            expected[c.key] = c.expected;
        }
        // Reading stops at a value that does not convert: that key and the ones after it
        // keep what they held.
        bool stopped = false;
        for (const char* key : kKeys) {
            stopped = stopped || (!converts && qstrcmp(key, c.key) == 0);
            if (stopped)
                expected[key] = kChanged[key];
        }
        QString error;
        EXPECT_EQ(control.readProperties(store, &error), converts) << error.toStdString();
        if (!converts)
            EXPECT_TRUE(error.contains(QLatin1String(c.key))) << error.toStdString();
        EXPECT_EQ(valuesOf(control), expected);
    }

    // Placed on a form as a new instance, whatever it held before.
    TrellAutoSize placed;
    for (const char* key : {"SizeFonts", "SizeWidth", "SizeHeight", "Ignore"})
        placed.setProperty(key, kChanged[key]);
    placed.initProperties();
    EXPECT_EQ(valuesOf(placed), kDefaults);
}

TEST(ControlProperties, WritesFiveKeysInOrderWithTheirDefaultsAndReportsAFailingStore)
{
    TrellAutoSize control;
    control.setSizeHeight(false);
    control.setControlEnabled(false);
    RecordingBag bag;
    ASSERT_TRUE(control.writeProperties(bag));
    const QVariant switchDefault = QVariant::fromValue(qint16(1));
    const QList<std::tuple<QString, QVariant, QVariant>> expected = {
        {"Enabled", false, true},
        {"SizeFonts", true, switchDefault},
        {"SizeWidth", true, switchDefault},
        {"SizeHeight", false, switchDefault},
        {"Ignore", QStringLiteral("TrellAutoSize1;"), QStringLiteral("TrellAutoSize1;")},
    };
    EXPECT_EQ(bag.written, expected);
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(std::get<2>(bag.written.value(i)).metaType(), std::get<2>(expected[i]).metaType())
            << "the switches default to the 16-bit integer 1, not to a Boolean";

    RecordingBag failing;
    failing.failingKey = QStringLiteral("SizeWidth");
    QString error;
    EXPECT_FALSE(control.readProperties(failing, &error));
    EXPECT_EQ(failing.readKeys, (QStringList{"Enabled", "SizeFonts", "SizeWidth"}));
    EXPECT_TRUE(error.contains(QLatin1String("disk gone"))) << error.toStdString();
    EXPECT_FALSE(control.writeProperties(failing, &error));
    EXPECT_EQ(failing.written.size(), 3);
    EXPECT_TRUE(error.contains(QLatin1String("disk full"))) << error.toStdString();
}

TEST(ControlProperties, EachPutNotifiesOnceWithItsName)
{
    const std::pair<const char*, QVariant> puts[] = {
        {"Enabled", false}, {"Enabled", true}, // the same value again notifies too
        {"SizeFonts", false}, {"SizeWidth", false}, {"SizeHeight", true},
        {"Ignore", QStringLiteral("a;")},
    };
    for (const auto& [name, value] : puts) {
        SCOPED_TRACE(name);
        TrellAutoSize control;
        QSignalSpy changed(&control, &TrellAutoSize::propertyChanged);
        const QMetaObject* meta = control.metaObject();
        QSignalSpy notify(&control, meta->property(meta->indexOfProperty(name)).notifySignal());
        ASSERT_TRUE(control.setProperty(name, value));
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.at(0).at(0).toString(), QString::fromLatin1(name));
        EXPECT_EQ(notify.count(), 1);
    }
}

// The control's own window: hidden at run time, held at 500 x 500 twips, and enabled
// or not by itself alone.
TEST(ControlOwnWindow, InvisibleHeldAt500TwipsAndEnabledByItself)
{
    const QSize own(33, 33); // 500 twips at 15 twips a pixel, in whole pixels
    TrellAutoSize orphan;
    orphan.Init();
    orphan.Sizechanged();
    EXPECT_EQ(orphan.size(), own);

    QWidget form;
    auto* control = new TrellAutoSize(&form);
    form.show();
    EXPECT_FALSE(control->isVisible()) << "invisible at run time";
    control->resize(200, 120);
    EXPECT_EQ(control->size(), own);
    control->setGeometry(10, 20, 5, 5);
    EXPECT_EQ(control->geometry(), QRect(QPoint(10, 20), own));
    control->setDesignMode(true);
    control->resize(80, 80);
    EXPECT_EQ(control->size(), own);

    form.setEnabled(false);
    EXPECT_TRUE(control->isControlEnabled()) << "a disabled form does not change the saved value";
    control->setControlEnabled(false);
    form.setEnabled(true);
    EXPECT_FALSE(control->isControlEnabled());
    EXPECT_FALSE(control->isEnabled());
}

} // namespace
