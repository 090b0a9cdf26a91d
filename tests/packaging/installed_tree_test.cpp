// The tree that `cmake --install` leaves under a fresh prefix: one program directory
// with the game and everything it loads, a relative launcher, desktop integration that
// agrees with itself, binaries that point nowhere into the build, a game that reaches its
// welcome state however it is started, and a Designer plugin that finds its library.

#include "installed_game_run.h"

#include <QDesignerCustomWidgetInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPluginLoader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace bramlow::test {
namespace {

const QString kPrefix = QStringLiteral(BRAMLOW_STAGE_PREFIX);
const QString kBuildDir = QStringLiteral(BRAMLOW_BUILD_DIR);
const QString kProgramDir = kPrefix + QStringLiteral("/" INSTALL_LIBDIR "/bramlow");
const QString kLauncher = kPrefix + QStringLiteral("/" INSTALL_BINDIR "/bramlow");
const QString kDataDir = kPrefix + QStringLiteral("/" INSTALL_DATADIR);
const QString kDesignerPlugin = kPrefix + QStringLiteral("/" INSTALL_DESIGNERDIR "/libTrellAutoDesigner.so");
const QString kAppId = QStringLiteral("io.github.bramlow.Bramlow");

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of `key=` in the [Desktop Entry] group.
QString desktopValue(const QString& entry, const QString& key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

// RPATH and RUNPATH entries of an ELF file, as readelf shows them.
QStringList searchPaths(const QString& elf)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), elf});
    if (!readelf.waitForFinished(60000) || readelf.exitCode() != 0)
        return {QStringLiteral("<readelf failed on %1>").arg(elf)};
    QStringList paths;
    static const QRegularExpression entry(QStringLiteral(R"(\((?:RPATH|RUNPATH)\).*\[(.*)\])"));
    for (const QString& line : QString::fromLocal8Bit(readelf.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = entry.match(line);
        if (m.hasMatch())
            paths += m.captured(1).split(QLatin1Char(':'));
    }
    return paths;
}

bool underBuildOutsideStage(const QString& path)
{
    return path.startsWith(kBuildDir + QLatin1Char('/')) && !path.startsWith(kPrefix + QLatin1Char('/'));
}

TEST(InstalledTree, ProgramDirectoryHoldsTheGameItsFilesAndTheControlLibrary)
{
    QStringList expected = QStringLiteral(ASSET_FILES).split(QLatin1Char(','));
    expected << QStringLiteral("bramlow") << QStringLiteral("libTrellAuto.so");
    for (const QString& name : expected) {
        SCOPED_TRACE(name.toStdString());
        const QFileInfo file(kProgramDir + QLatin1Char('/') + name);
        ASSERT_TRUE(file.exists());
        EXPECT_GT(file.size(), 0);
        // The unversioned name the game loads resolves inside the same directory.
        EXPECT_EQ(QFileInfo(file.canonicalFilePath()).absolutePath(), QFileInfo(kProgramDir).canonicalFilePath());
    }
    EXPECT_TRUE(QFileInfo(kProgramDir + QStringLiteral("/bramlow")).isExecutable());
}

TEST(InstalledTree, LauncherIsARelativeSymlinkToTheRealProgram)
{
    const std::filesystem::path launcher = kLauncher.toStdString();
    ASSERT_TRUE(std::filesystem::is_symlink(launcher));
    const std::filesystem::path target = std::filesystem::read_symlink(launcher);
    EXPECT_TRUE(target.is_relative()) << target << " breaks when the tree moves";
    EXPECT_EQ(QFileInfo(kLauncher).canonicalFilePath(),
              QFileInfo(kProgramDir + QStringLiteral("/bramlow")).canonicalFilePath());
}

TEST(InstalledTree, DesktopEntryIconsAndMetainfoNameEachOther)
{
    const QString entry = readText(kDataDir + QStringLiteral("/applications/") + kAppId + QStringLiteral(".desktop"));
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_EQ(QFileInfo(kPrefix + QStringLiteral("/" INSTALL_BINDIR "/") + desktopValue(entry, QStringLiteral("Exec"))).canonicalFilePath(),
              QFileInfo(kLauncher).canonicalFilePath())
        << "Exec must name the installed launcher";
    const QStringList categories = desktopValue(entry, QStringLiteral("Categories")).split(QLatin1Char(';'));
    EXPECT_TRUE(categories.contains(QStringLiteral("Game")) && categories.contains(QStringLiteral("BoardGame")));

    const QString icon = desktopValue(entry, QStringLiteral("Icon"));
    EXPECT_EQ(icon, kAppId);
    for (const QString& size : QStringLiteral(ICON_SIZES).split(QLatin1Char(','))) {
        SCOPED_TRACE(size.toStdString());
        const QImage image(kDataDir + QStringLiteral("/icons/hicolor/%1x%1/apps/%2.png").arg(size, icon));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(size.toInt(), size.toInt())) << "a theme folder holds its own size only";
    }

    const QString metainfo = readText(kDataDir + QStringLiteral("/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<id>%1</id>").arg(kAppId)));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(kAppId)));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<binary>%1</binary>").arg(QFileInfo(kLauncher).fileName())));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<release version=\"" BRAMLOW_VERSION "\"")))
        << "the metainfo lists the version being installed";
}

