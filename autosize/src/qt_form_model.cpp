#include "qt_form_model.h"

#include "twips.h"

#include <QDockWidget>
#include <QGroupBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBox>

#include <algorithm>
#include <cmath>

namespace trellauto {
namespace {

// The pages that a paged container places, or the one content widget of a scroll area, an
// MDI subwindow or a dock widget; nothing for any other widget.
QWidgetList pagesOf(QWidget* container)
{
    QWidgetList pages;
    const auto add = [&](QWidget* page) {
        if (page)
            pages.append(page);
    };
    if (auto* tabs = qobject_cast<QTabWidget*>(container)) {
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->widget(i));
    } else if (auto* stack = qobject_cast<QStackedWidget*>(container)) {
        for (int i = 0; i < stack->count(); ++i)
            add(stack->widget(i));
    } else if (auto* box = qobject_cast<QToolBox*>(container)) {
        for (int i = 0; i < box->count(); ++i)
            add(box->widget(i));
    } else if (auto* area = qobject_cast<QScrollArea*>(container)) {
        add(area->widget());
    } else if (auto* mdi = qobject_cast<QMdiArea*>(container)) {
        for (QMdiSubWindow* sub : mdi->subWindowList())
            add(sub->widget());
    } else if (auto* dock = qobject_cast<QDockWidget*>(container)) {
        add(dock->widget());
    }
    return pages;
}

// Containers whose children were placed on them by hand: Designer's "Widget", "Frame" and
// "Group Box". Every other class makes and places its children itself.
bool hostsPlacedChildren(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject
        || qobject_cast<const QGroupBox*>(widget);
}

// The container whose page `widget` is. A page's parent may be the container's own inner
// widget (a tab widget's stack, a toolbox's scroll area), so the outermost match within
// three levels wins.
QWidget* pageOwner(QWidget* widget)
{
    QWidget* owner = nullptr;
    QWidget* above = widget->parentWidget();
    for (int level = 0; level < 3 && above && !above->isWindow(); ++level, above = above->parentWidget()) {
        if (pagesOf(above).contains(widget))
            owner = above;
    }
    return owner;
}

} // namespace

QWidget* QtFormModel::formOf(QWidget* control)
{
    QWidget* form = control->parentWidget();
    while (form && !form->isWindow()) {
        QWidget* above = pageOwner(form);
        if (!above) {
            above = form->parentWidget();
            if (!above || above->layout())
                break;
        }
        form = above;
    }
    return form;
}

// The menu bar of the main window whose central widget the form is, or else one placed on
// the form itself.
QMenuBar* QtFormModel::menuBar() const
{
    if (auto* mainWindow = qobject_cast<QMainWindow*>(form_->parentWidget())) {
        if (auto* bar = qobject_cast<QMenuBar*>(mainWindow->menuWidget());
            bar && mainWindow->centralWidget() == form_)
            return bar;
    }
    for (const Control& control : controls_) {
        if (auto* bar = qobject_cast<QMenuBar*>(control.widget.data()))
            return bar;
    }
    return nullptr;
}

QtFormModel::QtFormModel(QWidget* control)
    : owner_(control)
    , form_(formOf(control))
{
}

std::optional<std::size_t> QtFormModel::controlCount()
{
    pending_.reset();
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
        controls_.push_back({widget, nullptr, widget->objectName().toStdString()});
        if (widget->children().isEmpty())
            continue; // most controls: nothing to look into
        if (hostsPlacedChildren(widget))
            collectWidgets(widget);
        for (QWidget* page : pagesOf(widget))
            collectWidgets(page);
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
