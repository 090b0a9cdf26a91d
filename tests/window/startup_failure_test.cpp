// The real program started in a program folder that lacks what it cannot run without:
// it ends with a non-zero status and a German message naming the file and the cause,
// before its window shows. The message box closes itself (BRAMLOW_DIALOG_TIMEOUT_MS).

#include "window_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

namespace bramlow {
namespace {

using testing::writeFile;

struct BrokenFolder {
    const char* name;
    std::function<void(const QDir&)> breakIt;
    int status;
    const char* file;    // named in the message
    const char* message; // %1 is the file's full path
};

void PrintTo(const BrokenFolder& row, std::ostream* out) { *out << row.name; }

class StartupFailure : public ::testing::TestWithParam<BrokenFolder> {};

TEST_P(StartupFailure, EndsWithAClearMessageAndANonZeroStatus)
{
    test::QuickProgramDir dir;
    const QDir folder(dir.path());
    GetParam().breakIt(folder);

    QProcess program;
    // The test's own platform and audio driver (offscreen, disk), and a message box that
    // closes itself.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRAMLOW_DIALOG_TIMEOUT_MS"), QStringLiteral("50"));
    program.setProcessEnvironment(environment);
    // The working directory holds everything the program needs; it must not look there.
    program.setWorkingDirectory(QStringLiteral(BRAMLOW_PROGRAM_DIR));
    program.start(folder.filePath(QStringLiteral("bramlow")), {});
    const bool ended = program.waitForStarted() && program.waitForFinished(60000);
    if (!ended)
        program.kill();
    ASSERT_TRUE(ended) << "the program did not end";
    const std::string errors = program.readAllStandardError().toStdString();

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(program.exitCode(), GetParam().status) << errors;
    const QString message = QString::fromUtf8(GetParam().message).arg(folder.filePath(QString::fromUtf8(GetParam().file)));
    EXPECT_NE(errors.find(message.toStdString()), std::string::npos) << errors;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StartupFailure,
    ::testing::Values(
        BrokenFolder{"without_bramlow_bmp", [](const QDir& d) { QFile::remove(d.filePath("bramlow.bmp")); }, 3,
                     "bramlow.bmp", "Die Bilddatei „%1“ fehlt."},
        BrokenFolder{"bramlow_bmp_is_a_folder",
                     [](const QDir& d) { ASSERT_TRUE(QFile::remove(d.filePath("bramlow.bmp")) && d.mkdir("bramlow.bmp")); }, 3,
                     "bramlow.bmp", "Die Bilddatei „%1“ fehlt."},
        BrokenFolder{"bramlow_bmp_not_a_picture",
                     [](const QDir& d) { ASSERT_TRUE(writeFile(d.filePath("bramlow.bmp"), "BM but only text\n")); },
                     5, "bramlow.bmp", "Die Bilddatei „%1“ ist kein gültiges Bild."},
        BrokenFolder{"bramlow_bmp_cut_after_its_header",
                     [](const QDir& d) { ASSERT_TRUE(QFile::resize(d.filePath("bramlow.bmp"), 30)); }, 5, "bramlow.bmp",
                     "Die Bilddatei „%1“ ist kein gültiges Bild."},
        BrokenFolder{"without_wuerfel6_bmp", [](const QDir& d) { QFile::remove(d.filePath("wuerfel6.bmp")); }, 3,
                     "wuerfel6.bmp", "Die Bilddatei „%1“ fehlt."},
        BrokenFolder{"without_libTrellAuto_so",
                     [](const QDir& d) {
                         for (const QString& name : d.entryList({QStringLiteral("libTrellAuto.so*")}))
                             QFile::remove(d.filePath(name));
                     },
                     6, "libTrellAuto.so", "Die Steuerelement-Bibliothek „%1“ kann nicht geladen werden: Die Datei fehlt."},
        BrokenFolder{"libTrellAuto_so_of_random_bytes",
                     [](const QDir& d) { ASSERT_TRUE(writeFile(d.filePath("libTrellAuto.so"), QByteArray(4096, 'Z'))); },
                     6, "libTrellAuto.so", "„%1“ kann nicht geladen werden: Die Datei ist keine ladbare Qt-Erweiterung"},
        BrokenFolder{"libTrellAuto_so_is_another_plugin",
                     [](const QDir& d) {
                         QFile::remove(d.filePath("libTrellAuto.so"));
                         ASSERT_TRUE(QFile::copy(BRAMLOW_DESIGNER_PLUGIN, d.filePath("libTrellAuto.so")));
                     },
                     6, "libTrellAuto.so", "„%1“ kann nicht geladen werden: Die Erweiterung bietet die Schnittstelle"}),
    [](const ::testing::TestParamInfo<BrokenFolder>& info) { return std::string(info.param.name); });

} // namespace
} // namespace bramlow
