#include "font_size.h"

#include <QVariant>

#include <cmath>

namespace trellauto {
namespace {

// The widget's own style sheet as its author wrote it, before a size rule was added to it.
constexpr char kAuthoredSheet[] = "trellautoAuthoredStyleSheet";
constexpr char kScaledMarker[] = "trellautoScaledFont";

bool sameSize(const QFont& a, const QFont& b)
{
    return a.pixelSize() == b.pixelSize() && a.pointSizeF() == b.pointSizeF();
}

// A style sheet's font-size overrides setFont(): the size goes into the widget's own sheet,
// which Qt prefers to any inherited sheet, with a selector that outranks the author's rules.
void setSheetFontSize(QWidget* widget, const QFont& font)
{
    QVariant authored = widget->property(kAuthoredSheet);
    if (!authored.isValid()) {
        authored = widget->styleSheet();
        widget->setProperty(kAuthoredSheet, authored);
        widget->setProperty(kScaledMarker, true);
    }
    const QString size = font.pixelSize() > 0 ? QStringLiteral("%1px").arg(font.pixelSize())
                                              : QStringLiteral("%1pt").arg(font.pointSizeF());
    const QString id = widget->objectName().isEmpty() ? QStringLiteral("*")
                                                      : QLatin1Char('#') + widget->objectName();
    widget->setStyleSheet(QStringLiteral("%1\n%2[%3=\"true\"] { font-size: %4; }")
                              .arg(authored.toString(), id, QLatin1String(kScaledMarker), size));
}

} // namespace

std::optional<double> readFontSize(QWidget* widget)
{
    widget->ensurePolished(); // a style sheet's font arrives with polishing
    const QFont font = widget->font();
    if (font.pointSizeF() > 0.0)
        return font.pointSizeF();
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return std::nullopt;
}

bool writeFontSize(QWidget* widget, double size)
{
    if (!std::isfinite(size))
        return false;
    QFont font = widget->font();
    if (font.pixelSize() > 0) {
        const long pixels = std::lround(size);
        if (pixels <= 0 || pixels > 0xffff)
            return false;
        font.setPixelSize(int(pixels));
    } else {
        // Hundredths of a point: fine enough for any screen, and a layout restored after a
        // resize gets exactly its recorded sizes back.
        const double points = std::round(size * 100.0) / 100.0;
        if (points <= 0.0)
            return false;
        font.setPointSizeF(points);
    }
    if (sameSize(widget->font(), font))
        return true;
    widget->setFont(font);
    if (!sameSize(widget->font(), font))
        setSheetFontSize(widget, font);
    return true;
}

} // namespace trellauto
