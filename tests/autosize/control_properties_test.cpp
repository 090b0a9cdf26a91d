// The control's five properties: defaults, change notifications, the saved values in a
// property store, and the control's own size.

#include "trellauto/property_bag.h"
#include "trellauto/trell_auto_size.h"

#include <QRect>
#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const kNames[] = {"Enabled", "SizeFonts", "SizeWidth", "SizeHeight", "Ignore"};

QVariantMap valuesOf(const TrellAutoSize& control)
{
    QVariantMap values;
    for (const char* name : kNames)
        values[QLatin1String(name)] = control.property(name);
    return values;
}

const QVariantMap kDefaults{{"Enabled", true},
                            {"SizeFonts", true},
                            {"SizeWidth", true},
                            {"SizeHeight", true},
                            {"Ignore", QStringLiteral("TrellAutoSize1;")}};

QVariantMap defaultsWith(const QString& key, const QVariant& value)
{
    QVariantMap values = kDefaults;
    values[key] = value;
    return values;
}

// A store that records every call and can be told to fail at one key.
class RecordingBag final : public trellauto::PropertyBag {
public:
    QStringList readKeys;
    QList<std::tuple<QString, QVariant, QVariant>> written;
    QString failingKey;

    bool readProperty(const QString& key, const QVariant& defaultValue, QVariant& value,
                      QString& error) override
    {
        readKeys << key;
        error = QStringLiteral("disk gone");
        value = defaultValue;
        return key != failingKey;
    }
    bool writeProperty(const QString& key, const QVariant& value, const QVariant& defaultValue,
                       QString& error) override
    {
        error = QStringLiteral("disk full");
        if (key == failingKey)
            return false;
        written.append({key, value, defaultValue});
        return true;
    }
};

TEST(ControlProperties, NewInstanceAndEmptyStoreGiveTheDefaults)
{
    TrellAutoSize fresh;
    fresh.initProperties();
    EXPECT_EQ(valuesOf(fresh), kDefaults);

    TrellAutoSize loaded;
    loaded.setSizeWidth(false);
    loaded.setIgnore(QStringLiteral("x;"));
    trellauto::VariantPropertyBag empty;
    QString error;
    ASSERT_TRUE(loaded.readProperties(empty, &error)) << error.toStdString();
    EXPECT_EQ(valuesOf(loaded), kDefaults);
}

TEST(ControlProperties, StoredValuesAreConverted)
{
    struct Case {
        const char* key;
        QVariant stored, expected;
    };
    const Case cases[] = {
        {"SizeWidth", QVariant::fromValue(qint16(0)), false},
        {"SizeWidth", 7, true},
        {"SizeHeight", QVariant::fromValue(qint16(-1)), true},
        {"SizeFonts", false, false},
        {"SizeFonts", QStringLiteral("False"), false},
        {"Enabled", 0, false},
        {"Ignore", 42, QStringLiteral("42")},
        {"Ignore", QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " stored as " + c.stored.toString().toStdString());
        TrellAutoSize control;
        trellauto::VariantPropertyBag store({{c.key, c.stored}});
        QString error;
        ASSERT_TRUE(control.readProperties(store, &error)) << error.toStdString();
        EXPECT_EQ(valuesOf(control), defaultsWith(c.key, c.expected));
    }
}

TEST(ControlProperties, UnconvertibleStoredValueIsReportedAndStopsReading)
{
    struct Case {
        const char* key;
        QVariant stored;
        bool fontsRead, heightRead; // keys before the bad one are read, after it not
    };
    const Case cases[] = {
        {"Enabled", QStringList{QStringLiteral("a")}, false, false},
        {"SizeWidth", QStringLiteral("vielleicht"), true, false},
        {"Ignore", QRect(1, 2, 3, 4), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        TrellAutoSize control;
        trellauto::VariantPropertyBag store({{QStringLiteral("SizeFonts"), 0},
                                             {c.key, c.stored},
                                             {QStringLiteral("SizeHeight"), 0}});
        QString error;
        EXPECT_FALSE(control.readProperties(store, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.key))) << error.toStdString();
        EXPECT_EQ(control.sizeFonts(), !c.fontsRead);
        EXPECT_EQ(control.sizeHeight(), !c.heightRead);
    }
}

TEST(ControlProperties, FailingStoreStopsAtThatKey)
{
    TrellAutoSize control;
    RecordingBag bag;
    bag.failingKey = QStringLiteral("SizeWidth");
    QString error;
    EXPECT_FALSE(control.readProperties(bag, &error));
    EXPECT_EQ(bag.readKeys, (QStringList{"Enabled", "SizeFonts", "SizeWidth"}));
    EXPECT_TRUE(error.contains(QLatin1String("disk gone"))) << error.toStdString();

    EXPECT_FALSE(control.writeProperties(bag, &error));
    EXPECT_EQ(bag.written.size(), 2);
    EXPECT_TRUE(error.contains(QLatin1String("disk full"))) << error.toStdString();
}

TEST(ControlProperties, WritesFiveKeysInOrderWithTheirDefaults)
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

    // What was written reads back into a fresh instance.
    trellauto::VariantPropertyBag store;
    ASSERT_TRUE(control.writeProperties(store));
    TrellAutoSize reloaded;
    ASSERT_TRUE(reloaded.readProperties(store));
    EXPECT_EQ(valuesOf(reloaded), valuesOf(control));
}

TEST(ControlProperties, EachPutNotifiesOnceWithItsName)
{
    struct Case {
        const char* name;
        std::function<void(TrellAutoSize&)> put;
    };
    const Case cases[] = {
        {"Enabled", [](TrellAutoSize& c) { c.setControlEnabled(false); }},
        {"Enabled", [](TrellAutoSize& c) { c.setControlEnabled(true); }}, // same value again
        {"SizeFonts", [](TrellAutoSize& c) { c.setSizeFonts(false); }},
        {"SizeWidth", [](TrellAutoSize& c) { c.setProperty("SizeWidth", false); }},
        {"SizeHeight", [](TrellAutoSize& c) { c.setSizeHeight(false); }},
        {"Ignore", [](TrellAutoSize& c) { c.setIgnore(QStringLiteral("a;")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrellAutoSize control;
        QSignalSpy changed(&control, &TrellAutoSize::propertyChanged);
        const QMetaProperty property =
            control.metaObject()->property(control.metaObject()->indexOfProperty(c.name));
        QSignalSpy notify(&control, property.notifySignal());
        c.put(control);
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.at(0).at(0).toString(), QString::fromLatin1(c.name));
        EXPECT_EQ(notify.count(), 1);
    }
}

TEST(ControlProperties, EnabledIsTheControlsOwnState)
{
    QWidget form;
    auto* control = new TrellAutoSize(&form);
    form.setEnabled(false);
    EXPECT_TRUE(control->isControlEnabled()) << "a disabled form does not change the saved value";
    control->setControlEnabled(false);
    form.setEnabled(true);
    EXPECT_FALSE(control->isControlEnabled());
    EXPECT_FALSE(control->isEnabled());
}

TEST(ControlOwnSize, SnapsBackTo500Twips)
{
    QWidget form;
    auto* control = new TrellAutoSize(&form);
    const QSize own(33, 33); // 500 twips at 15 twips a pixel, in whole pixels
    control->resize(200, 120);
    EXPECT_EQ(control->size(), own);
    control->setGeometry(10, 20, 5, 5);
    EXPECT_EQ(control->geometry(), QRect(QPoint(10, 20), own));

    control->setDesignMode(true);
    form.show();
    control->resize(80, 80);
    EXPECT_EQ(control->size(), own);
}

} // namespace
