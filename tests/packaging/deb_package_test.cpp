// The Debian package as a user gets it: its control fields, and its contents unpacked
// into a scratch root, from where the game starts up to its welcome state.
//
// The game is started as its own process on the offscreen platform and followed up to its
// welcome state, then ended with SIGTERM. The offscreen platform cannot be looked at from
// outside, and the game itself reports nothing, so the run follows Qt's qt.text.drawing
// logging on stderr: it logs the first painting of the message panel's text boxes, which
// happens only once the window is shown, that is after the load handler has recorded the
// layout, loaded the pictures and put the game into its welcome state. A fatal load error
// writes its text to stderr and then shows a message box, which closes itself through
// BRAMLOW_DIALOG_TIMEOUT_MS; the game then ends by itself without reaching the welcome.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Generous: a guard against a hung game or tool, not a measure of speed.
constexpr int kGuardMs = 60000;

struct GameRun {
    bool reachedWelcome = false;
    // How the process ended: by `signal` (0 when it exited) or with `exitCode`.
    int signal = 0;
    int exitCode = -1;
    QStringList mappedFiles;          // every file mapped into the process at the welcome state
    QStringList unexpectedErrorLines; // stderr lines that are neither logging nor known noise
    QString stderrText;
};

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

// `program` starts in `workingDir` with a clean environment: no LD_LIBRARY_PATH, no
// QT_PLUGIN_PATH, nothing that points into a build.
GameRun runToWelcomeAndTerminate(const QString& program, const QString& workingDir)
{
    QTemporaryDir runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LD_LIBRARY_PATH", "LD_PRELOAD", "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH", "QT_DEBUG_PLUGINS"})
        env.remove(QLatin1String(name));
    for (const auto& [name, value] : {std::pair{"QT_QPA_PLATFORM", "offscreen"}, {"SDL_AUDIODRIVER", "dummy"}, {"BRAMLOW_DIALOG_TIMEOUT_MS", "50"},
                                      {"QT_LOGGING_RULES", "*.debug=false;qt.text.drawing.debug=true"}})
        env.insert(QLatin1String(name), QLatin1String(value));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());

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
        QFile maps(QStringLiteral("/proc/%1/maps").arg(game.processId()));
        EXPECT_TRUE(maps.open(QIODevice::ReadOnly));
        // address perms offset dev inode path; the path may hold spaces.
        for (const QString& line : QString::fromLocal8Bit(maps.readAll()).split(QLatin1Char('\n')))
            if (line.contains(QLatin1Char('/')))
                run.mappedFiles.append(line.mid(line.indexOf(QLatin1Char('/'))));
        run.mappedFiles.removeDuplicates();
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

QString packageFile()
{
    const QStringList debs = QDir(QStringLiteral(BRAMLOW_DEB_DIR)).entryList({QStringLiteral("*.deb")}, QDir::Files);
    return debs.size() == 1 ? QStringLiteral(BRAMLOW_DEB_DIR "/") + debs.front() : QString();
}

QString dpkgDeb(const QStringList& arguments)
{
    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg-deb"), arguments);
    if (!dpkg.waitForFinished(kGuardMs) || dpkg.exitStatus() != QProcess::NormalExit || dpkg.exitCode() != 0)
        return QStringLiteral("<dpkg-deb %1 failed: %2>").arg(arguments.join(QLatin1Char(' ')),
                                                           QString::fromLocal8Bit(dpkg.readAllStandardError()));
    return QString::fromUtf8(dpkg.readAllStandardOutput()).trimmed();
}

