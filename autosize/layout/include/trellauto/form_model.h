#pragma once
// The form as the layout algorithm sees it: a list of controls with names, positions,
// sizes and font sizes, and the form's inner size. Every read may come back empty and
// every write may be refused; the algorithm counts each as one failed step and goes on.

#include <cstddef>
#include <optional>
#include <string>

namespace trellauto {

// Left, Top, Width and Height are in the form's own units, the units of scaleWidth()
// and scaleHeight(); FontSize is in points.
enum class Measure { Left, Top, Width, Height, FontSize };

class FormModel {
public:
    virtual ~FormModel() = default;

    // Asked once at the start of every Init and Sizechanged run, so a host may take its
    // snapshot of the list here. Empty when the form offers no list of controls.
    virtual std::optional<std::size_t> controlCount() = 0;

    virtual std::optional<double> scaleWidth() = 0;
    virtual std::optional<double> scaleHeight() = 0;

    // UTF-8; every element of a control array bears the array's name.
    virtual std::optional<std::string> controlName(std::size_t index) = 0;

    virtual std::optional<double> read(std::size_t index, Measure measure) = 0;

    // False when the control lacks the measure or refuses the value.
    virtual bool write(std::size_t index, Measure measure, double value) = 0;

    // Called after the last step of each control in a Sizechanged run, inside that
    // control's own guard: a host that gathers a control's changes applies them here, so a
    // failure there costs no other control a step.
    virtual void finishControl(std::size_t index) { (void)index; }

    // Asked before each control of a Sizechanged run: false once the run must stop because
    // the auto-size control that owns it is gone (deleted by a handler that the run set off).
    // The run then touches neither the form nor its own table again.
    virtual bool ownerAlive() { return true; }

    // Lower-cases UTF-8 text the way the host's platform does; applied to both sides of
    // the ignore test, so any consistent rule works.
    virtual std::string toLower(const std::string& text) = 0;
};

} // namespace trellauto
