// The real program started in a program folder that lacks what it cannot run without:
// it ends with a non-zero status and a German message naming the file, before its
// window shows. The message box closes itself (BRAMLOW_DIALOG_TIMEOUT_MS).

#include "window_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

namespace bramlow {
namespace {

struct Outcome {
    int status = -1;
    bool crashed = false;
    QString errors;
};

Outcome runProgramIn(const QString& folder)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    environment.insert(QStringLiteral("SDL_DISKAUDIOFILE"), QStringLiteral("/dev/null"));
    environment.insert(QStringLiteral("BRAMLOW_DIALOG_TIMEOUT_MS"), QStringLiteral("50"));
    program.setProcessEnvironment(environment);
    // The working directory holds everything the program needs; it must not look there.
    program.setWorkingDirectory(test::programDir());
    program.start(QDir(folder).filePath(QStringLiteral("bramlow")), {});
    Outcome outcome;
    if (!program.waitForStarted() || !program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        outcome.errors = QStringLiteral("did not end");
        return outcome;
    }
    outcome.crashed = program.exitStatus() == QProcess::CrashExit;
    outcome.status = program.exitCode();
    outcome.errors = QString::fromUtf8(program.readAllStandardError());
    return outcome;
}

void replaceFile(const QString& path, const QByteArray& content)
{
    QFile::remove(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
}

struct BrokenFolder {
    const char* name;
    std::function<void(const QDir&)> breakIt;
    int status;
    const char* file;  // named in the message
    const char* cause; // German words of the cause
};
void PrintTo(const BrokenFolder& row, std::ostream* out) { *out << row.name; }

class StartupFailure : public ::testing::TestWithParam<BrokenFolder> {};

TEST_P(StartupFailure, EndsWithAClearMessageAndANonZeroStatus)
{
    test::QuickProgramDir dir;
    const QDir folder(dir.path());
    GetParam().breakIt(folder);

    const Outcome outcome = runProgramIn(dir.path());

    EXPECT_FALSE(outcome.crashed) << outcome.errors.toStdString();
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.errors.contains(folder.filePath(QString::fromUtf8(GetParam().file))))
        << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.errors.contains(QString::fromUtf8(GetParam().cause))) << outcome.errors.toStdString();
}

QString designerPluginPath()
{
#ifdef BRAMLOW_DESIGNER_PLUGIN
    return QStringLiteral(BRAMLOW_DESIGNER_PLUGIN);
#else
    return {};
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StartupFailure,
    ::testing::Values(
        BrokenFolder{"without_bramlow_bmp", [](const QDir& d) { QFile::remove(d.filePath("bramlow.bmp")); }, 3,
                     "bramlow.bmp", "fehlt"},
        BrokenFolder{"bramlow_bmp_not_a_picture",
                     [](const QDir& d) { replaceFile(d.filePath("bramlow.bmp"), "BM but only text, no bitmap\n"); }, 5,
                     "bramlow.bmp", "kein gültiges Bild"},
        BrokenFolder{"without_wuerfel6_bmp", [](const QDir& d) { QFile::remove(d.filePath("wuerfel6.bmp")); }, 3,
                     "wuerfel6.bmp", "fehlt"},
        BrokenFolder{"without_libTrellAuto_so",
                     [](const QDir& d) {
                         for (const QString& name : d.entryList({QStringLiteral("libTrellAuto.so*")}))
                             QFile::remove(d.filePath(name));
                     },
                     6, "libTrellAuto.so", "Die Datei fehlt"},
        BrokenFolder{"libTrellAuto_so_of_random_bytes",
                     [](const QDir& d) {
                         QByteArray junk;
                         for (int i = 0; i < 4096; ++i)
                             junk.append(static_cast<char>((i * 7919) & 0xff));
                         replaceFile(d.filePath("libTrellAuto.so"), junk);
                     },
                     6, "libTrellAuto.so", "keine ladbare Qt-Erweiterung"},
        BrokenFolder{"libTrellAuto_so_cut_short",
                     [](const QDir& d) {
                         QFile whole(d.filePath("libTrellAuto.so"));
                         ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
                         const QByteArray head = whole.read(2000);
                         whole.close();
                         replaceFile(d.filePath("libTrellAuto.so"), head);
                     },
                     6, "libTrellAuto.so", "keine ladbare Qt-Erweiterung"},
        BrokenFolder{"libTrellAuto_so_is_another_plugin",
                     [](const QDir& d) {
                         ASSERT_FALSE(designerPluginPath().isEmpty());
                         QFile::remove(d.filePath("libTrellAuto.so"));
                         ASSERT_TRUE(QFile::copy(designerPluginPath(), d.filePath("libTrellAuto.so")));
                     },
                     6, "libTrellAuto.so", "bietet die Schnittstelle"}),
    [](const testing::TestParamInfo<BrokenFolder>& info) { return std::string(info.param.name); });

} // namespace
} // namespace bramlow
