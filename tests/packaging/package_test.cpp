// The Debian packages as a user gets them, unpacked together into a scratch root: the launcher
// and the menu entry lead to one program directory with the game and everything it loads, and
// the game started from there reaches its welcome state or, with a file missing, ends clearly.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Generous: a guard against a hung game or tool, not a measure of speed.
constexpr int kGuardMs = 60000;
const QString kLauncher = QStringLiteral("usr/" GAMES_DIR "/bramlow");

QString dpkgDeb(const QStringList& arguments)
{
    QProcess dpkg;
    dpkg.setWorkingDirectory(QStringLiteral(BRAMLOW_DEB_DIR));
    dpkg.start(QStringLiteral("dpkg-deb"), arguments);
    EXPECT_TRUE(dpkg.waitForFinished(kGuardMs) && dpkg.exitCode() == 0) << dpkg.readAllStandardError().toStdString();
    return QString::fromUtf8(dpkg.readAllStandardOutput());
}

const QStringList kPackages = QDir(QStringLiteral(BRAMLOW_DEB_DIR)).entryList({QStringLiteral("*.deb")});

// Every package of the build unpacked into one root inside a scratch folder, which is the game's
// XDG_RUNTIME_DIR (private to the user, as Qt wants it; a package may set the root's mode).
const QDir& root()
{
    static QTemporaryDir scratch;
    static const QDir unpacked = [] {
        EXPECT_FALSE(kPackages.isEmpty()) << "no package in " BRAMLOW_DEB_DIR;
        for (const QString& deb : kPackages)
            dpkgDeb({QStringLiteral("-x"), deb, scratch.filePath(QStringLiteral("root"))});
        return QDir(scratch.filePath(QStringLiteral("root")));
    }();
    return unpacked;
}

QString programDir() { return QFileInfo(QFileInfo(root().filePath(kLauncher)).canonicalFilePath()).absolutePath(); }

TEST(Package, TheLauncherAndTheMenuEntryLeadToTheGameWithAllItLoadsBesideIt)
{
    ASSERT_TRUE(std::filesystem::read_symlink(root().filePath(kLauncher).toStdString()).is_relative());
    EXPECT_TRUE(programDir().startsWith(root().canonicalPath() + QLatin1Char('/'))) << programDir().toStdString();
    // The game, its control library and every picture and sound the asset maker draws for it.
    QTemporaryDir drawn;
    QProcess maker;
    maker.start(QStringLiteral(BRAMLOW_ASSET_MAKER), {drawn.path(), drawn.filePath(QStringLiteral("icons"))});
    ASSERT_TRUE(maker.waitForFinished(kGuardMs) && maker.exitCode() == 0) << maker.readAllStandardError().toStdString();
    for (const QString& name : QDir(drawn.path()).entryList(QDir::Files) + QStringList{"bramlow", "libTrellAuto.so"})
        EXPECT_GT(QFileInfo(programDir() + QLatin1Char('/') + name).size(), 0) << name.toStdString() << " missing";

    const QSettings entry(root().filePath(QStringLiteral("usr/share/applications/io.github.bramlow.Bramlow.desktop")),
                          QSettings::IniFormat);
    const QString exec = entry.value(QStringLiteral("Desktop Entry/Exec")).toString().section(QLatin1Char(' '), 0, 0);
    const QDir path(root().filePath(QStringLiteral("usr/" GAMES_DIR)));
    EXPECT_EQ(QFileInfo(path.filePath(exec)).canonicalFilePath(), programDir() + QStringLiteral("/bramlow"))
        << "Exec=" << exec.toStdString();
}

TEST(Package, DependsOnWhatTheGameLinksAndWhatItLoadsOnlyAtRunTime)
{
    QString depends;
    for (const QString& deb : kPackages)
        depends += dpkgDeb({QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    // Fonts are looked up by name and platform plugins loaded by Qt: no library check sees them.
    for (const char* need : {"libqt6widgets6", "libsdl2-2.0-0", "fonts-liberation", "qt6-qpa-plugins"})
        EXPECT_TRUE(depends.contains(QLatin1String(need))) << need << " missing in: " << depends.toStdString();
}

// The game's stderr and what it ended with: -1 when it did not end by itself.
std::pair<QString, int> runGame(const QString& workingDir, bool untilWelcome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));
    env.remove(QStringLiteral("QT_PLUGIN_PATH"));
    for (const auto& [name, value] : {std::pair{"QT_QPA_PLATFORM", "offscreen"}, {"SDL_AUDIODRIVER", "dummy"},
                                      {"BRAMLOW_DIALOG_TIMEOUT_MS", "50"},
                                      {"QT_LOGGING_RULES", "*.debug=false;qt.text.drawing.debug=true"}})
        env.insert(QLatin1String(name), QLatin1String(value));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QFileInfo(root().path()).path());
    QProcess game;
    game.setProcessEnvironment(env);
    game.setWorkingDirectory(workingDir);
    game.setReadChannel(QProcess::StandardError);
    game.start(root().filePath(kLauncher), {});
    QString errors;
    // The game reports nothing itself, but Qt logs the first text the window paints, once the
    // game has loaded its files and reached its welcome state.
    while (untilWelcome && !errors.contains(QLatin1String("qt.text.drawing")) && game.waitForReadyRead(kGuardMs))
        errors += QString::fromLocal8Bit(game.readAllStandardError());
    if (untilWelcome)
        game.terminate();
    const bool ended = game.waitForFinished(kGuardMs) && !untilWelcome && game.exitStatus() == QProcess::NormalExit;
    return {errors + QString::fromLocal8Bit(game.readAllStandardError()), ended ? game.exitCode() : -1};
}

// Started from a folder without any of its files, the game looks beside its real executable.
// Without its control library it writes why and shows a box, which closes itself after
// BRAMLOW_DIALOG_TIMEOUT_MS; then it ends.
TEST(Package, TheGameStartsFromThePackageAndEndsClearlyWithoutItsControlLibrary)
{
    const QString errors = runGame(root().filePath(QStringLiteral("usr")), true).first;
    EXPECT_TRUE(errors.contains(QLatin1String("qt.text.drawing"))) << "no window painted: " << errors.toStdString();
    // Nothing but that logging and the line the offscreen platform writes for every window.
    static const QRegularExpression complaint(
        QStringLiteral("^(?!qt\\.text\\.drawing|This plugin does not support propagateSizeHints)"));
    EXPECT_EQ(errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(complaint), QStringList());

    ASSERT_TRUE(QFile::remove(programDir() + QStringLiteral("/libTrellAuto.so")));
    const auto [missingErrors, exitCode] = runGame(root().path(), false);
    EXPECT_EQ(exitCode, 6);
    EXPECT_TRUE(missingErrors.contains(QLatin1String("libTrellAuto.so"))) << missingErrors.toStdString();
}

} // namespace
