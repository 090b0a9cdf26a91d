#pragma once
// Window geometry is designed in twips (1/1440 inch). 15 twips are one device-independent
// pixel; Qt scales pixels for high-DPI screens. Every twips value is converted here.

#include <QRect>

namespace bramlow {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips * 2 + kTwipsPerPixel) / (2 * kTwipsPerPixel)
                      : -((-twips * 2 + kTwipsPerPixel) / (2 * kTwipsPerPixel));
}

// Each of Left, Top, Width and Height is converted on its own, so equal sizes stay equal
// whatever the position.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace bramlow
