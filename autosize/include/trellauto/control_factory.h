#pragma once
// The one header a host shares with the TrellAuto plugin: create a control by its
// programmatic name, then call its members late-bound by fixed dispatch identifiers.
// A host includes this header only, never the control's classes, and loads the plugin
// with QPluginLoader from its own directory.

#include <QtPlugin>
#include <QString>
#include <QVariant>
#include <QVariantList>

class QWidget;

namespace trellauto {

// Fixed dispatch identifiers of the control's automation interface. They never change
// between builds or Qt versions; the plugin maps them to members through its own table.
namespace dispid {
inline constexpr qint32 Ignore = 0x68030000;
inline constexpr qint32 SizeHeight = 0x68030001;
inline constexpr qint32 SizeWidth = 0x68030002;
inline constexpr qint32 SizeFonts = 0x68030003;
inline constexpr qint32 Enabled = 0x68030004;
inline constexpr qint32 Sizechanged = 0x60030005;
inline constexpr qint32 Init = 0x6003000A;
} // namespace dispid

// How a member is called: a method, or one side of a property.
enum class DispatchKind { Method, PropertyGet, PropertyPut };

// An empty `value` is the empty variant that Init and Sizechanged return.
struct DispatchResult {
    bool ok = false;
    QVariant value;
    QString error; // why the call failed, when !ok
};

} // namespace trellauto

class TrellControlFactory {
public:
    virtual ~TrellControlFactory() = default;

    // Creates the control named `progId` (for example "TrellAuto.TrellAutoSize") as a
    // child of `form`, which then is the control's parent form. Returns nullptr when the
    // library holds no class of that name. The form owns the control.
    virtual QWidget* createControl(const QString& progId, QWidget* form) = 0;

    // Calls the member `dispId` of a control made by createControl. PropertyPut takes
    // the new value as the single argument.
    virtual trellauto::DispatchResult invoke(QWidget* control, qint32 dispId,
                                             trellauto::DispatchKind kind,
                                             const QVariantList& args = {}) = 0;
};

#define TrellControlFactory_iid "org.bramlow.TrellAuto.ControlFactory/1.0"
Q_DECLARE_INTERFACE(TrellControlFactory, TrellControlFactory_iid)
