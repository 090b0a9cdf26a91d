// The TrellAuto plugin as a host sees it: loaded with QPluginLoader from the program's
// directory, controls created by programmatic name and called by dispatch identifier.
// Only the host contract is included here, never the control's classes. A library that
// is missing or no control library is the game's start-up failure, tested with the game.

#include "trellauto/control_factory.h"

#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QPluginLoader>
#include <QUuid>

#include <gtest/gtest.h>

#include <optional>

namespace {

using trellauto::DispatchKind;
namespace dispid = trellauto::dispid;

const QString kPluginPath =
    QDir(QStringLiteral(TRELLAUTO_PROGRAM_DIR)).absoluteFilePath(QStringLiteral("libTrellAuto.so"));
const QString kProgId = QStringLiteral("TrellAuto.TrellAutoSize");

// One loaded instance for the whole run, like the game's main window.
TrellControlFactory& factory()
{
    static QPluginLoader loader(kPluginPath);
    auto* instance = qobject_cast<TrellControlFactory*>(loader.instance());
    if (!instance)
        throw std::runtime_error(loader.errorString().toStdString());
    return *instance;
}

// The name and identifiers a host finds in the metadata, before the library is loaded.
TEST(Plugin, IdentityIsReadableBeforeLoading)
{
    QPluginLoader loader(kPluginPath);
    const QJsonObject meta = loader.metaData().value(QLatin1String("MetaData")).toObject();
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(meta.value(QLatin1String("ProgId")).toString(), kProgId);
    QSet<QUuid> ids;
    for (const char* object : {"TypeLibrary", "Class", "DefaultInterface", "EventInterface"})
        ids.insert(QUuid(meta.value(QLatin1String(object)).toObject().value(QLatin1String("Id")).toString()));
    EXPECT_EQ(ids.size(), 4) << "four distinct identifiers";
    EXPECT_FALSE(ids.contains(QUuid()));
}

TEST(Plugin, CreatesTheControlByProgrammaticNameOrClassIdentifier)
{
    const std::pair<QString, bool> names[] = {
        {kProgId, true},
        {QStringLiteral("trellauto.TRELLAUTOSIZE"), true},
        {QStringLiteral("{98af51eb-552c-4d28-ad15-a8b2f39c4ca7}"), true},  // the class
        {QStringLiteral("{7443fd01-8613-4cf5-8968-1b56151a5691}"), false}, // the library
        {QString(), false},
    };
    for (const auto& [name, created] : names) {
        SCOPED_TRACE(name.toStdString());
        QWidget form;
        QWidget* control = factory().createControl(name, &form);
        EXPECT_EQ(control != nullptr, created);
        if (control) {
            EXPECT_EQ(control->parentWidget(), &form);
            EXPECT_EQ(control->size(), QSize(33, 33));
        }
    }
    EXPECT_EQ(factory().createControl(kProgId, nullptr), nullptr)
        << "a control without a form would belong to nobody";
}

TEST(Plugin, CallsMembersByDispatchIdentifier)
{
    struct Case {
        const char* name;
        qint32 dispId;
        DispatchKind kind;
        QVariantList args;
        bool ok;
        std::optional<QVariant> afterwards; // the property's value read back by a get
    };
    const QVariant defaultIgnore = QStringLiteral("TrellAutoSize1;");
    const Case cases[] = {
        {"Init", dispid::Init, DispatchKind::Method, {}, true, {}},
        {"Sizechanged", dispid::Sizechanged, DispatchKind::Method, {}, true, {}},
        {"Enabled put False as 0", dispid::Enabled, DispatchKind::PropertyPut, {0}, true, false},
        {"SizeWidth put Boolean", dispid::SizeWidth, DispatchKind::PropertyPut, {false}, true, false},
        {"SizeHeight put True as -1", dispid::SizeHeight, DispatchKind::PropertyPut, {-1}, true, true},
        {"SizeFonts put 0", dispid::SizeFonts, DispatchKind::PropertyPut, {0}, true, false},
        {"Ignore put", dispid::Ignore, DispatchKind::PropertyPut, {QStringLiteral("ende;")}, true,
         QStringLiteral("ende;")},
        {"unknown identifier", 0x60030006, DispatchKind::Method, {}, false, {}},
        {"Init called as a property", dispid::Init, DispatchKind::PropertyGet, {}, false, {}},
        {"Init with an argument", dispid::Init, DispatchKind::Method, {1}, false, {}},
        {"put without its value", dispid::Ignore, DispatchKind::PropertyPut, {}, false, defaultIgnore},
        {"SizeWidth put a word", dispid::SizeWidth, DispatchKind::PropertyPut, {QStringLiteral("ja")},
         false, true},
        {"Ignore put a list", dispid::Ignore, DispatchKind::PropertyPut, {QVariant(QVariantList{1})},
         false, defaultIgnore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        QWidget* control = factory().createControl(kProgId, &form);
        ASSERT_NE(control, nullptr);
        const trellauto::DispatchResult result = factory().invoke(control, c.dispId, c.kind, c.args);
        EXPECT_EQ(result.ok, c.ok) << result.error.toStdString();
        EXPECT_EQ(result.error.isEmpty(), c.ok);
        EXPECT_FALSE(result.value.isValid()) << "methods, puts and failures return an empty variant";
        if (c.afterwards) {
            const auto get = factory().invoke(control, c.dispId, DispatchKind::PropertyGet);
            ASSERT_TRUE(get.ok);
            EXPECT_EQ(get.value, *c.afterwards);
            EXPECT_EQ(get.value.metaType(), c.afterwards->metaType());
        }
    }

    QLabel stranger;
    for (QWidget* notMadeHere : {static_cast<QWidget*>(&stranger), static_cast<QWidget*>(nullptr)}) {
        const auto result = factory().invoke(notMadeHere, dispid::Init, DispatchKind::Method);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
    }
}

} // namespace
