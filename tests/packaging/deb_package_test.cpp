// The Debian package as a user gets it: its control fields, and its contents unpacked
// into a scratch root, from where the game starts up to its welcome state.

#include "installed_game_run.h"

#include <QDir>
#include <QFile>
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
    // The game asks for Arial and Times New Roman by name, which no library check can see.
    for (const char* need : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libsdl2-2.0-0", "libstdc++6", "libc6", "fonts-liberation"})
        EXPECT_TRUE(names.contains(QLatin1String(need))) << need << " missing in: " << depends.toStdString();
    for (const QString& name : names)
        EXPECT_FALSE(name.contains(QLatin1String("TrellAuto"), Qt::CaseInsensitive)) << "the package's own library is no dependency";
}

// Then without its control library, which also shows that the message box of a fatal error,
// which paints text too, is not taken for the welcome state.
TEST(DebPackage, UnpackedIntoAScratchRootTheGameReachesItsWelcomeStateUnlessALibraryIsMissing)
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

    expectWelcome(runToWelcomeAndTerminate(launcher, root.path()), programDir, QDir(root.path()).canonicalPath());

    ASSERT_TRUE(QFile::remove(programDir + QStringLiteral("/libTrellAuto.so")));
    const GameRun run = runToWelcomeAndTerminate(launcher, root.path());
    EXPECT_FALSE(run.reachedWelcome);
    EXPECT_EQ(run.signal, 0) << "ends by itself, without a crash";
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_TRUE(run.stderrText.contains(QLatin1String("libTrellAuto.so"))) << run.stderrText.toStdString();
}

} // namespace
} // namespace bramlow::test
