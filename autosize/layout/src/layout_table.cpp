#include "trellauto/layout_table.h"

#include "trellauto/ignore_list.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace trellauto {
namespace {

// Every step stands alone: a host that throws instead of returning a failure loses
// that one step, never the run.
template <typename Step>
void attempt(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

std::optional<double> finiteOrNothing(std::optional<double> value)
{
    if (value && std::isfinite(*value))
        return value;
    return std::nullopt;
}

std::optional<double> readScale(FormModel& form, bool width) noexcept
{
    std::optional<double> scale;
    attempt([&] { scale = finiteOrNothing(width ? form.scaleWidth() : form.scaleHeight()); });
    return scale;
}

// One recording of Init: ratio = measure / divisor, left unchanged on any failure.
void record(FormModel& form, std::size_t position, Measure measure,
            const std::optional<double>& divisor, double& ratio) noexcept
{
    attempt([&] {
        if (!divisor || *divisor == 0.0)
            return;
        const auto value = finiteOrNothing(form.read(position, measure));
        if (!value)
            return;
        const double quotient = *value / *divisor;
        if (std::isfinite(quotient))
            ratio = quotient;
    });
}

// One assignment of Sizechanged: measure = ratio * scale.
void apply(FormModel& form, std::size_t position, Measure measure, double ratio,
           const std::optional<double>& scale) noexcept
{
    attempt([&] {
        if (!scale)
            return;
        const double product = ratio * *scale;
        if (std::isfinite(product))
            form.write(position, measure, product);
    });
}

std::vector<std::string> ignoreNames(FormModel& form, const std::string& ignore) noexcept
{
    std::vector<std::string> names;
    attempt([&] {
        std::string lower = ignore;
        attempt([&] { lower = form.toLower(ignore); });
        names = splitIgnoreNames(lower);
    });
    return names;
}

bool isIgnored(FormModel& form, std::size_t position,
               const std::vector<std::string>& names) noexcept
{
    bool ignored = false;
    attempt([&] {
        if (names.empty())
            return;
        const auto name = form.controlName(position);
        if (name)
            ignored = isIgnoredName(names, form.toLower(*name));
    });
    return ignored;
}

std::optional<std::size_t> countControls(FormModel& form) noexcept
{
    std::optional<std::size_t> count;
    attempt([&] { count = form.controlCount(); });
    return count;
}

} // namespace

void LayoutTable::init(FormModel& form) noexcept
{
    const auto count = countControls(form);
    if (!count)
        return;
    hasSnapshot_ = true;
    const auto scaleWidth = readScale(form, true);
    const auto scaleHeight = readScale(form, false);
    const std::size_t reached = std::min(*count, kRows);
    for (std::size_t i = 0; i < reached; ++i) {
        LayoutRatios& row = rows_[i];
        record(form, i, Measure::Width, scaleWidth, row.width);
        record(form, i, Measure::Height, scaleHeight, row.height);
        record(form, i, Measure::Top, scaleHeight, row.top);
        record(form, i, Measure::Left, scaleWidth, row.left);
        record(form, i, Measure::FontSize, scaleHeight, row.font);
    }
}

void LayoutTable::sizechanged(FormModel& form, const AutoSizeSettings& settings) noexcept
{
    if (!hasSnapshot_)
        return;
    const auto names = ignoreNames(form, settings.ignore);
    const auto count = countControls(form);
    if (!count)
        return;
    const auto scaleWidth = readScale(form, true);
    const auto scaleHeight = readScale(form, false);
    const std::size_t reached = std::min(*count, kRows);
    for (std::size_t i = 0; i < reached; ++i) {
        bool alive = false;
        attempt([&] { alive = form.ownerAlive(); });
        if (!alive)
            return; // the table went with its owner
        const LayoutRatios row = rows_[i]; // a copy: any step may end the owner
        if (!isIgnored(form, i, names)) {
            if (settings.sizeWidth)
                apply(form, i, Measure::Width, row.width, scaleWidth);
            if (settings.sizeHeight)
                apply(form, i, Measure::Height, row.height, scaleHeight);
            if (settings.sizeFonts)
                apply(form, i, Measure::FontSize, row.font, scaleHeight);
        }
        apply(form, i, Measure::Left, row.left, scaleWidth);
        apply(form, i, Measure::Top, row.top, scaleHeight);
        attempt([&] { form.finishControl(i); });
    }
}

} // namespace trellauto
