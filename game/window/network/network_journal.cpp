#include "network_journal.h"

#include "window/record/safe_file.h"
#include "window/record/user_folders.h"

#include <QFile>
#include <QFileInfo>

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
    // It holds the join code: for the user alone, whatever the folder allows.
    return writeFileSafely(*path_, network::journalBeginning(seat), FileAccess::userAlone);
}

QString NetworkJournal::append(const QByteArray& lines)
{
    if (!path_)
        return noUserFolderReason();
    // Flushed to disk before the peer hears of it: a commitment sent is a value kept.
    const QString why = appendFlushed(fd_, *path_, lines);
    if (why.isEmpty())
        return {};
    closeFile();
    return QStringLiteral("„%1“ kann nicht fortgeschrieben werden: %2").arg(*path_, why);
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
