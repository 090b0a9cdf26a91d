#include "installed_game_run.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>

namespace bramlow::test {
namespace {

// Generous: a guard against a hung game, not a measure of speed.
constexpr int kGuardMs = 60000;

const QLatin1String kLibraryCategory("qt.core.library: ");
const QLatin1String kDrawingCategory("qt.text.drawing: ");
// Qt's offscreen platform says this for every top-level window it shows.
const QLatin1String kOffscreenNotice("This plugin does not support propagateSizeHints()");

QProcessEnvironment cleanEnvironment(const QString& runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LD_LIBRARY_PATH", "LD_PRELOAD", "QT_PLUGIN_PATH",
                             "QT_QPA_PLATFORM_PLUGIN_PATH", "QT_DEBUG_PLUGINS"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("BRAMLOW_DIALOG_TIMEOUT_MS"), QStringLiteral("50"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("QT_LOGGING_RULES"),
               QStringLiteral("*.debug=false;qt.core.library.debug=true;qt.text.drawing.debug=true"));
    return env;
}

QStringList mappedFiles(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    QStringList files;
    if (!maps.open(QIODevice::ReadOnly))
        return files;
    const QStringList lines = QString::fromLocal8Bit(maps.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        // address perms offset dev inode path; the path may hold spaces.
        const qsizetype slash = line.indexOf(QLatin1Char('/'));
        if (slash >= 0 && !files.contains(line.mid(slash)))
            files.append(line.mid(slash));
    }
    return files;
}

} // namespace

bool GameRun::endedCleanlyOnTerminate() const
{
    return signal == SIGTERM || (signal == 0 && exitCode == 0);
}

GameRun runToWelcomeAndTerminate(const QString& program, const QString& workingDir)
{
    GameRun run;
    QTemporaryDir runtimeDir;
    QProcess game;
    game.setProcessEnvironment(cleanEnvironment(runtimeDir.path()));
    game.setWorkingDirectory(workingDir);
    game.setReadChannel(QProcess::StandardError);
    game.start(program, {});
    if (!game.waitForStarted(kGuardMs)) {
        run.stderrText = game.errorString();
        return run;
    }

    QByteArray pending;
    auto takeLines = [&](bool all) {
        pending += game.readAllStandardError();
        QStringList lines;
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            lines.append(QString::fromLocal8Bit(pending.left(end)));
            pending.remove(0, end + 1);
        }
        if (all && !pending.isEmpty()) {
            lines.append(QString::fromLocal8Bit(pending));
            pending.clear();
        }
        for (const QString& line : lines) {
            run.stderrText += line + QLatin1Char('\n');
            if (line.startsWith(kLibraryCategory)) {
                static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
                const QRegularExpressionMatch m = quoted.match(line);
                if (m.hasMatch())
                    run.loadedLibraries.append(m.captured(1));
            } else if (line.startsWith(kDrawingCategory)) {
                // A fatal error's message box paints text as well, but the error is on
                // stderr before its box: after an error line, painting proves nothing.
                run.reachedWelcome = run.unexpectedErrorLines.isEmpty();
            } else if (line != kOffscreenNotice) {
                run.unexpectedErrorLines.append(line);
            }
        }
    };

    while (!run.reachedWelcome && game.state() == QProcess::Running) {
        if (!game.waitForReadyRead(kGuardMs))
            break;
        takeLines(false);
    }
    if (run.reachedWelcome && game.state() == QProcess::Running) {
        run.mappedFiles = mappedFiles(game.processId());
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    } else if (game.state() == QProcess::Running) {
        game.kill(); // hung before its welcome state
    }
    game.waitForFinished(kGuardMs);
    takeLines(true);
    // Qt reports the number of the signal that ended a process as its exit code.
    if (game.exitStatus() == QProcess::CrashExit)
        run.signal = game.exitCode();
    else
        run.exitCode = game.exitCode();
    return run;
}

} // namespace bramlow::test
