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
    // A sheet of bare declarations is a rule for "*" to Qt; with a rule after it, it must say so.
    QString rules = authored.toString();
    if (!rules.contains(QLatin1Char('{')) && !rules.trimmed().isEmpty())
        rules = QStringLiteral("* { %1 }").arg(rules);
    widget->setStyleSheet(QStringLiteral("%1\n%2[%3=\"true\"] { font-size: %4; }")
                              .arg(rules, id, QLatin1String(kScaledMarker), size));
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
    const QFont current = widget->font();
    const bool inPixels = current.pixelSize() > 0;
    // Hundredths of a point: fine enough for any screen, and a layout restored after a resize
    // gets exactly its recorded sizes back. Pixels are whole.
    const double rounded = inPixels ? std::round(size) : std::round(size * 100.0) / 100.0;
    if (rounded <= 0.0 || rounded > 0xffff)
        return false;
    if (rounded == (inPixels ? current.pixelSize() : current.pointSizeF()))
        return true; // unchanged: no copy of the font
    QFont font = current;
    if (inPixels)
        font.setPixelSize(int(rounded));
    else
        font.setPointSizeF(rounded);
    widget->setFont(font);
    if (!sameSize(widget->font(), font))
        setSheetFontSize(widget, font);
    return true;
}

} // namespace trellauto
