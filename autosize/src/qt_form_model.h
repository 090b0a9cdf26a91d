#pragma once
// The layout algorithm's view of any Qt form: the widget a TrellAutoSize sits on.

#include "trellauto/form_model.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

class QMenuBar;

#include <QRect>

#include <optional>
#include <string>
#include <vector>

namespace trellauto {

// The form's controls, in a stable order: every descendant widget depth-first in
// creation order (the widgets inside a frame right after the frame, each element of a
// control array on its own), then the entries of the window's menu bar, which have no
// position, size or font. Qt's own inner widgets (named "qt_...") and separate windows
// such as popup menus are not controls. Geometry is in twips relative to the parent
// widget; written values are rounded to whole pixels here. Font sizes are in points,
// written in hundredths of a point; a size of zero or below is refused, and so is a negative width or height.
class QtFormModel final : public FormModel {
public:
    explicit QtFormModel(QWidget* form);
    // Applies a pending geometry.
    ~QtFormModel() override;

    std::optional<std::size_t> controlCount() override;
    std::optional<double> scaleWidth() override;
    std::optional<double> scaleHeight() override;
    std::optional<std::string> controlName(std::size_t index) override;
    std::optional<double> read(std::size_t index, Measure measure) override;
    bool write(std::size_t index, Measure measure, double value) override;
    std::string toLower(const std::string& text) override;

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
    void applyPendingGeometry();

    QPointer<QWidget> form_;
    std::vector<Control> controls_;
    // Left, Top, Width and Height of one control arrive one by one; they are applied
    // together, as one move and resize, when the run turns to another control.
    std::size_t pendingIndex_ = 0;
    std::optional<QRect> pending_;
};

} // namespace trellauto
