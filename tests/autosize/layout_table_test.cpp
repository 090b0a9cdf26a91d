// Init and Sizechanged on a form in memory, with failures injected.

#include "fake_form.h"
#include "trellauto/layout_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trellauto::test {
namespace {

struct Geometry {
    std::optional<double> left, top, width, height, font;
};

void expectGeometry(const FakeForm& form, const std::vector<Geometry>& expected)
{
    ASSERT_EQ(form.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FakeControl& c = form.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + c.name + "\"");
        EXPECT_EQ(c.left, expected[i].left);
        EXPECT_EQ(c.top, expected[i].top);
        EXPECT_EQ(c.width, expected[i].width);
        EXPECT_EQ(c.height, expected[i].height);
        EXPECT_EQ(c.font, expected[i].font);
    }
}

// A 12000 x 9000 form: a label, a button and the auto-size control itself.
FakeForm designedForm()
{
    return FakeForm(12000, 9000,
                    {box("Label1", 120, 360, 3000, 1200, 9.75),
                     box("Command1", 1500, 4500, 1500, 600, 12.0),
                     box("TrellAutoSize1", 9360, 0, 495, 495, 8.25)});
}

std::vector<Geometry> geometryOf(const FakeForm& form)
{
    std::vector<Geometry> result;
    for (const FakeControl& c : form.controls)
        result.push_back({c.left, c.top, c.width, c.height, c.font});
    return result;
}

AutoSizeSettings switches(bool width, bool height, bool fonts,
                          std::string ignore = "TrellAutoSize1;")
{
    return {width, height, fonts, std::move(ignore)};
}

