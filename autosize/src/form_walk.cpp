#include "form_walk.h"

#include "trellauto/trell_auto_size.h"

#include <QDockWidget>
#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSet>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBox>

#include <algorithm>

namespace trellauto {
namespace {

// The pages that a paged container places, or the one content widget of a scroll area or a
// dock widget; nothing for any other widget.
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
    } else if (auto* dock = qobject_cast<QDockWidget*>(container)) {
        add(dock->widget());
    }
    return pages;
}

// Containers whose children were placed on them by hand: Designer's "Widget", "Frame" and
// "Group Box". Every other class makes and places its children itself, and so does a scroll
// area with its viewport.
bool hostsPlacedChildren(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    if (type != &QWidget::staticMetaObject && type != &QFrame::staticMetaObject
        && !qobject_cast<const QGroupBox*>(widget))
        return false;
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
    return !area || area->viewport() != widget;
}

// A designed form's root: a class of its own (a form class around setupUi), or a window title
// of its own, which uic sets on the root of every .ui form and on no container inside it.
bool isFormRoot(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    const bool plain = type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject
        || type == &QGroupBox::staticMetaObject;
    return !plain || !widget->windowTitle().isEmpty();
}

// The container whose page `widget` is. A page's parent may be the container's own inner
// widget (a tab widget's stack, a toolbox's scroll area), so the outermost match within
// three levels wins.
QWidget* pageOwner(QWidget* widget)
{
    QWidget* owner = nullptr;
    QWidget* above = widget->parentWidget();
    for (int level = 0; level < 3 && above && !above->isWindow();
         ++level, above = above->parentWidget()) {
        if (pagesOf(above).contains(widget))
            owner = above;
    }
    return owner;
}

void addLayoutWidgets(const QLayout* layout, QSet<const QWidget*>& widgets)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget())
            widgets.insert(item->widget());
        addLayoutWidgets(item->layout(), widgets);
    }
}

// The widgets that `parent`'s layout (with its nested layouts) places.
QSet<const QWidget*> layoutWidgets(const QWidget* parent)
{
    QSet<const QWidget*> widgets;
    addLayoutWidgets(parent->layout(), widgets);
    return widgets;
}

class Walk {
public:
    Walk(FormControls& out, FirstSight& order)
        : out_(out)
        , order_(order)
    {
    }

    // The widgets placed on `parent`, with what is inside them.
    void children(QWidget* parent)
    {
        out_.watched.emplace_back(parent);
        QWidgetList widgets;
        for (QObject* child : parent->children()) {
            if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
                widgets.append(static_cast<QWidget*>(child));
        }
        inFirstSightOrder(widgets);
        const QSet<const QWidget*> inLayout = layoutWidgets(parent);
        for (QWidget* widget : widgets)
            control(widget, inLayout.contains(widget));
    }

    // Widgets gone since an earlier walk are forgotten, so a new one at an old address is new.
    void forgetOthers()
    {
        order_.seen.removeIf([&](const auto& entry) { return !met_.contains(entry.key()); });
    }

    void menuEntries(QMenuBar* bar)
    {
        out_.watched.emplace_back(bar);
        entries(bar->actions());
    }

private:
    void control(QWidget* widget, bool layoutPlaced)
    {
        out_.controls.push_back(
            {widget, nullptr, widget->objectName().toStdString(), layoutPlaced});
        if (qobject_cast<TrellAutoSize*>(widget))
            ++out_.autoSizeControls;
        if (widget->children().isEmpty())
            return; // most controls: nothing to look into
        if (hostsPlacedChildren(widget)) {
            children(widget);
        } else if (auto* splitter = qobject_cast<QSplitter*>(widget)) {
            out_.watched.emplace_back(splitter);
            for (int i = 0; i < splitter->count(); ++i)
                control(splitter->widget(i), true);
        } else {
            QWidgetList pages = pagesOf(widget);
            inFirstSightOrder(pages);
            for (QWidget* page : pages) {
                out_.watched.emplace_back(page->parentWidget());
                children(page);
            }
        }
    }

    void entries(const QList<QAction*>& actions)
    {
        for (QAction* action : actions) {
            out_.controls.push_back({nullptr, action, action->objectName().toStdString(), false});
            if (auto* menu = action->menu<QMenu*>()) {
                out_.watched.emplace_back(menu);
                entries(menu->actions());
            }
        }
    }

    void inFirstSightOrder(QWidgetList& widgets)
    {
        for (QWidget* widget : widgets) {
            met_.insert(widget);
            if (!order_.seen.contains(widget))
                order_.seen.insert(widget, order_.next++);
        }
        std::stable_sort(widgets.begin(), widgets.end(), [&](QWidget* a, QWidget* b) {
            return order_.seen.value(a) < order_.seen.value(b);
        });
    }

    FormControls& out_;
    FirstSight& order_;
    QSet<const QObject*> met_;
};

// The menu bar of the main window whose central widget the form is, or else one placed on
// the form itself.
QMenuBar* menuBarOf(QWidget* form, const std::vector<FormControl>& controls)
{
    if (auto* mainWindow = qobject_cast<QMainWindow*>(form->parentWidget())) {
        if (auto* bar = qobject_cast<QMenuBar*>(mainWindow->menuWidget());
            bar && mainWindow->centralWidget() == form)
            return bar;
    }
    for (const FormControl& control : controls) {
        if (auto* bar = qobject_cast<QMenuBar*>(control.widget.data()))
            return bar;
    }
    return nullptr;
}

} // namespace

QWidget* formOf(QWidget* control)
{
    QWidget* form = control->parentWidget();
    if (auto* mainWindow = qobject_cast<QMainWindow*>(form); mainWindow && mainWindow->centralWidget())
        return mainWindow->centralWidget();
    while (form && !form->isWindow() && !isFormRoot(form)) {
        QWidget* above = pageOwner(form);
        if (!above) {
            above = form->parentWidget();
            if (!hostsPlacedChildren(above) || layoutWidgets(above).contains(form))
                break;
        }
        form = above;
    }
    return form;
}

FormControls collectControls(QWidget* form, FirstSight& order)
{
    FormControls found;
    found.form = form;
    if (!form)
        return found;
    Walk walk(found, order);
    walk.children(form);
    if (QMenuBar* bar = menuBarOf(form, found.controls))
        walk.menuEntries(bar);
    walk.forgetOthers();
    return found;
}

} // namespace trellauto
