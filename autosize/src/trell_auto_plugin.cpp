#include "trell_auto_plugin.h"

#include "dispatch_table.h"
#include "trellauto/trell_auto_size.h"

#include <QUuid>

namespace {

const QUuid kClassId(QLatin1String(trellauto::kClassId));

bool namesTheControlClass(const QString& name)
{
    if (name.compare(QLatin1String(trellauto::kProgId), Qt::CaseInsensitive) == 0)
        return true;
    const QString braced = name.startsWith(QLatin1Char('{')) ? name : QLatin1Char('{') + name + QLatin1Char('}');
    const QUuid id(braced);
    return !id.isNull() && id == kClassId;
}

} // namespace

QWidget* TrellAutoPlugin::createControl(const QString& progId, QWidget* form)
{
    // Without a form nobody would own the control, and it would have nothing to size.
    if (!form || !namesTheControlClass(progId))
        return nullptr;
    auto* control = new TrellAutoSize(form);
    control->initProperties();
    return control;
}

trellauto::DispatchResult TrellAutoPlugin::invoke(QWidget* control, qint32 dispId,
                                                  trellauto::DispatchKind kind,
                                                  const QVariantList& args)
{
    auto* autoSize = qobject_cast<TrellAutoSize*>(control);
    if (!autoSize) {
        const QString what = control ? QString::fromLatin1(control->metaObject()->className())
                                     : QStringLiteral("no control");
        return {false, {}, QStringLiteral("%1 is not a control of the TrellAuto library").arg(what)};
    }
    return trellauto::dispatch(*autoSize, dispId, kind, args);
}
