#include "safe_file.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bramlow {

namespace {

QString cause(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString cannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("„%1“ kann nicht geschrieben werden: %2. Die bisherige Datei bleibt unverändert.").arg(path, why);
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

QString writeFileSafely(const QString& path, const QByteArray& bytes, FileAccess access)
{
    const QFileInfo target(path);
    if (target.isDir())
        return cannotWrite(path, QStringLiteral("An ihrer Stelle steht ein Ordner"));
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder))
            return cannotWrite(path, QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen").arg(folder));
        // A folder the program makes is the user's alone.
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QByteArray temporary = QFile::encodeName(folder + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return cannotWrite(path, cause(errno));
    // The new file keeps the old one's permissions, or gets those the user's umask gives.
    struct stat old {};
    mode_t mode = 0;
    if (access == FileAccess::userAlone) {
        mode = 0600;
    } else if (::stat(QFile::encodeName(path).constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    const bool written = writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::close(fd);
    if (!written) {
        ::unlink(temporary.constData());
        return cannotWrite(path, cause(writeError));
    }
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.constData());
        return cannotWrite(path, cause(renameError));
    }
    // The rename itself reaches the disk with the folder.
    const int folderFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return {};
}

QString appendFlushed(int& fd, const QString& path, const QByteArray& bytes)
{
    if (fd < 0)
        fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd >= 0 && writeAll(fd, bytes.constData(), bytes.size()) && ::fdatasync(fd) == 0)
        return {};
    return cause(errno);
}

FileRead readFileBounded(const QString& path, qint64 maxBytes)
{
    FileRead read;
    // Non-blocking, so that opening a FIFO without a writer does not wait.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENXIO) { // a socket, which cannot be opened at all
        read.error = QStringLiteral("„%1“ ist keine gewöhnliche Datei.").arg(path);
        return read;
    }
    if (fd < 0) {
        read.error = QStringLiteral("„%1“ kann nicht gelesen werden: %2.").arg(path, cause(errno));
        return read;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        read.error = QStringLiteral("„%1“ ist keine gewöhnliche Datei.").arg(path);
        return read;
    }
    if (status.st_size > maxBytes) {
        ::close(fd);
        read.error = QStringLiteral("„%1“ ist mit %2 Bytes zu groß für eine Partie (höchstens %3).")
                         .arg(path)
                         .arg(static_cast<qint64>(status.st_size))
                         .arg(maxBytes);
        return read;
    }
    // One byte more than allowed tells a file that grew while it was read.
    read.bytes.resize(maxBytes + 1);
    qint64 total = 0;
    while (total <= maxBytes) {
        const ssize_t got = ::read(fd, read.bytes.data() + total, static_cast<size_t>(maxBytes + 1 - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            read.error = QStringLiteral("„%1“ kann nicht gelesen werden: %2.").arg(path, cause(errno));
            break;
        }
        if (got == 0)
            break;
        total += got;
    }
    ::close(fd);
    if (read.error.isEmpty() && total > maxBytes)
        read.error = QStringLiteral("„%1“ ist zu groß für eine Partie (höchstens %2 Bytes).").arg(path).arg(maxBytes);
    read.bytes.resize(read.error.isEmpty() ? total : 0);
    return read;
}

} // namespace bramlow
