#pragma once
// Where a TrellAutoSize's form begins and ends on Qt, and which widgets are its controls.

#include <QAction>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

namespace trellauto {

// One entry of the form's list: a widget, or a menu entry (no position, size or font).
struct FormControl {
    QPointer<QWidget> widget;
    QPointer<QAction> menuEntry;
    std::string name; // UTF-8, taken with the list
    // A layout or a splitter sets the widget's geometry; only its font is the control's.
    bool layoutPlaced = false;
};

// What one walk found; kept until a child is added to or removed from one of `watched`.
struct FormControls {
    QPointer<QWidget> form;
    std::vector<FormControl> controls;
    std::vector<QPointer<QObject>> watched; // the containers whose children make the list
    int autoSizeControls = 0;               // TrellAutoSize instances among the controls
};

// The root of the designed form that `control` sits in. From the control's parent it walks up
// through the form's own containers (group boxes, frames, plain widgets, the pages of tab,
// stacked and toolbox widgets, scroll-area contents) and stops at the first of: a window; a
// main window's central widget; the content of a dock or an MDI subwindow; a widget that its
// parent's layout places; a form root (a class of its own, or a window title of its own, which
// uic gives the root of every .ui form and never a container). A control parented to a main
// window takes its central widget.
QWidget* formOf(QWidget* control);

// The order in which a walk first met each widget, kept across walks.
struct FirstSight {
    QHash<const QObject*, std::uint64_t> seen;
    std::uint64_t next = 0;
};

// Every widget placed on `form` and, depth-first, inside its containers, never the private
// children of composite widgets, nor the contents of an MDI area's subwindows, each a form of
// its own that follows its own subwindow; then the entries of the form's menu bar. Siblings come in the
// order in which a walk first met them (`order` remembers it across walks), so raise() or a
// moved tab changes nothing, and a widget added later comes after its older siblings.
FormControls collectControls(QWidget* form, FirstSight& order);

} // namespace trellauto
