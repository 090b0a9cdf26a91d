// The Debian package as a user gets it: its control fields, and its contents unpacked
// into a scratch root, from where the game starts up to its welcome state.

#include "installed_game_run.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>


namespace bramlow::test {
namespace {

QString packageFile()
{
    const QStringList debs = QDir(QStringLiteral(BRAMLOW_DEB_DIR)).entryList({QStringLiteral("*.deb")}, QDir::Files);
    return debs.size() == 1 ? QStringLiteral(BRAMLOW_DEB_DIR "/") + debs.front() : QString();
}

QString dpkgDeb(const QStringList& arguments)
{
    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg-deb"), arguments);
    if (!dpkg.waitForFinished(60000) || dpkg.exitStatus() != QProcess::NormalExit || dpkg.exitCode() != 0)
        return QStringLiteral("<dpkg-deb %1 failed: %2>").arg(arguments.join(QLatin1Char(' ')),
                                                           QString::fromLocal8Bit(dpkg.readAllStandardError()));
    return QString::fromUtf8(dpkg.readAllStandardOutput()).trimmed();
}

// Package names of a Depends field, without versions.
QStringList dependencyNames(const QString& depends)
{
    QStringList names;
    for (const QString& item : depends.split(QLatin1Char(','), Qt::SkipEmptyParts))
        names << item.trimmed().section(QLatin1Char(' '), 0, 0);
    return names;
}

TEST(DebPackage, ControlFieldsNameTheGameAndEverythingItNeeds)
{
    const QString deb = packageFile();
    ASSERT_FALSE(deb.isEmpty()) << "no single package in " BRAMLOW_DEB_DIR;
    EXPECT_EQ(dpkgDeb({QStringLiteral("-f"), deb, QStringLiteral("Package")}), QStringLiteral("bramlow"));
    EXPECT_EQ(dpkgDeb({QStringLiteral("-f"), deb, QStringLiteral("Version")}), QStringLiteral(BRAMLOW_VERSION));
    EXPECT_EQ(dpkgDeb({QStringLiteral("-f"), deb, QStringLiteral("Section")}), QStringLiteral("games"));

    const QString depends = dpkgDeb({QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    const QStringList names = dependencyNames(depends);
    struct Need {
        const char* package;
        const char* why;
    };
    const Need needs[] = {
        {"libqt6widgets6", "window and controls"},
        {"libqt6gui6", "pictures, and the X11 platform plugin"},
        {"libqt6core6", "plugin loading"},
        {"libsdl2-2.0-0", "sounds"},
        {"libstdc++6", "the C++ runtime"},
        {"libc6", "the C runtime"},
        {"fonts-liberation", "Arial and Times New Roman by name, which no library check can see"},
    };
    for (const Need& need : needs)
        EXPECT_TRUE(names.contains(QLatin1String(need.package))) << need.package << " (" << need.why << ") missing in: "
                                                                 << depends.toStdString();
    for (const QString& name : names)
        EXPECT_FALSE(name.contains(QLatin1String("TrellAuto"), Qt::CaseInsensitive)) << "the package's own library is no dependency";
}

TEST(DebPackage, UnpackedIntoAScratchRootTheGameReachesItsWelcomeState)
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
    for (const QString& name : QStringLiteral(ASSET_FILES).split(QLatin1Char(',')))
        EXPECT_TRUE(QFileInfo::exists(programDir + QLatin1Char('/') + name)) << name.toStdString() << " is not packaged";
    for (const char* file : {"usr/share/applications/io.github.bramlow.Bramlow.desktop",
                             "usr/share/metainfo/io.github.bramlow.Bramlow.metainfo.xml",
                             "usr/share/icons/hicolor/48x48/apps/io.github.bramlow.Bramlow.png",
                             "usr/include/trellauto/trell_auto_size.h"})
        EXPECT_TRUE(QFileInfo::exists(root.filePath(QLatin1String(file)))) << file;

    const GameRun run = runToWelcomeAndTerminate(launcher, root.path());
    EXPECT_TRUE(run.reachedWelcome) << run.stderrText.toStdString();
    EXPECT_TRUE(run.endedCleanlyOnTerminate()) << "signal " << run.signal << ", exit code " << run.exitCode;
    EXPECT_TRUE(run.unexpectedErrorLines.isEmpty()) << run.unexpectedErrorLines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(run.loadedLibraries.contains(QFileInfo(programDir + QStringLiteral("/libTrellAuto.so")).canonicalFilePath()))
        << run.loadedLibraries.join(QLatin1Char(' ')).toStdString();
    for (const QString& file : run.mappedFiles)
        EXPECT_FALSE(file.startsWith(QStringLiteral(BRAMLOW_BUILD_DIR "/"))) << file.toStdString() << " comes from the build";
}

} // namespace
} // namespace bramlow::test
