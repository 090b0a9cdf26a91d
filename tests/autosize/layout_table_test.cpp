// Init and Sizechanged on a form in memory, with failures injected.

#include "trellauto/layout_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace trellauto {
namespace {

// Left, Top, Width, Height, FontSize; empty where the control lacks the property (a
// menu entry has no position, a picture no font).
using Geometry = std::array<std::optional<double>, 5>;

// Rounds written positions and sizes to whole pixels of 15 twips the way a real host does.
struct FakeForm final : FormModel {
    FakeForm(double width, double height, std::vector<std::string> names, std::vector<Geometry> geometries)
        : width(width), height(height), names(std::move(names)), geometries(std::move(geometries))
    {
    }

    std::optional<double> width, height; // empty: the form's inner size cannot be read
    std::vector<std::string> names;      // a control named "Broken" throws at every read and write
    std::vector<Geometry> geometries;

    std::optional<std::size_t> controlCount() override { return names.size(); }
    std::optional<double> scaleWidth() override { return width; }
    std::optional<double> scaleHeight() override { return height; }
    std::optional<std::string> controlName(std::size_t index) override { return names.at(index); }
    std::optional<double> read(std::size_t index, Measure measure) override { return control(index)[size_t(measure)]; }
    bool write(std::size_t index, Measure measure, double value) override
    {
        auto& slot = control(index)[std::size_t(measure)];
        if (!slot || (measure == Measure::FontSize && value <= 0.0))
            return false;
        slot = measure == Measure::FontSize ? value : std::round(value / 15.0) * 15.0;
        return true;
    }
    std::string toLower(const std::string& text) override
    {
        std::string lower = text;
        std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return lower;
    }

    // The geometry of a control that is still there.
    Geometry& control(std::size_t index)
    {
        if (names.at(index) == "Broken")
            throw std::runtime_error("control is gone");
        return geometries[index];
    }
};

// Controls at (150, 150, 300, 300) twips with a 10 point font on a 3000 x 1500 form, after Init
// given a form twice as wide and eight times as tall: widths and Left follow the width, heights,
// Top and fonts the height, each size only under its switch. Ignored controls keep their size
// and font but are still moved. Each row: the switches with the Ignore text, the controls' names
// and which of them are ignored.
TEST(Sizechanged, FollowsTheFormUnderEachSwitchAndTheIgnoreListDecidesWhoKeepsItsSize)
{
    using Names = std::vector<std::string>;
    const std::tuple<const char*, AutoSizeSettings, Names, std::vector<bool>> cases[] = {
        {"the default Ignore names the control itself", {}, {"Label1", "TrellAutoSize1"}, {false, true}},
        {"SizeWidth off: Left still follows", {false, true, true, ""}, {"Label1"}, {false}},
        {"SizeHeight off: Top still follows", {true, false, true, ""}, {"Label1"}, {false}},
        {"SizeFonts off", {true, true, false, ""}, {"Label1"}, {false}},
        {"case does not matter on either side", {true, true, true, "label1;LABEL2;"}, {"Label1", "label2", "Label3"},
         {true, true, false}},
        {"array name matches every element", {true, true, true, "b;"}, {"b", "b", "bb", "b"}, {true, true, false, true}},
        {"second name lacks its semicolon", {true, true, true, "Label1;Label2"}, {"Label1", "Label2"}, {true, false}},
        {"leading blank does not match", {true, true, true, " Label1;"}, {"Label1"}, {false}},
        {"empty name matches no unnamed control", {true, true, true, ";;Label1;"}, {"", "Label1"}, {false, true}},
    };
    for (const auto& [name, settings, controls, ignored] : cases) {
        SCOPED_TRACE(name);
        FakeForm form(3000, 1500, controls, std::vector<Geometry>(controls.size(), {150, 150, 300, 300, 10.0}));
        LayoutTable table;
        table.init(form);
        form.width = 6000;
        form.height = 12000;
        table.sizechanged(form, settings);
        const Geometry kept{300, 1200, 300, 300, 10.0};
        const Geometry resized{300, 1200, settings.sizeWidth ? 600.0 : 300.0, settings.sizeHeight ? 2400.0 : 300.0,
                               settings.sizeFonts ? 80.0 : 10.0};
        for (std::size_t i = 0; i < controls.size(); ++i)
            EXPECT_EQ(form.geometries[i], ignored[i] ? kept : resized) << "control " << i;
    }
}

// Each failed step has no effect and the run goes on; positions from 501 on are neither
// recorded nor changed.
TEST(Sizechanged, FailingControlsDoNotStopTheRunAndThoseFrom501OnAreLeftAlone)
{
    std::vector<std::string> names{"Image1", "menuNeu", "Broken"};
    std::vector<Geometry> geometries{{300, 300, 600, 600, std::nullopt}, {}, {150, 150, 150, 150, 9.75}};
    names.resize(505, "c");
    geometries.resize(505, {150, 150, 300, 300, 10.0});
    FakeForm form(3000, 3000, names, geometries);
    LayoutTable table;
    table.init(form);
    form.width = form.height = 6000;
    table.sizechanged(form, {true, true, true, ""});
    const Geometry resized{300, 300, 600, 600, 20.0};
    EXPECT_EQ(std::vector(form.geometries.begin(), form.geometries.begin() + 4),
              (std::vector<Geometry>{{600, 600, 1200, 1200, std::nullopt}, {}, geometries[2], resized}));
    EXPECT_EQ(form.geometries[500], resized) << "position 500 is the 501st row";
    EXPECT_EQ(form.geometries[501], geometries[501]);
}

// Sizechanged before any Init does nothing. Init records what it can read, negative positions
// included, and keeps the earlier ratio of what it cannot: at zero size, without the inner
// width, or a value that is not a number.
TEST(Init, RecordsWhatItCanReadAndKeepsTheRestFromTheInitBefore)
{
    FakeForm form(1500, 1500, {"Frame1"}, {{-150, -300, 300, 300, 10.0}});
    LayoutTable table;
    table.sizechanged(form, {});
    EXPECT_EQ(form.geometries[0], (Geometry{-150, -300, 300, 300, 10.0})) << "nothing collapses to 0, 0";

    table.init(form);
    form.geometries[0] = {-300, 150, 600, NAN, 10.0}; // moved and resized, its Height unreadable
    table.init(form);
    form.width = form.height = 0;
    table.init(form);
    form.width = std::nullopt;
    table.init(form);
    form.width = form.height = 3000;
    table.sizechanged(form, {});
    EXPECT_EQ(form.geometries[0], (Geometry{-600, 300, 1200, 600, 20.0}));
}

} // namespace
} // namespace trellauto
