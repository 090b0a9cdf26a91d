#include "window/media/bounded_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bramlow {

namespace {

FileFault openFault(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
        return FileFault::missing;
    case EACCES:
    case EPERM:
        return FileFault::noPermission;
    case ENXIO: // a socket, which cannot be opened at all
        return FileFault::special;
    default:
        return FileFault::unreadable;
    }
}

struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

FileBytes readRegularFile(const QString& path, qint64 maxBytes)
{
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for ever. O_NOCTTY: a
    // terminal named here never becomes the program's own.
    const Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return {openFault(errno), {}};
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return {FileFault::unreadable, {}};
    if (S_ISDIR(info.st_mode))
        return {FileFault::missing, {}};
    if (!S_ISREG(info.st_mode))
        return {FileFault::special, {}};
    if (info.st_size > maxBytes)
        return {FileFault::tooLarge, {}};

    // One byte more than the limit is read, so that a file growing meanwhile is caught.
    QByteArray bytes(qsizetype(std::min<qint64>(info.st_size, maxBytes) + 1), Qt::Uninitialized);
    qsizetype filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                return {FileFault::tooLarge, {}};
            bytes.resize(std::min<qint64>(2 * filled, maxBytes + 1));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {FileFault::unreadable, {}};
        }
        filled += got;
    }
    bytes.truncate(filled);
    return {FileFault::none, bytes};
}

} // namespace bramlow
