#pragma once
// The library's class factory: the root object of the TrellAuto plugin.

#include "trellauto/control_factory.h"

#include <QObject>

class TrellAutoPlugin final : public QObject, public TrellControlFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TrellControlFactory_iid FILE "trellauto.json")
    Q_INTERFACES(TrellControlFactory)

public:
    // Accepts the programmatic name "TrellAuto.TrellAutoSize" in any case, or the class
    // identifier with or without braces. Without a form there is no control: nullptr.
    QWidget* createControl(const QString& progId, QWidget* form) override;

    // Any TrellAutoSize of this library is a control of this factory, also one that a
    // form loader created.
    trellauto::DispatchResult invoke(QWidget* control, qint32 dispId,
                                     trellauto::DispatchKind kind,
                                     const QVariantList& args = {}) override;
};