TEST(InstalledTree, BinariesKeepNoPathIntoTheBuild)
{
    struct Case {
        const char* name;
        QString file;
        QStringList runpath; // after $ORIGIN is resolved
    };
    const Case cases[] = {
        {"game", kProgramDir + QStringLiteral("/bramlow"), {}},
        {"control library", QFileInfo(kProgramDir + QStringLiteral("/libTrellAuto.so")).canonicalFilePath(), {}},
        {"Designer plugin, to the program directory", kDesignerPlugin, {QFileInfo(kProgramDir).canonicalFilePath()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QFileInfo::exists(c.file)) << c.file.toStdString();
        QStringList resolved;
        for (QString path : searchPaths(c.file)) {
            EXPECT_TRUE(path.startsWith(QLatin1String("$ORIGIN"))) << path.toStdString() << " is fixed at build time";
            path.replace(QLatin1String("$ORIGIN"), QFileInfo(c.file).absolutePath());
            resolved << QFileInfo(path).canonicalFilePath();
        }
        EXPECT_EQ(resolved, c.runpath);
    }
}

// Files that would be picked up if the game looked in its working directory.
void plantDecoys(const QString& dir)
{
    for (const char* name : {"libTrellAuto.so", "bramlow.bmp", "wuerfel6.bmp"}) {
        QFile decoy(dir + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(decoy.open(QIODevice::WriteOnly));
        decoy.write("not what it says it is");
    }
}

void expectWelcomeFromInstalledTree(const GameRun& run, const QString& programDir)
{
    EXPECT_TRUE(run.reachedWelcome) << run.stderrText.toStdString();
    EXPECT_TRUE(run.endedCleanlyOnTerminate()) << "signal " << run.signal << ", exit code " << run.exitCode;
    EXPECT_TRUE(run.unexpectedErrorLines.isEmpty()) << run.unexpectedErrorLines.join(QLatin1Char('\n')).toStdString();
    const QString library = QFileInfo(programDir + QStringLiteral("/libTrellAuto.so")).canonicalFilePath();
    EXPECT_TRUE(run.loadedLibraries.contains(library)) << run.loadedLibraries.join(QLatin1Char(' ')).toStdString();
    ASSERT_FALSE(run.mappedFiles.isEmpty());
    for (const QString& file : run.mappedFiles)
        EXPECT_FALSE(underBuildOutsideStage(file)) << file.toStdString() << " comes from the build";
}

TEST(InstalledGame, ReachesItsWelcomeStateHoweverItIsStarted)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    plantDecoys(elsewhere.path());
    const QString secondLink = elsewhere.filePath(QStringLiteral("play-bramlow"));
    ASSERT_TRUE(QFile::link(kLauncher, secondLink));

    struct Case {
        const char* name;
        QString program;
        QString workingDir;
    };
    const Case cases[] = {
        {"through the launcher, from /", kLauncher, QStringLiteral("/")},
        {"the real program, from its own directory", kProgramDir + QStringLiteral("/bramlow"), kProgramDir},
        {"through a symlink to the launcher, among decoy files", secondLink, elsewhere.path()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectWelcomeFromInstalledTree(runToWelcomeAndTerminate(c.program, c.workingDir), kProgramDir);
    }
}

// A copy of the program directory, so that files can go missing without harming the
// staged tree. Symlinks are copied as the files they name.
QString copyProgramDir(const QTemporaryDir& root)
{
    const QString copy = root.filePath(QStringLiteral("moved/bramlow"));
    QDir().mkpath(copy);
    for (const QFileInfo& file : QDir(kProgramDir).entryInfoList(QDir::Files)) {
        if (!QFile::copy(file.absoluteFilePath(), copy + QLatin1Char('/') + file.fileName()))
            return {};
        QFile::setPermissions(copy + QLatin1Char('/') + file.fileName(), file.permissions());
    }
    return copy;
}

// The missing library also shows that a message box, which paints text too, is not
// taken for the welcome state.
TEST(InstalledGame, MovedElsewhereItStillRunsAndAMissingFileEndsItBeforeTheWelcome)
{
    struct Case {
        const char* name;
        const char* removed; // nullptr: nothing
        int exitCode;        // 0: reaches the welcome state
        const char* named;   // in the error text
    };
    const Case cases[] = {
        {"whole directory moved", nullptr, 0, nullptr},
        {"without the control library", "libTrellAuto.so", 6, "libTrellAuto.so"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        const QString dir = copyProgramDir(root);
        ASSERT_FALSE(dir.isEmpty());
        if (c.removed)
            ASSERT_TRUE(QFile::remove(dir + QLatin1Char('/') + QLatin1String(c.removed)));
        const GameRun run = runToWelcomeAndTerminate(dir + QStringLiteral("/bramlow"), root.path());
        if (!c.removed) {
            expectWelcomeFromInstalledTree(run, dir);
            continue;
        }
        EXPECT_FALSE(run.reachedWelcome);
        EXPECT_EQ(run.signal, 0) << "ends by itself, without a crash";
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.stderrText.contains(QLatin1String(c.named))) << run.stderrText.toStdString();
    }
}

TEST(InstalledDesignerPlugin, LoadsWithTheInstalledControlLibrary)
{
    QPluginLoader loader(kDesignerPlugin);
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto* widgetPlugin = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
    ASSERT_NE(widgetPlugin, nullptr);
    EXPECT_EQ(widgetPlugin->name(), QStringLiteral("TrellAutoSize"));
    EXPECT_TRUE(QFileInfo::exists(kPrefix + QStringLiteral("/" INSTALL_INCLUDEDIR "/") + widgetPlugin->includeFile()))
        << "forms made in Designer include " << widgetPlugin->includeFile().toStdString();

    std::unique_ptr<QWidget> control(widgetPlugin->createWidget(nullptr));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), "TrellAutoSize");
    control.reset();

    const QString maps = readText(QStringLiteral("/proc/self/maps"));
    EXPECT_TRUE(maps.contains(QFileInfo(kProgramDir + QStringLiteral("/libTrellAuto.so")).canonicalFilePath()));
    EXPECT_FALSE(maps.contains(kBuildDir + QStringLiteral("/bin/"))) << "a library from the build was loaded";
}

} // namespace
} // namespace bramlow::test
