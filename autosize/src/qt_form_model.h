#pragma once
// The layout algorithm's view of any Qt form: the widget a TrellAutoSize sits on.

#include "trellauto/form_model.h"

#include <QAction>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QMenuBar;

#include <optional>
#include <string>
#include <vector>

namespace trellauto {

// The form's controls, in a stable order: the widgets placed on the form and, depth-first
// in creation order, the widgets placed inside its containers (group boxes, plain frames
// and widgets, the pages of tab, stacked and toolbox widgets, a scroll area's contents, the
// contents of MDI subwindows and dock widgets); each element of a control array on its own.
// A page is placed by its container and is no control; what is on it is. The private
// children that a composite widget makes for itself (a combo box's line edit, an item
// view's headers) are never controls, and neither are separate windows. Then come the
// entries of the menu bar of the main window whose central widget is the form; they have no
// position, size or font. Geometry is in twips relative to the parent widget; a control's
// new geometry is applied as one move and resize when its steps are done, and written values
// are rounded to whole pixels. Font sizes are in points, written in hundredths of a point;
// a size of zero or below is refused, and so is a negative width or height.
class QtFormModel final : public FormModel {
public:
    // The model of the form that `control` was designed on; see formOf().
    explicit QtFormModel(QWidget* control);

    // The form as designed: from the control's parent upwards through every container
    // placed by hand (a page counts as inside its container), stopping at a window and at a
    // widget that its parent's layout places, such as a main window's central widget or a
    // form embedded in an application's layout.
    static QWidget* formOf(QWidget* control);

    std::optional<std::size_t> controlCount() override;
    std::optional<double> scaleWidth() override;
    std::optional<double> scaleHeight() override;
    std::optional<std::string> controlName(std::size_t index) override;
    std::optional<double> read(std::size_t index, Measure measure) override;
    bool write(std::size_t index, Measure measure, double value) override;
    std::string toLower(const std::string& text) override;
    void finishControl(std::size_t index) override;
    bool ownerAlive() override;

private:
    struct Control {
        QPointer<QWidget> widget;
        QPointer<QAction> menuEntry;
        std::string name; // UTF-8, taken with the snapshot
    };

    void collectWidgets(QWidget* parent);
    void collectMenuEntries(const QList<QAction*>& actions);
    QMenuBar* menuBar() const;
    QWidget* widgetAt(std::size_t index) const;
    QRect& pendingGeometry(std::size_t index, QWidget* widget);

    QPointer<QWidget> owner_;
    QPointer<QWidget> form_;
    std::vector<Control> controls_;
    // Left, Top, Width and Height of one control arrive one by one; they are applied
    // together, as one move and resize, when the control's steps are done.
    std::size_t pendingIndex_ = 0;
    std::optional<QRect> pending_;
};

} // namespace trellauto
