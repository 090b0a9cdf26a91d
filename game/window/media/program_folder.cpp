#include "window/media/program_folder.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <climits>

#include <fcntl.h>
#include <unistd.h>

namespace bramlow {

namespace {

struct Handle {
    QString alias;  // "/proc/self/fd/<n>", empty when the folder's name is valid UTF-8
    QString shown;  // the folder's name, decoded with replacements
};

Handle& handle()
{
    static Handle kept;
    return kept;
}

} // namespace

QString programFolder()
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", target, sizeof target);
    if (length <= 0 || length == ssize_t(sizeof target))
        return QCoreApplication::applicationDirPath(); // no /proc: Qt's guess is all there is
    QByteArray folder(target, length);
    folder.truncate(std::max<qsizetype>(1, folder.lastIndexOf('/')));
    const QString decoded = QFile::decodeName(folder);
    if (QFile::encodeName(decoded) == folder)
        return decoded;
    // Kept open for the program's life: every file beside the program is reached through it.
    // Should it fail, "-1" names no folder: the files are then missing, never found elsewhere.
    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    handle() = {QStringLiteral("/proc/self/fd/%1").arg(fd), decoded};
    return handle().alias;
}

bool reachedThroughHandle(const QString& path)
{
    return !handle().alias.isEmpty() && path.startsWith(handle().alias + QLatin1Char('/'));
}

QString withShownFolder(QString text)
{
    const Handle& kept = handle();
    if (!kept.alias.isEmpty())
        text.replace(kept.alias + QLatin1Char('/'), kept.shown + QLatin1Char('/'));
    return text;
}

} // namespace bramlow
