#include "window/media/program_files.h"

#include <gtest/gtest.h>

namespace bramlow {
namespace {

struct PathCase {
    const char* what;
    QString dir;
    QString name;
    QString expected;
};

TEST(ProgramFile, JoinsDirectoryAndBareNameWithOneSeparatorAlways)
{
    const PathCase cases[] = {
        {"plain directory", "/opt/bramlow", "gut.wav", "/opt/bramlow/gut.wav"},
        // One separator is put in unconditionally, even after a trailing one.
        {"directory with trailing separator", "/opt/bramlow/", "07.bmp", "/opt/bramlow//07.bmp"},
        {"non-ASCII directory", QStringLiteral("/home/jürgen/Spiele"), "wuerfel6.bmp", QStringLiteral("/home/jürgen/Spiele/wuerfel6.bmp")},
        // Never a bare name, which would be looked up in the working directory.
        {"empty directory", "", "ende.wav", "/ende.wav"},
        {"name kept exactly, lower case", "/p", "bramlow.bmp", "/p/bramlow.bmp"},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(programFile(c.dir, c.name), c.expected) << c.what;
}

} // namespace
} // namespace bramlow
