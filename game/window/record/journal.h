#pragma once
// The journal: the record of the game in progress in $XDG_STATE_HOME/bramlow/partie.bramlow,
// so that closing the window, Ctrl+Q, kill -9 or a power cut loses at most the action under
// way. A new game replaces it (a temporary file renamed over it), every further action is
// appended and flushed to disk, a won game removes it. A failed write is reported once in
// German and the game goes on.

#include "record/record_format.h"

#include <QObject>
#include <QString>

#include <optional>

namespace bramlow {

class Journal : public QObject {
    Q_OBJECT
public:
    Journal();
    ~Journal() override;

    // The journal's file; nothing without a user folder.
    const std::optional<QString>& path() const { return path_; }
    // A journal of an unfinished game is there to continue.
    bool exists() const;

    // After each recorded action: `lines` were just added to `record`.
    void recorded(const Record& record, const RecordEntries& lines, bool gameWon);
    // Replaces the journal with `record` (a replay, an undo); a won game removes it.
    void replace(const Record& record, bool gameWon);

signals:
    void existsChanged(bool exists);
    // A write failed; German, naming the file.
    void writeFailed(const QString& message);

private:
    void append(const RecordEntries& lines);
    void remove();
    void closeFile();
    void fail(const QString& message);

    std::optional<QString> path_;
    int fd_ = -1;
    // Appending needs a journal that holds the game's beginning.
    bool appendable_ = false;
    bool failureReported_ = false;
};

} // namespace bramlow
