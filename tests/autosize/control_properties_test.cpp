// The control's five properties: defaults, change notifications, and the saved values
// in a property store.

#include "trellauto/property_bag.h"
#include "trellauto/trell_auto_size.h"

#include <QRect>
#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Values {
    bool enabled, sizeFonts, sizeWidth, sizeHeight;
    QString ignore;
};

void expectValues(const TrellAutoSize& control, const Values& expected)
{
    EXPECT_EQ(control.isControlEnabled(), expected.enabled);
    EXPECT_EQ(control.sizeFonts(), expected.sizeFonts);
    EXPECT_EQ(control.sizeWidth(), expected.sizeWidth);
    EXPECT_EQ(control.sizeHeight(), expected.sizeHeight);
    EXPECT_EQ(control.ignore(), expected.ignore);
}

const Values kDefaults{true, true, true, true, QStringLiteral("TrellAutoSize1;")};

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
        if (key == failingKey) {
            error = QStringLiteral("disk gone");
            return false;
        }
        value = defaultValue;
        return true;
    }
    bool writeProperty(const QString& key, const QVariant& value, const QVariant& defaultValue,
                       QString& error) override
    {
        if (key == failingKey) {
            error = QStringLiteral("disk full");
            return false;
        }
        written.append({key, value, defaultValue});
        return true;
    }
};

TEST(ControlProperties, NewInstanceAndEmptyStoreGiveTheDefaults)
{
    TrellAutoSize fresh;
    fresh.initProperties();
    expectValues(fresh, kDefaults);

    TrellAutoSize loaded;
    loaded.setSizeWidth(false);
    loaded.setIgnore(QStringLiteral("x;"));
    trellauto::VariantPropertyBag empty;
    QString error;
    ASSERT_TRUE(loaded.readProperties(empty, &error)) << error.toStdString();
    expectValues(loaded, kDefaults);
}

TEST(ControlProperties, StoredValuesAreConverted)
{
    struct Case {
        const char* name;
        QString key;
        QVariant stored;
        Values expected;
    };
    const QString defaultIgnore = kDefaults.ignore;
    const Case cases[] = {
        {"SizeWidth as integer 0", "SizeWidth", QVariant::fromValue(qint16(0)),
         {true, true, false, true, defaultIgnore}},
        {"SizeWidth as integer 7", "SizeWidth", 7, {true, true, true, true, defaultIgnore}},
        {"SizeHeight as True = -1", "SizeHeight", QVariant::fromValue(qint16(-1)),
         {true, true, true, true, defaultIgnore}},
        {"SizeFonts as Boolean false", "SizeFonts", false, {true, false, true, true, defaultIgnore}},
        {"SizeFonts as text \"False\"", "SizeFonts", QStringLiteral("False"),
         {true, false, true, true, defaultIgnore}},
        {"Enabled as integer 0", "Enabled", 0, {false, true, true, true, defaultIgnore}},
        {"Ignore as text", "Ignore", QStringLiteral("ende;Neu_but;"),
         {true, true, true, true, QStringLiteral("ende;Neu_but;")}},
        {"Ignore as a number", "Ignore", 42, {true, true, true, true, QStringLiteral("42")}},
        {"Ignore empty", "Ignore", QString(), {true, true, true, true, QString()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrellAutoSize control;
        trellauto::VariantPropertyBag store({{c.key, c.stored}});
        QString error;
        ASSERT_TRUE(control.readProperties(store, &error)) << error.toStdString();
        expectValues(control, c.expected);
    }
}

TEST(ControlProperties, UnconvertibleStoredValueIsReportedAndStopsReading)
{
    struct Case {
        const char* name;
        QString key;
        QVariant stored;
    };
    const Case cases[] = {
        {"SizeHeight as a word", "SizeHeight", QStringLiteral("vielleicht")},
        {"SizeHeight as a rectangle", "SizeHeight", QRect(1, 2, 3, 4)},
        {"Enabled as a list", "Enabled", QStringList{QStringLiteral("a")}},
        {"Ignore as a rectangle", "Ignore", QRect(1, 2, 3, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrellAutoSize control;
        trellauto::VariantPropertyBag store(
            {{QStringLiteral("SizeFonts"), 0}, {c.key, c.stored}});
        QString error;
        EXPECT_FALSE(control.readProperties(store, &error));
        EXPECT_TRUE(error.contains(c.key)) << error.toStdString();
    }

    // Keys before the bad one are read, the ones after it are not.
    TrellAutoSize control;
    trellauto::VariantPropertyBag store({{QStringLiteral("SizeFonts"), 0},
                                         {QStringLiteral("SizeWidth"), QStringLiteral("?")},
                                         {QStringLiteral("SizeHeight"), 0}});
    EXPECT_FALSE(control.readProperties(store));
    EXPECT_FALSE(control.sizeFonts());
    EXPECT_TRUE(control.sizeHeight());
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
    ASSERT_EQ(bag.written.size(), 5);

    const QVariant switchDefault = QVariant::fromValue(qint16(1));
    const std::tuple<QString, QVariant, QVariant> expected[] = {
        {"Enabled", false, true},
        {"SizeFonts", true, switchDefault},
        {"SizeWidth", true, switchDefault},
        {"SizeHeight", false, switchDefault},
        {"Ignore", QStringLiteral("TrellAutoSize1;"), QStringLiteral("TrellAutoSize1;")},
    };
    for (int i = 0; i < 5; ++i) {
        const auto& [key, value, defaultValue] = bag.written[i];
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(key, std::get<0>(expected[i]));
        EXPECT_EQ(value, std::get<1>(expected[i]));
        EXPECT_EQ(defaultValue, std::get<2>(expected[i]));
        EXPECT_EQ(defaultValue.metaType(), std::get<2>(expected[i]).metaType())
            << "the switches default to the 16-bit integer 1, not to a Boolean";
    }

    // What was written reads back into a fresh instance.
    trellauto::VariantPropertyBag store;
    ASSERT_TRUE(control.writeProperties(store));
    TrellAutoSize reloaded;
    ASSERT_TRUE(reloaded.readProperties(store));
    expectValues(reloaded, {false, true, true, false, QStringLiteral("TrellAutoSize1;")});
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
        {"SizeWidth", [](TrellAutoSize& c) { c.setSizeWidth(true); }},
        {"SizeHeight", [](TrellAutoSize& c) { c.setSizeHeight(false); }},
        {"Ignore", [](TrellAutoSize& c) { c.setIgnore(QStringLiteral("a;")); }},
        {"Ignore", [](TrellAutoSize& c) { c.setProperty("Ignore", QStringLiteral("b;")); }},
        {"SizeWidth", [](TrellAutoSize& c) { c.setProperty("SizeWidth", false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrellAutoSize control;
        QSignalSpy changed(&control, &TrellAutoSize::propertyChanged);
        const QMetaProperty property =
            control.metaObject()->property(control.metaObject()->indexOfProperty(c.name));
        ASSERT_TRUE(property.hasNotifySignal());
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
    form.resize(400, 300);
    auto* control = new TrellAutoSize(&form);
    const QSize own(33, 33); // 500 twips at 15 twips a pixel, in whole pixels
    EXPECT_EQ(control->size(), own);
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
