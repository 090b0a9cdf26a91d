#pragma once
// Starts an installed copy of the game as its own process on the offscreen platform and
// follows it up to its welcome state, then ends it with SIGTERM.
//
// The offscreen platform cannot be looked at from outside, and the game itself reports
// nothing, so the run follows Qt's qt.text.drawing logging on stderr: it logs the first
// painting of the message panel's text boxes, which happens only once the window is shown,
// that is after the load handler has recorded the layout, loaded the pictures and put the
// game into its welcome state. A fatal load error writes its text to stderr and then shows
// a message box, which closes itself through BRAMLOW_DIALOG_TIMEOUT_MS; after such a line
// the run waits for the game to end by itself and reports that it never reached the welcome.

#include <QString>
#include <QStringList>

namespace bramlow::test {

struct GameRun {
    bool reachedWelcome = false;
    // How the process ended: by `signal` (0 when it exited) or with `exitCode`.
    int signal = 0;
    int exitCode = -1;
    QStringList mappedFiles;          // every file mapped into the process at the welcome state
    QStringList unexpectedErrorLines; // stderr lines that are neither logging nor known noise
    QString stderrText;
};

// `program` is started with `workingDir` as its working directory and a clean
// environment: no LD_LIBRARY_PATH, no QT_PLUGIN_PATH, nothing that points into a build.
GameRun runToWelcomeAndTerminate(const QString& program, const QString& workingDir);

// The run reached its welcome state without an error line and ended by the SIGTERM it was
// sent (or a clean exit on it, but no crash); it ran with the control library of
// `programDir` and mapped no file of the build unless it lies under `root`.
void expectWelcome(const GameRun& run, const QString& programDir, const QString& root);

} // namespace bramlow::test
