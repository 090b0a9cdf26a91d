#pragma once
// The layout algorithm's view of a Qt form: the list of controls that a walk found (see
// form_walk.h), read and written in twips and points.

#include "form_walk.h"
#include "trellauto/form_model.h"

#include <QPointer>
#include <QRect>

#include <memory>
#include <optional>
#include <string>

namespace trellauto {

// Geometry is in twips relative to the parent widget; a control's new geometry is applied as
// one move and resize when its steps are done, and written values are rounded to whole
// pixels. A control that a layout or a splitter places refuses every geometry; its font
// still follows the form. Font sizes are in the font's own unit (font_size.h). A size of
// zero or below is refused, and so is a negative width or height.
class QtFormModel final : public FormModel {
public:
    // The list is shared: a handler that the run sets off may delete the owner and its list.
    QtFormModel(QWidget* owner, std::shared_ptr<const FormControls> controls);

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
    const FormControl* entryAt(std::size_t index) const;
    QWidget* widgetAt(std::size_t index) const;
    QRect& pendingGeometry(std::size_t index, QWidget* widget);

    QPointer<QWidget> owner_;
    std::shared_ptr<const FormControls> list_;
    // Left, Top, Width and Height of one control arrive one by one; they are applied
    // together, as one move and resize, when the control's steps are done.
    std::size_t pendingIndex_ = 0;
    std::optional<QRect> pending_;
};

} // namespace trellauto
