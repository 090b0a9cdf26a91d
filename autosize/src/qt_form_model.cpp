#include "qt_form_model.h"

#include "twips.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

namespace trellauto {
namespace {

bool isQtInnerName(const QString& name)
{
    return name.startsWith(QLatin1String("qt_"));
}

} // namespace

// The menu bar of the form's main window, or else one placed on the form itself.
QMenuBar* QtFormModel::menuBar() const
{
    if (auto* mainWindow = qobject_cast<QMainWindow*>(form_->window())) {
        if (auto* bar = qobject_cast<QMenuBar*>(mainWindow->menuWidget()))
            return bar;
    }
    for (const Control& control : controls_) {
        if (auto* bar = qobject_cast<QMenuBar*>(control.widget.data()))
            return bar;
    }
    return nullptr;
}

QtFormModel::QtFormModel(QWidget* form)
    : form_(form)
{
}

QtFormModel::~QtFormModel()
{
    applyPendingGeometry();
}

std::optional<std::size_t> QtFormModel::controlCount()
{
    applyPendingGeometry();
    controls_.clear();
    if (!form_)
        return std::nullopt;
    controls_.reserve(form_->children().size() * 2);
    collectWidgets(form_);
    if (QMenuBar* bar = menuBar())
        collectMenuEntries(bar->actions());
    return controls_.size();
}

void QtFormModel::collectWidgets(QWidget* parent)
{
    for (QObject* child : parent->children()) {
        if (!child->isWidgetType())
            continue;
        auto* widget = static_cast<QWidget*>(child);
        if (widget->isWindow())
            continue;
        const QString name = widget->objectName();
        if (isQtInnerName(name))
            continue;
        controls_.push_back({widget, nullptr, name.toStdString()});
        collectWidgets(widget);
    }
}

void QtFormModel::collectMenuEntries(const QList<QAction*>& actions)
{
    for (QAction* action : actions) {
        controls_.push_back({nullptr, action, action->objectName().toStdString()});
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
    if (!control.widget && !control.menuEntry)
        return std::nullopt; // deleted since the snapshot
    return control.name;
}

QRect& QtFormModel::pendingGeometry(std::size_t index, QWidget* widget)
{
    if (!pending_ || pendingIndex_ != index) {
        applyPendingGeometry();
        pendingIndex_ = index;
        pending_ = widget->geometry();
    }
    return *pending_;
}

void QtFormModel::applyPendingGeometry()
{
    if (!pending_)
        return;
    QWidget* widget = widgetAt(pendingIndex_);
    if (widget && widget->geometry() != *pending_)
        widget->setGeometry(*pending_);
    pending_.reset();
}

std::optional<double> QtFormModel::read(std::size_t index, Measure measure)
{
    applyPendingGeometry();
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
        if (font.pointSizeF() != points) {
            font.setPointSizeF(points);
            widget->setFont(font);
        }
        return true;
    }
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
