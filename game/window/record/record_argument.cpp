#include "record_argument.h"

namespace bramlow {

std::optional<QString> recordFileArgument(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-')) && !argument.isEmpty())
            return argument;
    }
    return std::nullopt;
}

} // namespace bramlow
