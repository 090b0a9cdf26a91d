#pragma once
// The program's answer to an error it cannot go on from (a missing picture): a critical
// message box, the same text on stderr, then the end of the process with `exitCode`.
//
// BRAMLOW_DIALOG_TIMEOUT_MS=<n> makes the box close itself after n milliseconds, so that
// automated runs never wait on a person; the box is still really shown.

#include <QString>

class QWidget;

namespace bramlow {

[[noreturn]] void reportFatalErrorAndExit(const QString& message, int exitCode, QWidget* parent = nullptr);

// The timeout from BRAMLOW_DIALOG_TIMEOUT_MS, or -1 when unset or not a number >= 0.
int dialogTimeoutMs();

} // namespace bramlow
