#include "user_folders.h"

#include <QDir>
#include <QSettings>

namespace bramlow {

namespace {

std::optional<QString> absoluteVariable(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty() || !QDir::isAbsolutePath(value))
        return std::nullopt;
    return QDir::cleanPath(value);
}

std::optional<QString> xdgFolder(const char* variable, const char* underHome)
{
    if (const auto folder = absoluteVariable(variable))
        return *folder + QStringLiteral("/bramlow");
    if (const auto home = absoluteVariable("HOME"); home && *home != QLatin1String("/"))
        return *home + QLatin1Char('/') + QLatin1String(underHome) + QStringLiteral("/bramlow");
    return std::nullopt;
}

} // namespace

std::optional<QString> stateFolder() { return xdgFolder("XDG_STATE_HOME", ".local/state"); }

std::optional<QString> configFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

void confineQtSettings()
{
    if (configFolder())
        return;
    // Qt would fall back to "/.config"; no folder can be made below a device file, not even
    // by root.
    const QString nowhere = QStringLiteral("/dev/null/bramlow-ohne-home");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

QString noUserFolderReason()
{
    return QStringLiteral("Weder HOME noch der XDG-Ordner ist als absoluter Pfad gesetzt; Bramlow schreibt nichts außerhalb "
                          "der Ordner des Benutzers.");
}

} // namespace bramlow
