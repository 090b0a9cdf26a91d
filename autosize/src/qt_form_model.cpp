#include "qt_form_model.h"

#include "font_size.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace trellauto {

QtFormModel::QtFormModel(QWidget* owner, std::shared_ptr<const FormControls> controls)
    : owner_(owner)
    , list_(std::move(controls))
{
}

std::optional<std::size_t> QtFormModel::controlCount()
{
    pending_.reset();
    if (!list_->form)
        return std::nullopt;
    return list_->controls.size();
}

std::optional<double> QtFormModel::scaleWidth()
{
    if (!list_->form)
        return std::nullopt;
    return pixelsToTwips(list_->form->width());
}

std::optional<double> QtFormModel::scaleHeight()
{
    if (!list_->form)
        return std::nullopt;
    return pixelsToTwips(list_->form->height());
}

const FormControl* QtFormModel::entryAt(std::size_t index) const
{
    return index < list_->controls.size() ? &list_->controls[index] : nullptr;
}

QWidget* QtFormModel::widgetAt(std::size_t index) const
{
    const FormControl* entry = entryAt(index);
    return entry ? entry->widget.data() : nullptr;
}

std::optional<std::string> QtFormModel::controlName(std::size_t index)
{
    const FormControl* entry = entryAt(index);
    if (!entry || (!entry->widget && !entry->menuEntry))
        return std::nullopt; // deleted since the walk
    return entry->name;
}

QRect& QtFormModel::pendingGeometry(std::size_t index, QWidget* widget)
{
    if (!pending_ || pendingIndex_ != index) {
        pendingIndex_ = index;
        pending_ = widget->geometry();
    }
    return *pending_;
}

void QtFormModel::finishControl(std::size_t index)
{
    if (!pending_ || pendingIndex_ != index)
        return;
    const QRect geometry = *pending_;
    pending_.reset();
    QWidget* widget = widgetAt(index);
    if (widget && widget->geometry() != geometry)
        widget->setGeometry(geometry);
}

bool QtFormModel::ownerAlive()
{
    return !owner_.isNull();
}

std::optional<double> QtFormModel::read(std::size_t index, Measure measure)
{
    QWidget* widget = widgetAt(index);
    if (!widget)
        return std::nullopt;
    switch (measure) {
    case Measure::Left:
        return pixelsToTwips(widget->x());
    case Measure::Top:
        return pixelsToTwips(widget->y());
    case Measure::Width:
        return pixelsToTwips(widget->width());
    case Measure::Height:
        return pixelsToTwips(widget->height());
    case Measure::FontSize:
        return readFontSize(widget);
    }
    return std::nullopt;
}

bool QtFormModel::write(std::size_t index, Measure measure, double value)
{
    const FormControl* entry = entryAt(index);
    QWidget* widget = entry ? entry->widget.data() : nullptr;
    if (!widget)
        return false;
    if (measure == Measure::FontSize)
        return writeFontSize(widget, value);
    if (entry->layoutPlaced)
        return false; // its layout keeps the geometry
    const auto pixels = twipsToPixels(value);
    if (!pixels)
        return false;
    if ((measure == Measure::Width || measure == Measure::Height) && *pixels < 0)
        return false;
    QRect& geometry = pendingGeometry(index, widget);
    switch (measure) {
    case Measure::Left:
        geometry.moveLeft(*pixels);
        return true;
    case Measure::Top:
        geometry.moveTop(*pixels);
        return true;
    case Measure::Width:
        geometry.setWidth(*pixels);
        return true;
    case Measure::Height:
        geometry.setHeight(*pixels);
        return true;
    case Measure::FontSize:
        break;
    }
    return false;
}

std::string QtFormModel::toLower(const std::string& text)
{
    // Most names are plain ASCII; those need no round trip through QString.
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii)
        return QString::fromStdString(text).toLower().toStdString();
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return lower;
}

} // namespace trellauto
