// The control library as a host sees it: loaded with QPluginLoader from the program's
// directory, controls created by programmatic name and called by dispatch identifier.
// Only the host contract is included here, never the control's classes.

#include "trellauto/control_factory.h"

#include <QDir>
#include <QLabel>
#include <QPluginLoader>

#include <gtest/gtest.h>

namespace {

using trellauto::DispatchKind;
namespace dispid = trellauto::dispid;

const QString kProgId = QStringLiteral("TrellAuto.TrellAutoSize");

// One loaded instance for the whole run, like the game's main window.
TrellControlFactory& factory()
{
    static QPluginLoader loader(QDir(QStringLiteral(TRELLAUTO_PROGRAM_DIR)).absoluteFilePath("libTrellAuto.so"));
    auto* instance = qobject_cast<TrellControlFactory*>(loader.instance());
    if (!instance)
        throw std::runtime_error(loader.errorString().toStdString());
    return *instance;
}

TEST(Plugin, CreatesTheControlOnAFormByProgrammaticNameOrClassIdentifier)
{
    const std::pair<QString, bool> names[] = {
        {kProgId, true},
        {QStringLiteral("trellauto.TRELLAUTOSIZE"), true},
        {QStringLiteral("{98af51eb-552c-4d28-ad15-a8b2f39c4ca7}"), true},  // the class
        {QStringLiteral("{7443fd01-8613-4cf5-8968-1b56151a5691}"), false}, // the library
        {QString(), false},
    };
    QWidget form;
    for (const auto& [name, created] : names) {
        const QWidget* control = factory().createControl(name, &form);
        EXPECT_EQ(control && control->parentWidget() == &form, created) << name.toStdString();
    }
    EXPECT_EQ(factory().createControl(kProgId, nullptr), nullptr) << "a control without a form would belong to nobody";
}

TEST(Plugin, CallsMembersByDispatchIdentifier)
{
    const QVariant defaultIgnore = QStringLiteral("TrellAutoSize1;");
    const struct {
        const char* name;
        qint32 dispId;
        DispatchKind kind;
        QVariantList args;
        bool ok;
        QVariant afterwards; // the property's value then read back by a get
    } cases[] = {
        {"Init", dispid::Init, DispatchKind::Method, {}, true, {}},
        {"Sizechanged", dispid::Sizechanged, DispatchKind::Method, {}, true, {}},
        {"Enabled put False as 0", dispid::Enabled, DispatchKind::PropertyPut, {0}, true, false},
        {"SizeHeight put True as -1", dispid::SizeHeight, DispatchKind::PropertyPut, {-1}, true, true},
        {"SizeFonts put a Boolean", dispid::SizeFonts, DispatchKind::PropertyPut, {false}, true, false},
        {"Ignore put", dispid::Ignore, DispatchKind::PropertyPut, {QStringLiteral("ende;")}, true, "ende;"},
        {"unknown identifier", 0x60030006, DispatchKind::Method, {}, false, {}},
        {"Init called as a property", dispid::Init, DispatchKind::PropertyGet, {}, false, {}},
        {"Init with an argument", dispid::Init, DispatchKind::Method, {1}, false, {}},
        {"put without its value", dispid::Ignore, DispatchKind::PropertyPut, {}, false, defaultIgnore},
        {"SizeWidth put a word", dispid::SizeWidth, DispatchKind::PropertyPut, {QStringLiteral("ja")}, false, true},
        {"Ignore put a list", dispid::Ignore, DispatchKind::PropertyPut, {QVariantList{1}}, false, defaultIgnore},
    };
    QWidget form;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* control = factory().createControl(kProgId, &form);
        const trellauto::DispatchResult result = factory().invoke(control, c.dispId, c.kind, c.args);
        EXPECT_EQ(result.ok, c.ok) << result.error.toStdString();
        EXPECT_EQ(result.error.isEmpty(), c.ok);
        EXPECT_FALSE(result.value.isValid()) << "methods, puts and failures return an empty variant";
        const auto get = factory().invoke(control, c.dispId, DispatchKind::PropertyGet);
        EXPECT_TRUE(!c.afterwards.isValid() || (get.value == c.afterwards && get.value.metaType() == c.afterwards.metaType()))
            << get.value.toString().toStdString();
    }
    QLabel stranger;
    EXPECT_FALSE(factory().invoke(&stranger, dispid::Init, DispatchKind::Method).ok) << "a widget not made here";
}

} // namespace
