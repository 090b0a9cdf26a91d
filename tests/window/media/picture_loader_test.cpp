#include "window/media/picture_loader.h"

#include "test_media_files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bramlow {
namespace {

using testing::quadrantImage;
using testing::writeFile;

QImage solid(QColor colour)
{
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class PictureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(PictureLoaderTest, LoadsFromTheProgramDirectoryWhateverTheWorkingDirectory)
{
    // The program directory's name is not ASCII; the working directory holds a decoy.
    const QString program = path(QStringLiteral("Spiele für Jürgen"));
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(quadrantImage().save(program + "/bramlow.bmp", "BMP"));
    QTemporaryDir elsewhere;
    ASSERT_TRUE(solid(Qt::black).save(elsewhere.filePath("bramlow.bmp"), "BMP"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));

    const QImage loaded = loadPictureOrExit(program, "bramlow.bmp").toImage();
    QDir::setCurrent(before);

    ASSERT_EQ(loaded.size(), QSize(2, 2));
    EXPECT_EQ(loaded.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(loaded.pixelColor(1, 1), QColor(Qt::yellow));
}

TEST_F(PictureLoaderTest, ReadsTheFileAnewAtEveryUse)
{
    ASSERT_TRUE(solid(Qt::red).save(path("07.bmp"), "BMP"));
    EXPECT_EQ(loadPictureOrExit(dir.path(), "07.bmp").toImage().pixelColor(1, 1), QColor(Qt::red));
    ASSERT_TRUE(solid(Qt::blue).save(path("07.bmp"), "BMP"));
    EXPECT_EQ(loadPictureOrExit(dir.path(), "07.bmp").toImage().pixelColor(1, 1), QColor(Qt::blue));
}

struct FatalCase {
    const char* what;
    int exitCode;
    const char* cause;
};

struct ProbeResult {
    int exitCode;
    QString stderrText;
};

ProbeResult runProbe(const QString& programDir, const QString& name)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // The box really shows and then closes itself; without this the child would wait
    // on a person.
    env.insert("BRAMLOW_DIALOG_TIMEOUT_MS", "50");
    probe.setProcessEnvironment(env);
    probe.start(PICTURE_LOADER_PROBE, {programDir, name});
    if (!probe.waitForFinished(30000)) {
        probe.kill();
        probe.waitForFinished();
        return {-1, "probe did not finish"};
    }
    if (probe.exitStatus() != QProcess::NormalExit)
        return {-2, "probe crashed: " + QString::fromUtf8(probe.readAllStandardError())};
    return {probe.exitCode(), QString::fromUtf8(probe.readAllStandardError())};
}

TEST_F(PictureLoaderTest, ProbeLoadsAGoodPictureAndExitsZero)
{
    ASSERT_TRUE(quadrantImage().save(path("bramlow.bmp"), "BMP"));
    EXPECT_EQ(runProbe(dir.path(), "bramlow.bmp").exitCode, 0);
}

TEST_F(PictureLoaderTest, BadPictureEndsTheProgramNamingFileAndCause)
{
    QByteArray goodBitmap;
    {
        QFile f(path("good.bmp"));
        ASSERT_TRUE(quadrantImage().save(&f, "BMP"));
        f.close();
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        goodBitmap = f.readAll();
    }
    const struct {
        FatalCase expect;
        std::function<void(const QString&)> prepare;
    } cases[] = {
        {{"missing file", kPictureMissing, "fehlt."}, [](const QString&) {}},
        {{"a directory of that name", kPictureMissing, "fehlt."}, [](const QString& p) { QDir().mkpath(p); }},
        {{"text file named .bmp", kPictureInvalid, "ist kein gültiges Bild."},
         [](const QString& p) { writeFile(p, "Dies ist kein Bild.\n"); }},
        {{"empty file", kPictureInvalid, "ist kein gültiges Bild."}, [](const QString& p) { writeFile(p, {}); }},
        {{"bitmap cut after its header", kPictureInvalid, "ist kein gültiges Bild."},
         [&](const QString& p) { writeFile(p, goodBitmap.left(30)); }},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString program = path(QString("case%1").arg(n++));
        ASSERT_TRUE(QDir().mkpath(program));
        const QString file = program + "/bramlow.bmp";
        c.prepare(file);

        const ProbeResult result = runProbe(program, "bramlow.bmp");
        EXPECT_EQ(result.exitCode, c.expect.exitCode) << c.expect.what << ": " << result.stderrText.toStdString();
        const QString message = QStringLiteral("Die Bilddatei „%1/bramlow.bmp“ %2").arg(program, c.expect.cause);
        EXPECT_TRUE(result.stderrText.contains(message)) << c.expect.what << ": " << result.stderrText.toStdString();
    }
}

} // namespace
} // namespace bramlow
