#pragma once
// A control's font size as the layout algorithm reads and writes it: in points, or in pixels
// for a font set in pixels, whether setFont() or a style sheet sets it.

#include <QWidget>

#include <optional>

namespace trellauto {

// The size in the font's own unit (points or pixels); empty when the font has neither.
std::optional<double> readFontSize(QWidget* widget);

// Sets the size in the font's own unit: points rounded to hundredths, pixels to whole pixels.
// Where a style sheet decides the font, a rule in the widget's own style sheet sets the size.
// False for a size of zero or below.
bool writeFontSize(QWidget* widget, double size);

} // namespace trellauto
