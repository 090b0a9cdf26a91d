#pragma once
// A form model in memory whose controls may lack properties, refuse values or throw,
// and that rounds written positions and sizes to whole pixels of 15 twips the way a
// real host does.

#include "trellauto/form_model.h"

#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace trellauto::test {

// Left, Top, Width, Height, FontSize; empty where the control lacks the property (a
// menu entry has no position, a picture no font).
using Geometry = std::array<std::optional<double>, 5>;

struct FakeControl {
    std::string name;
    Geometry geometry;
    bool refusesWidth = false;
    bool throwsOnEverything = false;
};

class FakeForm final : public FormModel {
public:
    FakeForm(double width, double height, std::vector<FakeControl> controls)
        : width(width), height(height), controls(std::move(controls))
    {
    }

    std::optional<double> width; // empty: the form's inner width cannot be read
    std::optional<double> height;
    std::vector<FakeControl> controls;
    bool offersControlList = true;
    int writes = 0;

    std::vector<Geometry> geometries() const
    {
        std::vector<Geometry> result;
        for (const FakeControl& c : controls)
            result.push_back(c.geometry);
        return result;
    }

    std::optional<std::size_t> controlCount() override
    {
        return offersControlList ? std::optional(controls.size()) : std::nullopt;
    }
    std::optional<double> scaleWidth() override { return width; }
    std::optional<double> scaleHeight() override { return height; }
    std::optional<std::string> controlName(std::size_t index) override
    {
        return control(index).name;
    }
    std::optional<double> read(std::size_t index, Measure measure) override
    {
        return control(index).geometry[std::size_t(measure)];
    }

    bool write(std::size_t index, Measure measure, double value) override
    {
        FakeControl& target = control(index);
        auto& slot = target.geometry[std::size_t(measure)];
        if (!slot || (measure == Measure::Width && target.refusesWidth))
            return false;
        if (measure == Measure::FontSize && value <= 0.0)
            return false;
        slot = measure == Measure::FontSize ? value : std::round(value / 15.0) * 15.0;
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
