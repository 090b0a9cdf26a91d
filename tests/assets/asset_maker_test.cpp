// The asset maker as the build runs it: the same bytes every time, and a clear failure when it
// cannot write.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct MakerRun {
    int exitCode = -1;
    QString errors;
};

MakerRun runMaker(const QStringList& arguments)
{
    QProcess maker;
    maker.start(QStringLiteral(BRAMLOW_ASSET_MAKER), arguments);
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
    for (const auto& [fresh, built] : {std::pair{program, QStringLiteral(BRAMLOW_PROGRAM_DIR)},
                                       std::pair{icons, QStringLiteral(BRAMLOW_ICON_THEME_DIR)}}) {
        for (QDirIterator files(fresh, QDir::Files, QDirIterator::Subdirectories); files.hasNext(); ++compared) {
            const QString relative = QDir(fresh).relativeFilePath(files.next());
            SCOPED_TRACE(qPrintable(relative));
            const QByteArray made = contents(QDir(fresh).filePath(relative));
            EXPECT_FALSE(made.isEmpty());
            EXPECT_TRUE(made == contents(QDir(built).filePath(relative))) << "differs from the build's copy";
        }
    }
    // 19 bitmaps, bramlow.png, 6 waves, 7 theme icons.
    EXPECT_EQ(compared, 33);
}

TEST(AssetMaker, FailsClearlyWhenItCannotWriteOrIsCalledWrongly)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString blocker = scratch.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    const MakerRun blocked = runMaker({blocker + QStringLiteral("/bin"), scratch.filePath(QStringLiteral("icons"))});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.errors.contains(blocker)) << qPrintable(blocked.errors);
    EXPECT_EQ(contents(blocker), QByteArray("x")) << "the file in the way is left alone";

    const MakerRun misused = runMaker({QStringLiteral("only-one")});
    EXPECT_EQ(misused.exitCode, 2);
    EXPECT_TRUE(misused.errors.contains(QStringLiteral("usage"))) << qPrintable(misused.errors);
}

} // namespace
