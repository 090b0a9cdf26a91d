#pragma once
// The one header a host shares with the TrellAuto plugin: create a control by its
// programmatic name (kProgId), then call its members late-bound by the fixed dispatch
// identifiers in trellauto::dispid.
// A host includes this header only, never the control's classes, and loads the plugin
// with QPluginLoader from its own directory.

#include "trellauto/trellauto_identity.h"

#include <QtPlugin>
#include <QString>
#include <QVariant>
#include <QVariantList>

class QWidget;

namespace trellauto {

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