TEST(Sizechanged, FollowsTheFormUnderEachSwitch)
{
    struct Case {
        const char* name;
        double width, height;
        AutoSizeSettings settings;
        std::vector<Geometry> expected;
    };
    const Case cases[] = {
        {"twice as wide: Left and Width double, fonts stay", 24000, 9000, switches(true, true, true),
         {{240, 360, 6000, 1200, 9.75}, {3000, 4500, 3000, 600, 12.0}, {18720, 0, 495, 495, 8.25}}},
        {"twice as tall: Top, Height and fonts double", 12000, 18000, switches(true, true, true),
         {{120, 720, 3000, 2400, 19.5}, {1500, 9000, 1500, 1200, 24.0}, {9360, 0, 495, 495, 8.25}}},
        {"SizeWidth off: widths stay, Left still follows", 24000, 18000, switches(false, true, true),
         {{240, 720, 3000, 2400, 19.5}, {3000, 9000, 1500, 1200, 24.0}, {18720, 0, 495, 495, 8.25}}},
        {"SizeHeight off: heights stay, Top still follows", 24000, 18000, switches(true, false, true),
         {{240, 720, 6000, 1200, 19.5}, {3000, 9000, 3000, 600, 24.0}, {18720, 0, 495, 495, 8.25}}},
        {"SizeFonts off: fonts stay, the rest follows", 24000, 18000, switches(true, true, false),
         {{240, 720, 6000, 2400, 9.75}, {3000, 9000, 3000, 1200, 12.0}, {18720, 0, 495, 495, 8.25}}},
        {"all off: only positions follow", 24000, 18000, switches(false, false, false),
         {{240, 720, 3000, 1200, 9.75}, {3000, 9000, 1500, 600, 12.0}, {18720, 0, 495, 495, 8.25}}},
        {"empty Ignore: the control resizes itself too", 24000, 18000, switches(true, true, true, ""),
         {{240, 720, 6000, 2400, 19.5}, {3000, 9000, 3000, 1200, 24.0}, {18720, 0, 990, 990, 16.5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeForm form = designedForm();
        LayoutTable table;
        table.init(form);
        form.width = c.width;
        form.height = c.height;
        table.sizechanged(form, c.settings);
        expectGeometry(form, c.expected);
    }
}

TEST(Sizechanged, SwitchTurnedOnAgainRestoresTheRecordedRatios)
{
    struct Case {
        const char* name;
        bool AutoSizeSettings::*toggle;
        std::optional<double> FakeControl::*measure;
        double whileOff, afterwards; // of Label1, the form twice as large
    };
    const Case cases[] = {
        {"SizeWidth", &AutoSizeSettings::sizeWidth, &FakeControl::width, 3000, 6000},
        {"SizeHeight", &AutoSizeSettings::sizeHeight, &FakeControl::height, 1200, 2400},
        {"SizeFonts", &AutoSizeSettings::sizeFonts, &FakeControl::font, 9.75, 19.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeForm form = designedForm();
        LayoutTable table;
        table.init(form);
        form.width = 24000;
        form.height = 18000;
        AutoSizeSettings settings;
        settings.*c.toggle = false;
        table.sizechanged(form, settings);
        EXPECT_EQ(form.controls[0].*c.measure, c.whileOff);
        EXPECT_EQ(form.controls[0].left, 240) << "positions follow whatever the switches";

        settings.*c.toggle = true;
        table.sizechanged(form, settings);
        EXPECT_EQ(form.controls[0].*c.measure, c.afterwards);
    }
}

TEST(Init, RecordsEveryRatioWhateverTheSettings)
{
    FakeForm form = designedForm();
    LayoutTable table;
    table.init(form);
    const LayoutRatios& own = table.row(2); // named in the default Ignore: recorded anyway
    EXPECT_DOUBLE_EQ(own.left, 9360.0 / 12000);
    EXPECT_DOUBLE_EQ(own.top, 0.0);
    EXPECT_DOUBLE_EQ(own.width, 495.0 / 12000);
    EXPECT_DOUBLE_EQ(own.height, 495.0 / 9000);
    EXPECT_DOUBLE_EQ(own.font, 8.25 / 9000);
    EXPECT_EQ(form.writes, 0) << "Init changes nothing on the form";
}

// Which controls keep their width when the form doubles: ignored controls keep their
// size but are still moved.
TEST(Sizechanged, IgnoreListDecidesWhoKeepsItsSize)
{
    std::string twoHundred;
    for (int i = 1; i <= 200; ++i)
        twoHundred += "x" + std::to_string(i) + ";";
    struct Case {
        const char* name;
        std::string ignore;
        std::vector<std::string> controls;
        std::vector<bool> ignored;
    };
    const Case cases[] = {
        {"lower-case entry, name with capitals", "label1;", {"Label1", "Label2"}, {true, false}},
        {"entry in capitals, lower-case name", "LABEL2;", {"Label1", "label2"}, {false, true}},
        {"array name matches every element", "b;", {"b", "b", "bb", "b"}, {true, true, false, true}},
        {"second name lacks its semicolon", "Label1;Label2", {"Label1", "Label2"}, {true, false}},
        {"leading blank does not match", " Label1;", {"Label1"}, {false}},
        {"empty Ignore ignores nothing", "", {"Label1", "TrellAutoSize1"}, {false, false}},
        {"no semicolon at all ignores nothing", "Label1", {"Label1"}, {false}},
        {"empty name matches no unnamed control", ";;Label1;", {"", "Label1"}, {false, true}},
        {"trailing blank is part of the name", "Label1 ;", {"Label1", "Label1 "}, {false, true}},
        {"200th name still counts", twoHundred, {"x200", "x1"}, {true, true}},
        {"201st name ignores nothing", twoHundred + "late;", {"late", "x1"}, {false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FakeControl> controls;
        for (const std::string& name : c.controls)
            controls.push_back(box(name, 150, 150, 300, 300, 10.0));
        FakeForm form(3000, 3000, controls);
        LayoutTable table;
        table.init(form);
        form.width = 6000;
        form.height = 6000;
        table.sizechanged(form, switches(true, true, true, c.ignore));
        for (std::size_t i = 0; i < c.controls.size(); ++i) {
            SCOPED_TRACE("control " + std::to_string(i));
            const FakeControl& control = form.controls[i];
            EXPECT_EQ(control.width, c.ignored[i] ? 300 : 600);
            EXPECT_EQ(control.height, c.ignored[i] ? 300 : 600);
            EXPECT_EQ(control.font, c.ignored[i] ? 10.0 : 20.0);
            EXPECT_EQ(control.left, 300) << "ignored or not, every control moves";
            EXPECT_EQ(control.top, 300);
        }
    }
}

TEST(Sizechanged, IgnoreShortenedAtRunTimeResizesTheDroppedNamesAgain)
{
    FakeForm form(3000, 3000,
                  {box("a", 0, 0, 300, 300), box("b", 0, 0, 300, 300), box("c", 0, 0, 300, 300)});
    LayoutTable table;
    table.init(form);
    form.width = 6000;
    table.sizechanged(form, switches(true, true, true, "a;b;c;"));
    EXPECT_EQ(form.controls[1].width, 300);

    form.width = 9000;
    table.sizechanged(form, switches(true, true, true, "a;"));
    EXPECT_EQ(form.controls[0].width, 300);
    EXPECT_EQ(form.controls[1].width, 900);
    EXPECT_EQ(form.controls[2].width, 900);
}

TEST(Sizechanged, FailingControlsInTheMiddleDoNotStopTheRun)
{
    FakeControl thrower = box("Broken", 150, 150, 150, 150);
    thrower.throwsOnEverything = true;
    FakeControl stubborn = box("Stubborn", 300, 300, 300, 300, 10.0);
    stubborn.refusesWidth = true;
    FakeForm form(3000, 3000,
                  {box("Image1", 300, 300, 600, 600, std::nullopt), menuEntry("menuNeu"), thrower,
                   stubborn, box("Last", 1500, 1500, 300, 300, 8.0)});
    LayoutTable table;
    table.init(form);
    form.width = 6000;
    form.height = 6000;
    table.sizechanged(form, switches(true, true, true, ""));
    expectGeometry(form, {
        {600, 600, 1200, 1200, std::nullopt},                                 // picture: no font
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}, // menu entry
        {150, 150, 150, 150, 9.75},                                           // every call throws
        {600, 600, 300, 600, 20.0},                                           // refuses its width only
        {3000, 3000, 600, 600, 16.0},                                         // reached after all that
    });
}

TEST(Sizechanged, ControlsFrom501OnKeepTheirGeometry)
{
    std::vector<FakeControl> controls;
    for (int i = 0; i < 505; ++i)
        controls.push_back(box("c" + std::to_string(i), 150, 150, 300, 300));
    FakeForm form(3000, 3000, controls);
    LayoutTable table;
    table.init(form);
    form.width = 6000;
    form.height = 6000;
    table.sizechanged(form, switches(true, true, true, ""));
    EXPECT_EQ(form.controls[500].width, 600) << "position 500 is the 501st row";
    EXPECT_EQ(form.controls[500].left, 300);
    for (std::size_t i = 501; i < 505; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(form.controls[i].width, 300);
        EXPECT_EQ(form.controls[i].left, 150);
    }
}

TEST(Sizechanged, ShrunkToNothingAndRestoredGetsTheDesignedLayoutBack)
{
    FakeForm form = designedForm();
    const auto designed = geometryOf(form);
    LayoutTable table;
    table.init(form);

    form.width = 0;
    form.height = 0;
    table.sizechanged(form, {});
    EXPECT_EQ(form.controls[0].width, 0);
    EXPECT_EQ(form.controls[0].left, 0);
    EXPECT_EQ(form.controls[0].font, 9.75) << "a font size of 0 is refused by the host";

    // An odd size in between makes the host round; nothing of it may stick.
    form.width = 7777;
    form.height = 5555;
    table.sizechanged(form, {});
    form.width = 12000;
    form.height = 9000;
    table.sizechanged(form, {});
    expectGeometry(form, designed);
}

TEST(Sizechanged, TwoRunsAtOneSizeEqualOne)
{
    FakeForm once = designedForm();
    FakeForm twice = designedForm();
    LayoutTable onceTable;
    LayoutTable twiceTable;
    onceTable.init(once);
    twiceTable.init(twice);
    for (FakeForm* form : {&once, &twice}) {
        form->width = 13337;
        form->height = 7001;
    }
    onceTable.sizechanged(once, {});
    twiceTable.sizechanged(twice, {});
    twiceTable.sizechanged(twice, {});
    expectGeometry(twice, geometryOf(once));
}

TEST(Sizechanged, BeforeAnyInitChangesNothing)
{
    FakeForm form = designedForm();
    LayoutTable table;
    table.sizechanged(form, {});
    EXPECT_EQ(form.writes, 0);
    EXPECT_FALSE(table.hasSnapshot());
    expectGeometry(form, geometryOf(designedForm()));
}

TEST(Init, ZeroOrUnreadableFormSizeLeavesThoseRatiosAsTheyWere)
{
    struct Case {
        const char* name;
        std::optional<double> width, height;
        double expectedLeft, expectedTop;
    };
    const Case cases[] = {
        {"zero width", 0.0, 4500.0, 120.0 / 12000, 360.0 / 4500},
        {"zero height", 6000.0, 0.0, 120.0 / 6000, 360.0 / 9000},
        {"width cannot be read", std::nullopt, 4500.0, 120.0 / 12000, 360.0 / 4500},
        {"both zero", 0.0, 0.0, 120.0 / 12000, 360.0 / 9000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeForm form = designedForm();
        LayoutTable table;
        table.init(form);
        form.width = c.width;
        form.height = c.height;
        table.init(form);
        EXPECT_DOUBLE_EQ(table.row(0).left, c.expectedLeft);
        EXPECT_DOUBLE_EQ(table.row(0).top, c.expectedTop);
    }

    FakeForm empty(0, 0, {box("Label1", 120, 360, 3000, 1200)});
    LayoutTable fresh;
    fresh.init(empty);
    EXPECT_EQ(fresh.row(0).width, 0.0) << "a fresh table keeps its zeros";
}

TEST(LayoutTable, FormWithoutAListOfControlsIsLeftAlone)
{
    FakeForm form = designedForm();
    form.offersControlList = false;
    LayoutTable table;
    table.init(form);
    table.sizechanged(form, {});
    EXPECT_FALSE(table.hasSnapshot());
    EXPECT_EQ(form.writes, 0);

    form.offersControlList = true;
    table.init(form);
    form.offersControlList = false;
    form.width = 24000;
    table.sizechanged(form, {});
    EXPECT_EQ(form.writes, 0);
}

} // namespace
} // namespace trellauto::test
