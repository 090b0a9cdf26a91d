#pragma once
// The main window's form as designed: one row per control, in the order the controls are
// created (later rows lie in front of earlier ones; Image2 comes first, the board view's
// cells follow it). The 96 cells are not listed: bramlow_window.cpp places them by rule.

#include <QRgb>

#include <span>

namespace bramlow {

enum class ControlKind { Picture, FramedPicture, Button, TextBox, Frame, Label };
// Where a control lies; its geometry is relative to that container.
enum class Container { Form, Frame2 };

// Colours of a control; no colour (alpha 0) keeps the desktop's.
inline constexpr QRgb kDesktopColour = 0;
// The desktop's text colour on a selection, whatever it is.
inline constexpr QRgb kDesktopHighlightedText = 1;

struct ControlDesign {
    const char* name;
    ControlKind kind;
    Container container;
    int left, top, width, height; // twips
    const char* caption;          // UTF-8; nullptr for none
    const char* fontFamily;       // nullptr keeps the desktop's font
    double points;
    QRgb foreground; // the text of a text box or label
    QRgb background; // the box of a text box, the area of a frame
    bool hidden;
};

std::span<const ControlDesign> mainWindowControls();

} // namespace bramlow
