// The TrellAuto plugin as a host sees it: loaded with QPluginLoader from the program's
// directory, controls created by programmatic name and called by dispatch identifier.
// Only the host contract is included here, never the control's classes.

#include "dispatch_table.h"
#include "trellauto/control_factory.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QPluginLoader>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <optional>

namespace {

using trellauto::DispatchKind;
namespace dispid = trellauto::dispid;

QString pluginPath()
{
    return QDir(QStringLiteral(TRELLAUTO_PROGRAM_DIR)).absoluteFilePath(QStringLiteral("libTrellAuto.so"));
}

QJsonObject metaDataOf(const QString& path)
{
    QPluginLoader loader(path);
    return loader.metaData().value(QLatin1String("MetaData")).toObject();
}

// One loaded instance for the whole run, like the game's main window.
TrellControlFactory& factory()
{
    static QPluginLoader loader(pluginPath());
    auto* instance = qobject_cast<TrellControlFactory*>(loader.instance());
    if (!instance)
        throw std::runtime_error(loader.errorString().toStdString());
    return *instance;
}

TEST(Plugin, IdentityIsReadableBeforeLoading)
{
    QPluginLoader loader(pluginPath());
    const QJsonObject all = loader.metaData();
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(all.value(QLatin1String("IID")).toString(), QStringLiteral(TrellControlFactory_iid));

    const QJsonObject meta = all.value(QLatin1String("MetaData")).toObject();
    const auto field = [&](const char* object, const char* key) {
        return meta.value(QLatin1String(object)).toObject().value(QLatin1String(key));
    };
    EXPECT_EQ(meta.value(QLatin1String("ProgId")).toString(), "TrellAuto.TrellAutoSize");
    EXPECT_EQ(field("TypeLibrary", "Name").toString(), "TrellAuto");
    EXPECT_EQ(field("TypeLibrary", "Version").toString(), "21.0");
    EXPECT_EQ(field("TypeLibrary", "HelpString").toString(), "Trell AutoSize");
    EXPECT_EQ(field("Class", "Name").toString(), "TrellAutoSize");
    EXPECT_EQ(field("DefaultInterface", "Name").toString(), "_TrellAutoSize");
    EXPECT_EQ(field("EventInterface", "Name").toString(), "__TrellAutoSize");
    EXPECT_TRUE(field("EventInterface", "Members").toArray().isEmpty());

    QSet<QUuid> ids;
    for (const char* object : {"TypeLibrary", "Class", "DefaultInterface", "EventInterface"}) {
        SCOPED_TRACE(object);
        const QUuid id(field(object, "Id").toString());
        EXPECT_FALSE(id.isNull());
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 4) << "four distinct identifiers";

    const std::pair<const char*, const char*> version[] = {
        {"FileVersion", "1.03.0019"},
        {"ProductVersion", "1.03.0019"},
        {"FileDescription", "Autosize Forms"},
        {"ProductName", "Trell AutoSize"},
        {"InternalName", "TrellAuto"},
        {"OriginalFilename", "libTrellAuto.so"},
        {"Comments", "Place \"Init\" in the Form.Load Then \"Sizechanged\" in the Resize"},
    };
    for (const auto& [key, value] : version) {
        SCOPED_TRACE(key);
        EXPECT_EQ(field("VersionInfo", key).toString(), QString::fromUtf8(value));
    }
}

TEST(Plugin, MetadataMemberTableIsTheDispatchTable)
{
    const QJsonArray members = metaDataOf(pluginPath())
                                   .value(QLatin1String("DefaultInterface")).toObject()
                                   .value(QLatin1String("Members")).toArray();
    ASSERT_EQ(members.size(), qsizetype(trellauto::kInterfaceMembers.size()));
    const char* kinds[] = {"Method", "PropertyGet", "PropertyPut"};
    for (qsizetype i = 0; i < members.size(); ++i) {
        const auto& expected = trellauto::kInterfaceMembers[std::size_t(i)];
        const QJsonObject member = members[i].toObject();
        SCOPED_TRACE(expected.slot);
        EXPECT_EQ(member.value(QLatin1String("Slot")).toInt(), expected.slot);
        EXPECT_EQ(member.value(QLatin1String("Name")).toString(), QLatin1String(expected.name));
        EXPECT_EQ(member.value(QLatin1String("Kind")).toString(),
                  QLatin1String(kinds[int(expected.kind)]));
        bool ok = false;
        EXPECT_EQ(member.value(QLatin1String("DispId")).toString().toUInt(&ok, 16),
                  quint32(expected.dispId));
        EXPECT_TRUE(ok);
        EXPECT_EQ(member.value(QLatin1String("HelpString")).toString(),
                  QString::fromUtf8(expected.helpString));
    }
}

TEST(Plugin, CreatesTheControlByProgrammaticName)
{
    struct Case {
        const char* name;
        QString progId;
        bool created;
    };
    const Case cases[] = {
        {"programmatic name", QStringLiteral("TrellAuto.TrellAutoSize"), true},
        {"programmatic name in other case", QStringLiteral("trellauto.TRELLAUTOSIZE"), true},
        {"class identifier", QStringLiteral("{98af51eb-552c-4d28-ad15-a8b2f39c4ca7}"), true},
        {"class identifier without braces", QStringLiteral("98af51eb-552c-4d28-ad15-a8b2f39c4ca7"), true},
        {"library identifier is no class", QStringLiteral("{7443fd01-8613-4cf5-8968-1b56151a5691}"), false},
        {"other class", QStringLiteral("TrellAuto.TrellAutoMove"), false},
        {"library name alone", QStringLiteral("TrellAuto"), false},
        {"empty", QString(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        QWidget* control = factory().createControl(c.progId, &form);
        EXPECT_EQ(control != nullptr, c.created);
        if (control) {
            EXPECT_EQ(control->parentWidget(), &form);
            EXPECT_EQ(control->size(), QSize(33, 33));
        }
    }
    EXPECT_EQ(factory().createControl(QStringLiteral("TrellAuto.TrellAutoSize"), nullptr), nullptr)
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
    const Case cases[] = {
        {"Init", dispid::Init, DispatchKind::Method, {}, true, {}},
        {"Sizechanged before Init", dispid::Sizechanged, DispatchKind::Method, {}, true, {}},
        {"Enabled get", dispid::Enabled, DispatchKind::PropertyGet, {}, true, {}},
        {"Enabled put False as 0", dispid::Enabled, DispatchKind::PropertyPut, {0}, true, QVariant(false)},
        {"SizeWidth put Boolean", dispid::SizeWidth, DispatchKind::PropertyPut, {false}, true, QVariant(false)},
        {"SizeHeight put True as -1", dispid::SizeHeight, DispatchKind::PropertyPut, {-1}, true, QVariant(true)},
        {"SizeFonts put 0", dispid::SizeFonts, DispatchKind::PropertyPut, {0}, true, QVariant(false)},
        {"Ignore put", dispid::Ignore, DispatchKind::PropertyPut, {QStringLiteral("ende;")}, true,
         QVariant(QStringLiteral("ende;"))},
        {"unknown identifier", 0x60030006, DispatchKind::Method, {}, false, {}},
        {"Qt meta-object index is no identifier", 5, DispatchKind::Method, {}, false, {}},
        {"Init called as a property", dispid::Init, DispatchKind::PropertyGet, {}, false, {}},
        {"SizeWidth called as a method", dispid::SizeWidth, DispatchKind::Method, {}, false, {}},
        {"Init with an argument", dispid::Init, DispatchKind::Method, {1}, false, {}},
        {"put without its value", dispid::Ignore, DispatchKind::PropertyPut, {}, false,
         QVariant(QStringLiteral("TrellAutoSize1;"))},
        {"put with two values", dispid::SizeFonts, DispatchKind::PropertyPut, {0, 0}, false, QVariant(true)},
        {"get with a value", dispid::SizeFonts, DispatchKind::PropertyGet, {0}, false, {}},
        {"SizeWidth put a word", dispid::SizeWidth, DispatchKind::PropertyPut, {QStringLiteral("ja")},
         false, QVariant(true)},
        {"Ignore put a list", dispid::Ignore, DispatchKind::PropertyPut, {QVariant(QVariantList{1})},
         false, QVariant(QStringLiteral("TrellAutoSize1;"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        QWidget* control = factory().createControl(QStringLiteral("TrellAuto.TrellAutoSize"), &form);
        ASSERT_NE(control, nullptr);
        const trellauto::DispatchResult result = factory().invoke(control, c.dispId, c.kind, c.args);
        EXPECT_EQ(result.ok, c.ok) << result.error.toStdString();
        EXPECT_EQ(result.error.isEmpty(), c.ok);
        if (c.kind == DispatchKind::Method || !c.ok)
            EXPECT_FALSE(result.value.isValid()) << "methods and failures return an empty variant";
        if (c.afterwards) {
            const auto get = factory().invoke(control, c.dispId, DispatchKind::PropertyGet);
            ASSERT_TRUE(get.ok);
            EXPECT_EQ(get.value, *c.afterwards);
        }
    }
}

TEST(Plugin, RefusesWidgetsItDidNotMake)
{
    QLabel label;
    for (QWidget* stranger : {static_cast<QWidget*>(&label), static_cast<QWidget*>(nullptr)}) {
        const auto result = factory().invoke(stranger, dispid::Init, DispatchKind::Method);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
    }
}

TEST(Plugin, InitAndSizechangedByIdentifierRescaleTheForm)
{
    QWidget form;
    form.resize(600, 450);
    auto* button = new QPushButton(QStringLiteral("Ende"), &form);
    button->setGeometry(400, 20, 90, 40);
    QWidget* control = factory().createControl(QStringLiteral("TrellAuto.TrellAutoSize"), &form);
    control->setObjectName(QStringLiteral("TrellAutoSize1"));
    control->setGeometry(624, 0, 33, 33);

    EXPECT_TRUE(factory().invoke(control, dispid::Init, DispatchKind::Method).ok);
    form.resize(1200, 900);
    EXPECT_TRUE(factory().invoke(control, dispid::Sizechanged, DispatchKind::Method).ok);
    EXPECT_EQ(button->geometry(), QRect(800, 40, 180, 80));
    EXPECT_EQ(control->geometry(), QRect(1248, 0, 33, 33));
}

TEST(Plugin, LibraryThatIsMissingOrNoControlLibraryGivesAnError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString textFile = dir.filePath(QStringLiteral("libTrellAuto.so"));
    {
        QFile file(textFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is no library\n");
    }
    const QString designerPlugin = QStringLiteral(TRELLAUTO_PLUGIN_ROOT "/designer/libTrellAutoDesigner.so");
    struct Case {
        const char* name;
        QString path;
    };
    const Case cases[] = {
        {"missing file", dir.filePath(QStringLiteral("missing/libTrellAuto.so"))},
        {"text file named libTrellAuto.so", textFile},
        {"a plugin of another interface", designerPlugin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QPluginLoader loader(c.path);
        auto* instance = qobject_cast<TrellControlFactory*>(loader.instance());
        EXPECT_EQ(instance, nullptr);
        if (!loader.isLoaded())
            EXPECT_FALSE(loader.errorString().isEmpty());
        loader.unload();
    }
}

} // namespace
