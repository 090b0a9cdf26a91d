#include "options_file.h"

#include "safe_file.h"
#include "user_folders.h"

#include <QSettings>

#include <map>

namespace bramlow {

std::optional<QString> optionsFile()
{
    if (const auto folder = configFolder())
        return *folder + QStringLiteral("/bramlow.conf");
    return std::nullopt;
}

QString saveOption(const QString& key, const QString& value)
{
    const auto file = optionsFile();
    if (!file)
        return QStringLiteral("Die Einstellung wird nicht gespeichert: %1").arg(noUserFolderReason());
    // Every key saved so far, by group, as QSettings reads it.
    std::map<QString, std::map<QString, QString>> groups;
    const QSettings saved(*file, QSettings::IniFormat);
    for (const QString& each : saved.allKeys())
        groups[each.section(QLatin1Char('/'), 0, -2)][each.section(QLatin1Char('/'), -1)] = saved.value(each).toString();
    groups[key.section(QLatin1Char('/'), 0, -2)][key.section(QLatin1Char('/'), -1)] = value;

    QByteArray text;
    for (const auto& [group, entries] : groups) {
        if (!group.isEmpty())
            text += '[' + group.toUtf8() + "]\n";
        for (const auto& [name, entryValue] : entries)
            text += name.toUtf8() + '=' + entryValue.toUtf8() + '\n';
        text += '\n';
    }
    const QString error = writeFileSafely(*file, text);
    return error.isEmpty() ? QString() : QStringLiteral("Die Einstellung wird nicht gespeichert. %1").arg(error);
}

} // namespace bramlow
