#include "level_argument.h"

#include "level_choice.h"

namespace bramlow {

LevelArgument readLevelArgument(const QStringList& arguments)
{
    const QString option = QStringLiteral("--level");
    LevelArgument result;
    for (const QString& argument : arguments) {
        if (argument != option && !argument.startsWith(option + QLatin1Char('=')))
            continue;
        const QString value = argument.mid(option.size() + 1);
        result.level = levelNamed(value);
        if (!result.level) {
            result.error = QStringLiteral("Bramlow: ungültiger Wert „%1“ für --level. Erlaubt sind "
                                          "--level=leicht, --level=mittel und --level=stark.")
                               .arg(value);
            return result;
        }
    }
    return result;
}

} // namespace bramlow
