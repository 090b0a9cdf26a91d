#include "network_journal.h"

#include "window/record/safe_file.h"
#include "window/record/user_folders.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace bramlow {

NetworkJournal::NetworkJournal()
{
    if (const auto folder = stateFolder())
        path_ = *folder + QStringLiteral("/netzwerkpartie.journal");
}

NetworkJournal::~NetworkJournal() { closeFile(); }

QString NetworkJournal::begin(const network::SessionSeat& seat)
{
    closeFile();
    if (!path_)
        return noUserFolderReason();
    const QString error = writeFileSafely(*path_, network::journalBeginning(seat));
    // It holds the join code: for the user alone, whatever the folder allows.
    if (error.isEmpty())
        QFile::setPermissions(*path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return error;
}

QString NetworkJournal::append(const QByteArray& lines)
{
    if (!path_)
        return noUserFolderReason();
    if (fd_ < 0)
        fd_ = ::open(QFile::encodeName(*path_).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    // Flushed to disk before the peer hears of it: a commitment sent is a value kept.
    const char* data = lines.constData();
    qsizetype left = lines.size();
    bool written = fd_ >= 0;
    while (written && left > 0) {
        const ssize_t n = ::write(fd_, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        data += written ? n : 0;
        left -= written ? n : 0;
    }
    if (written && ::fdatasync(fd_) == 0)
        return {};
    const int error = errno;
    closeFile();
    return QStringLiteral("„%1“ kann nicht fortgeschrieben werden: %2")
        .arg(*path_, QString::fromLocal8Bit(std::strerror(error)));
}

void NetworkJournal::remove()
{
    closeFile();
    if (path_ && QFileInfo(*path_).isFile())
        QFile::remove(*path_);
}

std::optional<network::ParsedSessionJournal> NetworkJournal::read() const
{
    if (!path_ || !QFileInfo::exists(*path_))
        return std::nullopt;
    const FileRead file = readFileBounded(*path_, network::maxSessionJournalBytes);
    if (!file.error.isEmpty()) {
        network::ParsedSessionJournal failed;
        failed.error = file.error;
        return failed;
    }
    return network::parseSessionJournal(file.bytes);
}

void NetworkJournal::closeFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace bramlow
