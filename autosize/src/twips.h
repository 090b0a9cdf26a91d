#pragma once
// The one place where twips meet pixels: 15 twips are one device-independent pixel
// (1440 twips an inch at 96 dots per inch; Qt scales for high DPI).

#include <QtGlobal>
#include <QWidget>

#include <cmath>
#include <optional>

namespace trellauto {

inline constexpr int kTwipsPerPixel = 15;

// The control's own size, held by the control itself.
inline constexpr double kOwnSizeTwips = 500.0;

inline double pixelsToTwips(int pixels)
{
    return double(pixels) * kTwipsPerPixel;
}

// Whole pixels, rounded half away from zero; empty when the value cannot be a widget
// coordinate or extent.
inline std::optional<int> twipsToPixels(double twips)
{
    if (!std::isfinite(twips))
        return std::nullopt;
    const double pixels = twips / kTwipsPerPixel;
    if (std::abs(pixels) > QWIDGETSIZE_MAX)
        return std::nullopt;
    return qRound(pixels);
}

} // namespace trellauto
