#pragma once
// The layout snapshot of one auto-size control: Init records, for every control of
// the form, its position, size and font size as fractions of the form's inner size;
// Sizechanged applies those fractions to the form's current inner size.

#include "trellauto/form_model.h"

#include <array>
#include <cstddef>
#include <string>

namespace trellauto {

// Fractions of the form's inner size. fontRatio is taken against the height alone, so
// a form that only gets wider keeps its font sizes.
struct LayoutRatios {
    double left = 0.0;   // Left / ScaleWidth
    double top = 0.0;    // Top / ScaleHeight
    double width = 0.0;  // Width / ScaleWidth
    double height = 0.0; // Height / ScaleHeight
    double font = 0.0;   // FontSize / ScaleHeight
};

// What Sizechanged reads besides the table. Ignore: names, each followed by ';'.
struct AutoSizeSettings {
    bool sizeWidth = true;
    bool sizeHeight = true;
    bool sizeFonts = true;
    std::string ignore = "TrellAutoSize1;";
};

class LayoutTable {
public:
    // Positions 0 to 500: one row more than 500. Controls beyond are never touched.
    static constexpr std::size_t kRows = 501;

    // Records all five ratios of every control, ignored ones included, whatever the
    // settings say. A failed read, a zero, missing or non-finite divisor, or a position
    // above 500 leaves that one ratio as it was; the run goes on with the next step.
    // Does nothing when the form offers no list of controls.
    void init(FormModel& form) noexcept;

    // Sets, for each control not ignored, Width, Height and FontSize (each only while
    // its switch is on), then Left and Top for every control. Products go to the host
    // unrounded; a refused value is a failed step. Never writes the table, so a form
    // shrunk to nothing and restored gets its recorded layout back.
    //
    // The host may delete the table's owner during the run (a resize handler that the run
    // sets off); FormModel::ownerAlive says so, and the run stops before the next control.
    //
    // Before the first Init that found a list of controls, Sizechanged does nothing:
    // applying the all-zero table would collapse every control to 0, 0.
    void sizechanged(FormModel& form, const AutoSizeSettings& settings) noexcept;

    // 0 <= position < kRows
    const LayoutRatios& row(std::size_t position) const { return rows_.at(position); }
    bool hasSnapshot() const { return hasSnapshot_; }

private:
    std::array<LayoutRatios, kRows> rows_{};
    bool hasSnapshot_ = false;
};

} // namespace trellauto
