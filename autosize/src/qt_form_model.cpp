#include "qt_form_model.h"

#include "twips.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <cmath>

namespace trellauto {
namespace {

bool isQtInnerWidget(const QWidget* widget)
{
    return widget->objectName().startsWith(QLatin1String("qt_"));
}

QMenuBar* menuBarOf(QWidget* form, const std::vector<QWidget*>& formWidgets)
{
    for (QWidget* widget : formWidgets) {
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            return bar;
    }
    if (auto* mainWindow = qobject_cast<QMainWindow*>(form->window()))
        return qobject_cast<QMenuBar*>(mainWindow->menuWidget());
    return nullptr;
}

} // namespace

QtFormModel::QtFormModel(QWidget* form)
    : form_(form)
{
}

std::optional<std::size_t> QtFormModel::controlCount()
{
    controls_.clear();
    if (!form_)
        return std::nullopt;
    collectWidgets(form_);
    std::vector<QWidget*> widgets;
    widgets.reserve(controls_.size());
    for (const Control& control : controls_)
        widgets.push_back(control.widget);
    if (QMenuBar* bar = menuBarOf(form_, widgets))
        collectMenuEntries(bar->actions());
    return controls_.size();
}

void QtFormModel::collectWidgets(QWidget* parent)
{
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || isQtInnerWidget(widget))
            continue;
        controls_.push_back({widget, nullptr});
        collectWidgets(widget);
    }
}

void QtFormModel::collectMenuEntries(const QList<QAction*>& actions)
{
    for (QAction* action : actions) {
        controls_.push_back({nullptr, action});
        if (auto* menu = action->menu<QMenu*>())
            collectMenuEntries(menu->actions());
    }
}

std::optional<double> QtFormModel::scaleWidth()
{
    if (!form_)
        return std::nullopt;
    return pixelsToTwips(form_->width());
}

std::optional<double> QtFormModel::scaleHeight()
{
    if (!form_)
        return std::nullopt;
    return pixelsToTwips(form_->height());
}

QWidget* QtFormModel::widgetAt(std::size_t index) const
{
    return index < controls_.size() ? controls_[index].widget.data() : nullptr;
}

std::optional<std::string> QtFormModel::controlName(std::size_t index)
{
    if (index >= controls_.size())
        return std::nullopt;
    const Control& control = controls_[index];
    if (control.widget)
        return control.widget->objectName().toStdString();
    if (control.menuEntry)
        return control.menuEntry->objectName().toStdString();
    return std::nullopt;
}

std::optional<double> QtFormModel::read(std::size_t index, Measure measure)
{
    const QWidget* widget = widgetAt(index);
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
    case Measure::FontSize: {
        // A font set in pixels has no point size; that control offers no FontSize.
        const double points = widget->font().pointSizeF();
        if (points <= 0.0)
            return std::nullopt;
        return points;
    }
    }
    return std::nullopt;
}

bool QtFormModel::write(std::size_t index, Measure measure, double value)
{
    QWidget* widget = widgetAt(index);
    if (!widget)
        return false;
    if (measure == Measure::FontSize) {
        // Hundredths of a point: fine enough for any screen, and a layout restored after
        // a resize gets exactly its recorded sizes back.
        const double points = std::round(value * 100.0) / 100.0;
        if (!std::isfinite(points) || points <= 0.0)
            return false;
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
        return true;
    }
    const auto pixels = twipsToPixels(value);
    if (!pixels)
        return false;
    switch (measure) {
    case Measure::Left:
        widget->move(*pixels, widget->y());
        return true;
    case Measure::Top:
        widget->move(widget->x(), *pixels);
        return true;
    case Measure::Width:
        if (*pixels < 0)
            return false;
        widget->resize(*pixels, widget->height());
        return true;
    case Measure::Height:
        if (*pixels < 0)
            return false;
        widget->resize(widget->width(), *pixels);
        return true;
    case Measure::FontSize:
        break;
    }
    return false;
}

std::string QtFormModel::toLower(const std::string& text)
{
    return QString::fromStdString(text).toLower().toStdString();
}

} // namespace trellauto
