#include "dispatch_table.h"

#include "property_conversion.h"
#include "trellauto/trell_auto_size.h"

#include <algorithm>
#include <functional>

namespace trellauto {
namespace {

DispatchResult failure(const QString& error)
{
    return {false, {}, error};
}

DispatchResult success(QVariant value = {})
{
    return {true, std::move(value), {}};
}

QString hex(qint32 dispId)
{
    return QStringLiteral("0x%1").arg(quint32(dispId), 8, 16, QLatin1Char('0'));
}

QString kindName(DispatchKind kind)
{
    switch (kind) {
    case DispatchKind::Method:
        return QStringLiteral("method call");
    case DispatchKind::PropertyGet:
        return QStringLiteral("property get");
    case DispatchKind::PropertyPut:
        return QStringLiteral("property put");
    }
    return QStringLiteral("unknown call kind");
}

DispatchResult putSwitch(const QVariant& value, const char* name,
                         const std::function<void(bool)>& set)
{
    const auto on = toSwitch(value);
    if (!on)
        return failure(QStringLiteral("%1 takes a Boolean or an integer, not %2")
                           .arg(QLatin1String(name), QString::fromLatin1(value.typeName())));
    set(*on);
    return success();
}

DispatchResult call(TrellAutoSize& control, const InterfaceMember& member,
                    const QVariantList& args)
{
    const QVariant argument = args.value(0);
    switch (member.dispId) {
    case dispid::Init:
        control.Init();
        return success();
    case dispid::Sizechanged:
        control.Sizechanged();
        return success();
    case dispid::Enabled:
        if (member.kind == DispatchKind::PropertyGet)
            return success(control.isControlEnabled());
        return putSwitch(argument, member.name, [&](bool on) { control.setControlEnabled(on); });
    case dispid::SizeFonts:
        if (member.kind == DispatchKind::PropertyGet)
            return success(control.sizeFonts());
        return putSwitch(argument, member.name, [&](bool on) { control.setSizeFonts(on); });
    case dispid::SizeWidth:
        if (member.kind == DispatchKind::PropertyGet)
            return success(control.sizeWidth());
        return putSwitch(argument, member.name, [&](bool on) { control.setSizeWidth(on); });
    case dispid::SizeHeight:
        if (member.kind == DispatchKind::PropertyGet)
            return success(control.sizeHeight());
        return putSwitch(argument, member.name, [&](bool on) { control.setSizeHeight(on); });
    case dispid::Ignore: {
        if (member.kind == DispatchKind::PropertyGet)
            return success(control.ignore());
        const auto names = toText(argument);
        if (!names)
            return failure(QStringLiteral("Ignore takes a string, not %1")
                               .arg(QString::fromLatin1(argument.typeName())));
        control.setIgnore(*names);
        return success();
    }
    }
    return failure(QStringLiteral("Member %1 has no implementation").arg(QLatin1String(member.name)));
}

} // namespace

DispatchResult dispatch(TrellAutoSize& control, qint32 dispId, DispatchKind kind,
                        const QVariantList& args)
{
    const auto sameId = [&](const InterfaceMember& m) { return m.dispId == dispId; };
    if (std::none_of(kInterfaceMembers.begin(), kInterfaceMembers.end(), sameId))
        return failure(QStringLiteral("Unknown dispatch identifier %1").arg(hex(dispId)));

    const auto member = std::find_if(kInterfaceMembers.begin(), kInterfaceMembers.end(),
                                     [&](const InterfaceMember& m) {
                                         return m.dispId == dispId && m.kind == kind;
                                     });
    if (member == kInterfaceMembers.end()) {
        const auto any = std::find_if(kInterfaceMembers.begin(), kInterfaceMembers.end(), sameId);
        return failure(QStringLiteral("%1 (%2) allows no %3")
                           .arg(QLatin1String(any->name), hex(dispId), kindName(kind)));
    }

    const qsizetype expected = kind == DispatchKind::PropertyPut ? 1 : 0;
    if (args.size() != expected)
        return failure(QStringLiteral("%1 (%2) takes %3 argument(s) as %4, not %5")
                           .arg(QLatin1String(member->name), hex(dispId))
                           .arg(expected)
                           .arg(kindName(kind))
                           .arg(args.size()));
    return call(control, *member, args);
}

} // namespace trellauto
