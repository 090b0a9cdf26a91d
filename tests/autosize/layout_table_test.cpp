// Init and Sizechanged on a form in memory, with failures injected.

#include "fake_form.h"
#include "trellauto/layout_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trellauto::test {
namespace {

// A 12000 x 9000 form: a label, a button and the auto-size control itself.
FakeForm designedForm()
{
    return FakeForm(12000, 9000,
                    {{"Label1", {120, 360, 3000, 1200, 9.75}},
                     {"Command1", {1500, 4500, 1500, 600, 12.0}},
                     {"TrellAutoSize1", {9360, 0, 495, 495, 8.25}}});
}

// The designed form after Init, then given a new inner size.
FakeForm designedFormResizedTo(LayoutTable& table, double width, double height)
{
    FakeForm form = designedForm();
    table.init(form);
    EXPECT_EQ(form.writes, 0) << "Init changes nothing on the form";
    form.width = width;
    form.height = height;
    return form;
}

TEST(Sizechanged, FollowsTheFormUnderEachSwitchAndRecoversWhenItIsOnAgain)
{
    struct Case {
        const char* name;
        double width, height;
        AutoSizeSettings settings;
        std::vector<Geometry> expected;
    };
    const Case cases[] = {
        {"twice as wide: Left and Width double, fonts stay", 24000, 9000, {true, true, true},
         {{240, 360, 6000, 1200, 9.75}, {3000, 4500, 3000, 600, 12.0}, {18720, 0, 495, 495, 8.25}}},
        {"twice as tall: Top, Height and fonts double", 12000, 18000, {true, true, true},
         {{120, 720, 3000, 2400, 19.5}, {1500, 9000, 1500, 1200, 24.0}, {9360, 0, 495, 495, 8.25}}},
        {"SizeWidth off: widths stay, Left still follows", 24000, 18000, {false, true, true},
         {{240, 720, 3000, 2400, 19.5}, {3000, 9000, 1500, 1200, 24.0}, {18720, 0, 495, 495, 8.25}}},
        {"SizeHeight off: heights stay, Top still follows", 24000, 18000, {true, false, true},
         {{240, 720, 6000, 1200, 19.5}, {3000, 9000, 3000, 600, 24.0}, {18720, 0, 495, 495, 8.25}}},
        {"SizeFonts off: fonts stay, the rest follows", 24000, 18000, {true, true, false},
         {{240, 720, 6000, 2400, 9.75}, {3000, 9000, 3000, 1200, 12.0}, {18720, 0, 495, 495, 8.25}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayoutTable table;
        FakeForm form = designedFormResizedTo(table, c.width, c.height);
        table.sizechanged(form, c.settings);
        EXPECT_EQ(form.geometries(), c.expected);

        // Every switch on again: the same layout as a run that never turned one off.
        table.sizechanged(form, {});
        LayoutTable freshTable;
        FakeForm fresh = designedFormResizedTo(freshTable, c.width, c.height);
        freshTable.sizechanged(fresh, {});
        EXPECT_EQ(form.geometries(), fresh.geometries());
    }
}

// Ignored controls keep their size and font but are still moved.
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
        std::string ignoreOfAnEarlierRun;
    };
    const Case cases[] = {
        {"case does not matter on either side", "label1;LABEL2;", {"Label1", "label2", "Label3"},
         {true, true, false}},
        {"array name matches every element", "b;", {"b", "b", "bb", "b"}, {true, true, false, true}},
        {"second name lacks its semicolon", "Label1;Label2", {"Label1", "Label2"}, {true, false}},
        {"leading blank does not match", " Label1;", {"Label1"}, {false}},
        {"empty Ignore ignores nothing", "", {"Label1", "TrellAutoSize1"}, {false, false}},
        {"empty name matches no unnamed control", ";;Label1;", {"", "Label1"}, {false, true}},
        {"200th name counts, 201st does not", twoHundred + "late;", {"x200", "late"}, {true, false}},
        {"shortened at run time: dropped names resize again", "a;", {"a", "b", "c"},
         {true, false, false}, "a;b;c;"},
    };
    const Geometry kept{300, 300, 300, 300, 10.0}, resized{300, 300, 600, 600, 20.0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FakeControl> controls;
        for (const std::string& name : c.controls)
            controls.push_back({name, {150, 150, 300, 300, 10.0}});
        FakeForm form(3000, 3000, controls);
        LayoutTable table;
        table.init(form);
        table.sizechanged(form, {true, true, true, c.ignoreOfAnEarlierRun});
        form.width = 6000;
        form.height = 6000;
        table.sizechanged(form, {true, true, true, c.ignore});
        for (std::size_t i = 0; i < c.controls.size(); ++i)
            EXPECT_EQ(form.controls[i].geometry, c.ignored[i] ? kept : resized) << "control " << i;
    }
}

// Each failed step has no effect and the run goes on; positions from 501 on are
// neither recorded nor changed.
TEST(Sizechanged, FailingControlsDoNotStopTheRunAndThoseFrom501OnAreLeftAlone)
{
    FakeForm form(3000, 3000,
                  {{"Image1", {300, 300, 600, 600, std::nullopt}}, // picture: no font
                   {"menuNeu", {}},                                // menu entry: nothing at all
                   {"Broken", {150, 150, 150, 150, 9.75}, false, true},
                   {"Stubborn", {300, 300, 300, 300, 10.0}, true}});
    while (form.controls.size() < 505)
        form.controls.push_back({"c", {150, 150, 300, 300, 10.0}});
    LayoutTable table;
    table.init(form);
    form.width = 6000;
    form.height = 6000;
    table.sizechanged(form, {true, true, true, ""});
    const std::vector<Geometry> expected = {
        {600, 600, 1200, 1200, std::nullopt}, // moved and sized all the same
        {},
        {150, 150, 150, 150, 9.75},           // every call throws
        {600, 600, 300, 600, 20.0},           // refuses its width only
        {300, 300, 600, 600, 20.0},           // reached after all that
    };
    const auto geometries = form.geometries();
    EXPECT_EQ(std::vector(geometries.begin(), geometries.begin() + 5), expected);
    EXPECT_EQ(geometries[500], expected[4]) << "position 500 is the 501st row";
    for (std::size_t i = 501; i < 505; ++i)
        EXPECT_EQ(geometries[i], (Geometry{150, 150, 300, 300, 10.0})) << i;
}

TEST(Sizechanged, ShrunkToNothingAndRestoredGetsTheDesignedLayoutBack)
{
    LayoutTable table;
    FakeForm form = designedFormResizedTo(table, 0, 0);
    table.sizechanged(form, {});
    EXPECT_EQ(form.controls[0].geometry, (Geometry{0, 0, 0, 0, 9.75}))
        << "a font size of 0 is refused by the host";
    table.init(form); // zero divisors: every ratio stays as it was
    form.width = std::nullopt;
    table.init(form); // and so when the width cannot be read

    // An odd size makes the host round: a second run there changes nothing, and no
    // rounding may stick.
    form.width = 13337;
    form.height = 7001;
    table.sizechanged(form, {});
    const auto once = form.geometries();
    table.sizechanged(form, {});
    EXPECT_EQ(form.geometries(), once);

    form.width = 12000;
    form.height = 9000;
    table.sizechanged(form, {});
    EXPECT_EQ(form.geometries(), designedForm().geometries());
}

TEST(LayoutTable, LeftAloneBeforeInitOrWithoutAListOfControls)
{
    FakeForm form = designedForm();
    LayoutTable table;
    table.sizechanged(form, {});
    EXPECT_EQ(form.writes, 0) << "no Init yet: nothing collapses to 0, 0";

    form.offersControlList = false;
    table.init(form);
    form.offersControlList = true;
    table.sizechanged(form, {});
    EXPECT_EQ(form.writes, 0) << "an Init that found no list records nothing";
}

} // namespace
} // namespace trellauto::test
