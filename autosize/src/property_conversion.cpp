#include "property_conversion.h"

#include <cmath>

namespace trellauto {
namespace {

bool isNumber(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<bool> toSwitch(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    if (isNumber(value)) {
        const double number = value.toDouble();
        if (std::isnan(number))
            return std::nullopt;
        return number != 0.0;
    }
    if (value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        bool ok = false;
        const double number = text.toDouble(&ok);
        if (ok && !std::isnan(number))
            return number != 0.0;
    }
    return std::nullopt;
}

std::optional<QString> toText(const QVariant& value)
{
    const int type = value.metaType().id();
    if (type == QMetaType::QString || type == QMetaType::Bool || isNumber(value))
        return value.toString();
    if (type == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return std::nullopt;
}

} // namespace trellauto
