#pragma once
// Strict conversions for values that arrive from a property store or a dispatch call:
// what cannot sensibly be a Boolean or a string is refused, never guessed.

#include <QString>
#include <QVariant>

#include <optional>

namespace trellauto {

// A Boolean, any number (non-zero is true; the interface's True is -1), or the text
// "True"/"False" or a number in any case. Anything else is empty.
std::optional<bool> toSwitch(const QVariant& value);

// A string, or a number or Boolean written as text. Lists, maps and other types are empty.
std::optional<QString> toText(const QVariant& value);

} // namespace trellauto
