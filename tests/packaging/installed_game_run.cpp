#include "installed_game_run.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace bramlow::test {
namespace {

// Generous: a guard against a hung game, not a measure of speed.
constexpr int kGuardMs = 60000;

// Sorts the complete lines of stderr; a process that has ended has no incomplete line.
void sortLines(GameRun& run, bool ended)
{
    QStringList lines = run.stderrText.split(QLatin1Char('\n'));
    if (!ended || lines.last().isEmpty())
        lines.removeLast();
    run.reachedWelcome = false;
    run.unexpectedErrorLines.clear();
    for (const QString& line : lines) {
        // A fatal error's message box paints text as well, but the error is on stderr
        // before its box: after an error line, painting proves nothing.
        if (line.startsWith(QLatin1String("qt.text.drawing: ")))
            run.reachedWelcome = run.unexpectedErrorLines.isEmpty();
        // Qt's offscreen platform says this for every top-level window it shows.
        else if (line != QLatin1String("This plugin does not support propagateSizeHints()"))
            run.unexpectedErrorLines.append(line);
    }
}

QStringList mappedFiles(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    QStringList files;
    if (!maps.open(QIODevice::ReadOnly))
        return files;
    for (const QString& line : QString::fromLocal8Bit(maps.readAll()).split(QLatin1Char('\n'))) {
        // address perms offset dev inode path; the path may hold spaces.
        const qsizetype slash = line.indexOf(QLatin1Char('/'));
        if (slash >= 0 && !files.contains(line.mid(slash)))
            files.append(line.mid(slash));
    }
    return files;
}

} // namespace

GameRun runToWelcomeAndTerminate(const QString& program, const QString& workingDir)
{
    QTemporaryDir runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LD_LIBRARY_PATH", "LD_PRELOAD", "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH", "QT_DEBUG_PLUGINS"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("BRAMLOW_DIALOG_TIMEOUT_MS"), QStringLiteral("50"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false;qt.text.drawing.debug=true"));

    GameRun run;
    QByteArray errors;
    QProcess game;
    game.setProcessEnvironment(env);
    game.setWorkingDirectory(workingDir);
    game.setReadChannel(QProcess::StandardError);
    game.start(program, {});
    while (!run.reachedWelcome && game.waitForReadyRead(kGuardMs)) {
        errors += game.readAllStandardError();
        run.stderrText = QString::fromLocal8Bit(errors);
        sortLines(run, false);
    }
    if (run.reachedWelcome && game.state() == QProcess::Running) {
        run.mappedFiles = mappedFiles(game.processId());
        ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    } else if (game.state() == QProcess::Running) {
        game.kill(); // hung before its welcome state
    }
    game.waitForFinished(kGuardMs);
    errors += game.readAllStandardError();
    run.stderrText = game.error() == QProcess::FailedToStart ? game.errorString() : QString::fromLocal8Bit(errors);
    sortLines(run, true);
    // Qt reports the number of the signal that ended a process as its exit code.
    (game.exitStatus() == QProcess::CrashExit ? run.signal : run.exitCode) = game.exitCode();
    return run;
}

void expectWelcome(const GameRun& run, const QString& programDir, const QString& root)
{
    EXPECT_TRUE(run.reachedWelcome) << run.stderrText.toStdString();
    EXPECT_TRUE(run.signal == SIGTERM || (run.signal == 0 && run.exitCode == 0))
        << "signal " << run.signal << ", exit code " << run.exitCode;
    EXPECT_TRUE(run.unexpectedErrorLines.isEmpty()) << run.unexpectedErrorLines.join(QLatin1Char('\n')).toStdString();
    const QString library = QFileInfo(programDir + QStringLiteral("/libTrellAuto.so")).canonicalFilePath();
    EXPECT_TRUE(run.mappedFiles.contains(library)) << run.mappedFiles.join(QLatin1Char(' ')).toStdString();
    for (const QString& file : run.mappedFiles)
        EXPECT_FALSE(file.startsWith(QStringLiteral(BRAMLOW_BUILD_DIR "/")) && !file.startsWith(root + QLatin1Char('/')))
            << file.toStdString() << " comes from the build";
}

} // namespace bramlow::test
