#include "window/media/program_files.h"
#include "window/media/twips.h"

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

struct TwipsCase {
    const char* what;
    int twips;
    int pixels;
};

TEST(Twips, FifteenTwipsArePixelRoundedToNearest)
{
    const TwipsCase cases[] = {
        {"zero", 0, 0},
        {"one pixel", 15, 1},
        {"about screen width", 9330, 622},
        {"about screen height", 4530, 302},
        {"cell size 870", 870, 58},
        {"cell pitch 840", 840, 56},
        {"s18 875 rounds up from 58.33", 875, 58},
        {"7 twips round down", 7, 0},
        {"8 twips round up", 8, 1},
        {"half a pixel away from zero, negative", -8, -1},
    };
    for (const TwipsCase& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.what;
}

TEST(Twips, RectConvertsEachValueOnItsOwn)
{
    // Cells of one size stay one size wherever they sit.
    EXPECT_EQ(twipsRect(3720, 5280, 870, 870), QRect(248, 352, 58, 58));
    EXPECT_EQ(twipsRect(7080, 240, 870, 870).size(), QSize(58, 58));
}

} // namespace
} // namespace bramlow
