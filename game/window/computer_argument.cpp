#include "computer_argument.h"

namespace bramlow {

namespace {

const QString kOption = QStringLiteral("--computer");

std::optional<ComputerSides> sidesNamed(const QString& value)
{
    if (value == QLatin1String("silber"))
        return ComputerSides{true, false};
    if (value == QLatin1String("gold"))
        return ComputerSides{false, true};
    if (value == QLatin1String("beide"))
        return ComputerSides{true, true};
    if (value == QLatin1String("keiner"))
        return ComputerSides{false, false};
    return std::nullopt;
}

} // namespace

ComputerArgument readComputerArgument(const QStringList& arguments)
{
    ComputerArgument result;
    for (const QString& argument : arguments) {
        if (argument != kOption && !argument.startsWith(kOption + QLatin1Char('=')))
            continue;
        const QString value = argument.mid(kOption.size() + 1);
        result.sides = sidesNamed(value);
        if (!result.sides) {
            result.error = QStringLiteral("Bramlow: ungültiger Wert „%1“ für --computer. Erlaubt sind "
                                          "--computer=silber, --computer=gold, --computer=beide und --computer=keiner.")
                               .arg(value);
            return result;
        }
    }
    return result;
}

} // namespace bramlow
