#pragma once
/// \file
/// The store of named values in which a host keeps the saved properties of one
/// TrellAutoSize instance, such as the values of a form file.

#include "trellauto/trellauto_export.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace trellauto {

/// A store of named values. Both calls return false and say why in `error` when the
/// store itself fails; a key that is missing is no failure and reads as `defaultValue`.
class TRELLAUTO_EXPORT PropertyBag {
public:
    virtual ~PropertyBag();
    virtual bool readProperty(const QString& key, const QVariant& defaultValue,
                              QVariant& value, QString& error) = 0;
    virtual bool writeProperty(const QString& key, const QVariant& value,
                               const QVariant& defaultValue, QString& error) = 0;
};

/// A PropertyBag in memory that keeps its keys in the order they were first written.
class TRELLAUTO_EXPORT VariantPropertyBag final : public PropertyBag {
public:
    VariantPropertyBag() = default;
    explicit VariantPropertyBag(QList<QPair<QString, QVariant>> values);

    bool readProperty(const QString& key, const QVariant& defaultValue, QVariant& value,
                      QString& error) override;
    bool writeProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue, QString& error) override;

    const QList<QPair<QString, QVariant>>& values() const { return values_; }

private:
    QList<QPair<QString, QVariant>> values_;
};

} // namespace trellauto
