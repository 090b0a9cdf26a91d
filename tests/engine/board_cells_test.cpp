// lese and drucke: field names, picture files, and the order sound, picture, store.
#include "game_table.h"

#include "engine/cell_code.h"
#include "engine/field_name.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bramlow::test {
namespace {

struct DrawCase {
    const char* name;
    std::string feld;
    CellCode code;
    std::string pictureLine;
};

class DrawCell : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawCell, playsGutThenShowsPictureThenStores)
{
    const DrawCase& c = GetParam();
    GameTable table;
    table.engine.drucke(c.feld, c.code);
    EXPECT_EQ(table.view.log, (std::vector<std::string>{"play gut.wav", c.pictureLine}));
    EXPECT_EQ(table.engine.lese(c.feld), c.code);
}

INSTANTIATE_TEST_SUITE_P(Cells, DrawCell,
    ::testing::Values(
        DrawCase{"silber_even_on_b34", "b34", SILBER_EVEN, "b34 <- 09.bmp"},
        DrawCase{"silber_target_empty_s21", "s21", SILBER_HOME_EMPTY, "s21 <- 04.bmp"},
        DrawCase{"gold_home_g17", "g17", GOLD_HOME, "g17 <- 11.bmp"},
        DrawCase{"two_digit_code_keeps_no_zero_b11", "b11", GOLD_EVEN, "b11 <- 13.bmp"},
        DrawCase{"corner_of_board_b88", "b88", EMPTY_EVEN, "b88 <- 05.bmp"},
        DrawCase{"gold_selected_g28", "g28", GOLD_SELECTED, "g28 <- 12.bmp"},
        DrawCase{"empty_odd_b81", "b81", EMPTY_ODD, "b81 <- 01.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawCell, storesOnlyAfterThePictureIsSet)
{
    GameTable table;
    table.engine.drucke("b34", SILBER_EVEN);
    CellCode seenWhilePainting = -1;
    table.view.onCellPicture = [&] { seenWhilePainting = table.engine.lese("b34"); };
    table.engine.drucke("b34", EMPTY_EVEN);
    EXPECT_EQ(seenWhilePainting, SILBER_EVEN);
    EXPECT_EQ(table.engine.lese("b34"), EMPTY_EVEN);
}

TEST(DrawCell, gridsAreSeparate)
{
    GameTable table;
    table.engine.drucke("b12", GOLD_ODD);
    table.engine.drucke("s12", SILBER_HOME);
    table.engine.drucke("g12", GOLD_HOME);
    EXPECT_EQ(table.engine.lese("b12"), GOLD_ODD);
    EXPECT_EQ(table.engine.lese("s12"), SILBER_HOME);
    EXPECT_EQ(table.engine.lese("g12"), GOLD_HOME);
    EXPECT_EQ(table.engine.lese("b21"), 0) << "b21 is not b12";
}

TEST(ReadCell, isZeroBeforeTheFirstGame)
{
    GameTable table;
    for (const auto& feld : allFieldNames())
        EXPECT_EQ(table.engine.lese(feld), 0) << feld;
}

TEST(ForeignLetter, readsZeroAndOnlyPlaysTheSound)
{
    GameTable table;
    table.engine.drucke("b34", SILBER_EVEN);
    table.view.log.clear();
    for (const std::string feld : {"B34", "x34", "S21", "", "34"}) {
        EXPECT_EQ(table.engine.lese(feld), 0) << feld;
        table.engine.drucke(feld, SILBER_HOME);
    }
    EXPECT_EQ(table.view.log, std::vector<std::string>(5, "play gut.wav"));
    EXPECT_EQ(table.engine.lese("b34"), SILBER_EVEN);
}

TEST(GridLetterWithoutCell, throwsBeforeAnythingHappens)
{
    GameTable table;
    for (const std::string feld : {"b09", "b90", "b80", "s31", "g10", "b3", "b345", "bx4", "s29"}) {
        EXPECT_THROW(table.engine.lese(feld), std::out_of_range) << feld;
        EXPECT_THROW(table.engine.drucke(feld, EMPTY_ODD), std::out_of_range) << feld;
    }
    EXPECT_TRUE(table.view.log.empty());
}

TEST(PictureFile, isTheCodeWithTwoDigits)
{
    const std::vector<std::pair<CellCode, std::string>> rows = {
        {EMPTY_ODD, "01.bmp"}, {GOLD_HOME_EMPTY, "02.bmp"}, {SILBER_HOME_EMPTY, "04.bmp"},
        {EMPTY_EVEN, "05.bmp"}, {SILBER_ODD, "06.bmp"}, {SILBER_SELECTED, "07.bmp"},
        {SILBER_HOME, "08.bmp"}, {SILBER_EVEN, "09.bmp"}, {GOLD_ODD, "10.bmp"},
        {GOLD_HOME, "11.bmp"}, {GOLD_SELECTED, "12.bmp"}, {GOLD_EVEN, "13.bmp"},
    };
    for (const auto& [code, file] : rows)
        EXPECT_EQ(pictureFile(code), file) << code;
}

TEST(FieldNames, clickIndexesMatchTheControlArrays)
{
    int board = 0;
    int home = 0;
    for (std::int16_t index = -5; index < 120; ++index) {
        if (const auto cell = cellWithIndex('b', index)) {
            ++board;
            EXPECT_EQ(cell->index(), index);
            EXPECT_EQ(cell->name(), "b" + std::to_string(index));
        }
        if (cellWithIndex('s', index))
            ++home;
        EXPECT_EQ(cellWithIndex('s', index).has_value(), cellWithIndex('g', index).has_value()) << index;
    }
    EXPECT_EQ(board, 64);
    EXPECT_EQ(home, 16);
    EXPECT_FALSE(cellWithIndex('x', 34));
    EXPECT_EQ(fieldName('s', 1, 5), "s15");
}

} // namespace
} // namespace bramlow::test