TEST(DebPackage, ControlFieldsNameTheGameAndEverythingItNeeds)
{
    const QString deb = packageFile();
    ASSERT_FALSE(deb.isEmpty()) << "no single package in " BRAMLOW_DEB_DIR;
    for (const auto& [field, value] : {std::pair{"Package", "bramlow"}, {"Version", BRAMLOW_VERSION}, {"Section", "games"}})
        EXPECT_EQ(dpkgDeb({QStringLiteral("-f"), deb, QLatin1String(field)}), QLatin1String(value)) << field;

    const QString depends = dpkgDeb({QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    QStringList names; // without versions
    for (const QString& item : depends.split(QLatin1Char(','), Qt::SkipEmptyParts))
        names << item.trimmed().section(QLatin1Char(' '), 0, 0);
    // The game asks for Arial and Times New Roman by name, and Qt opens its window through a
    // platform plugin it loads at run time: no library check can see either.
    for (const char* need : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libsdl2-2.0-0", "libstdc++6", "libc6", "fonts-liberation", "qt6-qpa-plugins"})
        EXPECT_TRUE(names.contains(QLatin1String(need))) << need << " missing in: " << depends.toStdString();
    for (const QString& name : names)
        EXPECT_FALSE(name.contains(QLatin1String("TrellAuto"), Qt::CaseInsensitive)) << "the package's own library is no dependency";
}

// Started through a second symlink to the launcher, from a folder of decoys that would be
// picked up if the game looked in its working directory; then without its control library,
// which also shows that a fatal error's message box is not taken for the welcome state.
TEST(DebPackage, UnpackedTheGameFindsItsFilesBesideItselfAndEndsClearlyWhenOneIsMissing)
{
    const QString deb = packageFile();
    ASSERT_FALSE(deb.isEmpty());
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_EQ(dpkgDeb({QStringLiteral("-x"), deb, root.path()}), QString());

    const QString launcher = root.filePath(QStringLiteral("usr/bin/bramlow"));
    ASSERT_TRUE(QFileInfo(launcher).isSymLink());
    const QString programDir = QFileInfo(QFileInfo(launcher).canonicalFilePath()).absolutePath();
    EXPECT_TRUE(programDir.startsWith(QDir(root.path()).canonicalPath() + QLatin1Char('/')))
        << "the launcher leaves the package: " << programDir.toStdString();
    for (const QString& name : QStringLiteral(ASSET_FILES ",libTrellAuto.so").split(QLatin1Char(','))) {
        const QFileInfo file(programDir + QLatin1Char('/') + name);
        EXPECT_GT(file.size(), 0) << name.toStdString() << " is not packaged";
        // The unversioned name the game loads resolves inside the same directory.
        EXPECT_EQ(QFileInfo(file.canonicalFilePath()).absolutePath(), programDir) << name.toStdString();
    }
    for (const char* file : {"usr/share/applications/io.github.bramlow.Bramlow.desktop",
                             "usr/share/metainfo/io.github.bramlow.Bramlow.metainfo.xml",
                             "usr/share/icons/hicolor/48x48/apps/io.github.bramlow.Bramlow.png",
                             "usr/include/trellauto/trell_auto_size.h"})
        EXPECT_TRUE(QFileInfo::exists(root.filePath(QLatin1String(file)))) << file;

    const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    for (const char* name : {"libTrellAuto.so", "bramlow.bmp", "wuerfel6.bmp"}) {
        QFile decoy(elsewhere + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(decoy.open(QIODevice::WriteOnly));
        decoy.write("not what it says it is");
    }
    ASSERT_TRUE(QFile::link(launcher, elsewhere + QStringLiteral("/play-bramlow")));
    const GameRun run = runToWelcomeAndTerminate(elsewhere + QStringLiteral("/play-bramlow"), elsewhere);
    EXPECT_TRUE(run.reachedWelcome) << run.stderrText.toStdString();
    EXPECT_TRUE(run.signal == SIGTERM || (run.signal == 0 && run.exitCode == 0))
        << "ended by SIGTERM or a clean exit on it, not by signal " << run.signal << " or exit code " << run.exitCode;
    EXPECT_TRUE(run.unexpectedErrorLines.isEmpty()) << run.unexpectedErrorLines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(run.mappedFiles.contains(QFileInfo(programDir + QStringLiteral("/libTrellAuto.so")).canonicalFilePath()))
        << run.mappedFiles.join(QLatin1Char(' ')).toStdString();
    for (const QString& file : run.mappedFiles)
        EXPECT_FALSE(file.startsWith(QStringLiteral(BRAMLOW_BUILD_DIR "/"))) << file.toStdString() << " comes from the build";

    ASSERT_TRUE(QFile::remove(programDir + QStringLiteral("/libTrellAuto.so")));
    const GameRun missing = runToWelcomeAndTerminate(launcher, root.path());
    EXPECT_FALSE(missing.reachedWelcome);
    EXPECT_EQ(missing.signal, 0) << "ends by itself, without a crash";
    EXPECT_EQ(missing.exitCode, 6);
    EXPECT_TRUE(missing.stderrText.contains(QLatin1String("libTrellAuto.so"))) << missing.stderrText.toStdString();
}

} // namespace
