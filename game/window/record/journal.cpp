#include "journal.h"

#include "safe_file.h"
#include "user_folders.h"

#include <QFile>
#include <QFileInfo>


namespace bramlow {

Journal::Journal()
{
    if (const auto folder = stateFolder())
        path_ = *folder + QStringLiteral("/partie.bramlow");
}

Journal::~Journal() { closeFile(); }

bool Journal::exists() const { return path_ && QFileInfo(*path_).isFile(); }

void Journal::recorded(const Record& record, const RecordEntries& lines, bool gameWon)
{
    const auto* action = std::get_if<RecordAction>(&lines.front());
    if (gameWon)
        remove();
    else if (action && action->kind == ActionKind::newGame)
        replace(record, false);
    else if (appendable_)
        append(lines);
}

void Journal::replace(const Record& record, bool gameWon)
{
    closeFile();
    if (gameWon) {
        remove();
        return;
    }
    if (!path_) {
        fail(QStringLiteral("Die laufende Partie wird nicht gesichert: %1").arg(noUserFolderReason()));
        return;
    }
    const QString error = writeFileSafely(*path_, QByteArray::fromStdString(recordText(record)));
    appendable_ = error.isEmpty();
    if (!appendable_)
        fail(error);
    emit existsChanged(exists());
}

void Journal::append(const RecordEntries& lines)
{
    std::string text;
    for (const RecordEntry& entry : lines)
        text += std::visit([](const auto& e) { return recordLine(e); }, entry) + '\n';
    // One write per action, flushed to disk: a crash keeps whole lines, or cuts the last one,
    // which the reader then drops.
    if (const QString why = appendFlushed(fd_, *path_, QByteArray::fromStdString(text)); !why.isEmpty()) {
        appendable_ = false;
        closeFile();
        fail(QStringLiteral("„%1“ kann nicht fortgeschrieben werden: %2. Die Partie geht weiter, wird aber nicht mehr gesichert.")
                 .arg(*path_, why));
    }
}

void Journal::remove()
{
    closeFile();
    appendable_ = false;
    if (path_ && QFileInfo(*path_).isFile())
        QFile::remove(*path_);
    emit existsChanged(exists());
}

void Journal::closeFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void Journal::fail(const QString& message)
{
    // Once per run: the game goes on, and a box at every action would stop it.
    if (failureReported_)
        return;
    failureReported_ = true;
    emit writeFailed(message);
}

} // namespace bramlow
