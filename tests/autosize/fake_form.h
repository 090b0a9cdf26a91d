#pragma once
// A form model in memory whose controls may lack properties, refuse values or throw,
// and that rounds written positions and sizes to whole pixels of 15 twips the way a
// real host does.

#include "trellauto/form_model.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace trellauto::test {

struct FakeControl {
    std::string name;
    // Empty: the control lacks that property (a menu entry has no position, a
    // picture no font).
    std::optional<double> left, top, width, height, font;
    bool refusesWidth = false;
    bool throwsOnEverything = false;

    std::optional<double>& at(Measure measure)
    {
        switch (measure) {
        case Measure::Left: return left;
        case Measure::Top: return top;
        case Measure::Width: return width;
        case Measure::Height: return height;
        case Measure::FontSize: return font;
        }
        throw std::logic_error("unknown measure");
    }
};

inline FakeControl box(std::string name, double left, double top, double width,
                       double height, std::optional<double> font = 9.75)
{
    return {std::move(name), left, top, width, height, font};
}

inline FakeControl menuEntry(std::string name)
{
    return {std::move(name), std::nullopt, std::nullopt, std::nullopt, std::nullopt,
            std::nullopt};
}

class FakeForm final : public FormModel {
public:
    FakeForm(double width, double height, std::vector<FakeControl> controls)
        : width(width), height(height), controls(std::move(controls))
    {
    }

    std::optional<double> width;  // empty: the form's inner width cannot be read
    std::optional<double> height;
    std::vector<FakeControl> controls;
    bool offersControlList = true;
    int writes = 0;

    std::optional<std::size_t> controlCount() override
    {
        if (!offersControlList)
            return std::nullopt;
        return controls.size();
    }
    std::optional<double> scaleWidth() override { return width; }
    std::optional<double> scaleHeight() override { return height; }

    std::optional<std::string> controlName(std::size_t index) override
    {
        return control(index).name;
    }

    std::optional<double> read(std::size_t index, Measure measure) override
    {
        return control(index).at(measure);
    }

    bool write(std::size_t index, Measure measure, double value) override
    {
        FakeControl& target = control(index);
        auto& slot = target.at(measure);
        if (!slot)
            return false;
        if (measure == Measure::Width && target.refusesWidth)
            return false;
        if (measure == Measure::FontSize) {
            if (value <= 0.0)
                return false;
            slot = value;
        } else {
            slot = std::round(value / 15.0) * 15.0;
        }
        ++writes;
        return true;
    }

    std::string toLower(const std::string& text) override
    {
        std::string lower = text;
        for (char& c : lower)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        return lower;
    }

private:
    FakeControl& control(std::size_t index)
    {
        FakeControl& found = controls.at(index);
        if (found.throwsOnEverything)
            throw std::runtime_error("control is gone");
        return found;
    }
};

} // namespace trellauto::test
