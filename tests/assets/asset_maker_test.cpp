// The asset maker as the build runs it: the same bytes every time, and a clear failure when it
// cannot write.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString kMaker = QStringLiteral(BRAMLOW_ASSET_MAKER);
const QString kProgramDir = QStringLiteral(BRAMLOW_PROGRAM_DIR);
const QString kIconTheme = QStringLiteral(BRAMLOW_ICON_THEME_DIR);

struct MakerRun {
    int exitCode = -1;
    QString errors;
};

MakerRun runMaker(const QStringList& arguments)
{
    QProcess maker;
    maker.start(kMaker, arguments);
    EXPECT_TRUE(maker.waitForFinished(60000)) << "the asset maker did not finish";
    return {maker.exitStatus() == QProcess::NormalExit ? maker.exitCode() : -1,
            QString::fromLocal8Bit(maker.readAllStandardError())};
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AssetMaker, ASecondRunWritesTheSameBytes)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString program = scratch.filePath(QStringLiteral("bin"));
    const QString icons = scratch.filePath(QStringLiteral("icons"));
    const MakerRun run = runMaker({program, icons});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);

    int compared = 0;
    for (const auto& [fresh, built] : {std::pair{program, kProgramDir}, std::pair{icons, kIconTheme}}) {
        QDirIterator files(fresh, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString relative = QDir(fresh).relativeFilePath(path);
            SCOPED_TRACE(qPrintable(relative));
            const QByteArray made = contents(path);
            EXPECT_FALSE(made.isEmpty());
            EXPECT_TRUE(made == contents(QDir(built).filePath(relative))) << "differs from the build's copy";
            ++compared;
        }
    }
    // 19 bitmaps, bramlow.png, 6 waves, 7 theme icons.
    EXPECT_EQ(compared, 33);
}

TEST(AssetMaker, AProgramFolderThatCannotBeCreatedFailsClearly)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString blocker = scratch.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    const MakerRun run = runMaker({blocker + QStringLiteral("/bin"), scratch.filePath(QStringLiteral("icons"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(blocker)) << qPrintable(run.errors);
    EXPECT_EQ(contents(blocker), QByteArray("x")) << "the file in the way is left alone";
}

TEST(AssetMaker, WrongArgumentsShowTheUsage)
{
    const MakerRun run = runMaker({QStringLiteral("only-one")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("usage"))) << qPrintable(run.errors);
}

} // namespace
