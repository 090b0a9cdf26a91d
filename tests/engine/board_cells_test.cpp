// lese and drucke: the picture a code shows, the order sound, picture, store, and names
// that are no cell.
#include "engine_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bramlow::test {
namespace {

TEST(Drucke, playsGutThenShowsThePictureThenStores)
{
    const std::tuple<const char*, std::string, CellCode, std::string> rows[] = {
        {"silber on even b34", "b34", SILBER_EVEN, "b34 <- 09.bmp over 0"},
        {"empty target s21", "s21", SILBER_HOME_EMPTY, "s21 <- 04.bmp over 0"},
        {"gold home g17", "g17", GOLD_HOME, "g17 <- 11.bmp over 0"},
        {"two digits, no leading 0", "b11", GOLD_EVEN, "b11 <- 13.bmp over 0"},
        {"stored only after the picture", "b34", EMPTY_EVEN, "b34 <- 05.bmp over 9"},
    };
    GameTable table;
    table.view.peek = &table.engine;
    for (const auto& [name, feld, code, picture] : rows) {
        SCOPED_TRACE(name);
        table.view.log.clear();
        table.engine.drucke(feld, code);
        EXPECT_EQ(table.view.log, (Log{"play gut.wav", picture}));
        EXPECT_EQ(table.engine.lese(feld), code);
    }
    EXPECT_EQ(table.engine.lese("b43"), 0) << "b34 and b43 are different cells";
}

TEST(Lese, foreignLettersReadZeroAndDruckeOnlyPlaysTheSound)
{
    GameTable table;
    table.engine.drucke("b34", SILBER_EVEN);
    table.view.log.clear();
    for (const std::string feld : {"B34", "x34", "S21", "", "34"}) {
        EXPECT_EQ(table.engine.lese(feld), 0) << feld;
        table.engine.drucke(feld, SILBER_HOME);
    }
    EXPECT_EQ(table.view.log, Log(5, "play gut.wav"));
    EXPECT_EQ(table.engine.lese("b34"), SILBER_EVEN);
}

TEST(Lese, aGridLetterWithoutACellThrowsBeforeAnythingHappens)
{
    GameTable table;
    for (const std::string feld : {"b09", "b90", "b80", "s31", "g10", "b3", "b345", "bx4", "s29"}) {
        EXPECT_THROW(table.engine.lese(feld), std::out_of_range) << feld;
        EXPECT_THROW(table.engine.drucke(feld, EMPTY_ODD), std::out_of_range) << feld;
    }
    EXPECT_TRUE(table.view.log.empty());
    for (const auto& feld : allFields())
        EXPECT_EQ(table.engine.lese(feld), 0) << feld << " before the first game";
}

} // namespace
} // namespace bramlow::test
