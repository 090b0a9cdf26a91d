#include "trellauto/property_bag.h"

namespace trellauto {

PropertyBag::~PropertyBag() = default;

VariantPropertyBag::VariantPropertyBag(QList<QPair<QString, QVariant>> values)
    : values_(std::move(values))
{
}

bool VariantPropertyBag::readProperty(const QString& key, const QVariant& defaultValue,
                                      QVariant& value, QString& /*error*/)
{
    for (const auto& [storedKey, storedValue] : values_) {
        if (storedKey == key) {
            value = storedValue;
            return true;
        }
    }
    value = defaultValue;
    return true;
}

bool VariantPropertyBag::writeProperty(const QString& key, const QVariant& value,
                                       const QVariant& /*defaultValue*/, QString& /*error*/)
{
    for (auto& [storedKey, storedValue] : values_) {
        if (storedKey == key) {
            storedValue = value;
            return true;
        }
    }
    values_.append({key, value});
    return true;
}

} // namespace trellauto
