#include "main_window_form.h"

namespace bramlow {

namespace {

using enum ControlKind;
using enum Container;

constexpr QRgb red = qRgb(255, 0, 0);
constexpr QRgb blue = qRgb(0, 0, 255);
constexpr QRgb darkBlue = qRgb(0, 0, 192);
// The classic desktop colour of an inactive window border.
constexpr QRgb silver = qRgb(192, 192, 192);
constexpr QRgb none = kDesktopColour;
constexpr QRgb highlighted = kDesktopHighlightedText;

// clang-format off
constexpr ControlDesign controls[] = {
    {"Image2", Picture, Form, 0, 0, 9000, 8760, nullptr, nullptr, 0, none, none, false},
    {"Neu_but", Button, Form, 9240, 360, 1335, 615, "neues Spiel", "Arial", 9.75, none, none, false},
    {"ende", Button, Form, 11040, 360, 1215, 615, "Ende", "Arial", 9.75, none, none, false},
    {"Image1", FramedPicture, Form, 9120, 1440, 3120, 2400, nullptr, nullptr, 0, none, none, false},
    {"Frame2", Frame, Form, 9120, 3960, 3255, 3135, "Meldungen", nullptr, 0, none, silver, false},
    {"ausgabe1", TextBox, Frame2, 120, 360, 3015, 1215, nullptr, "Times New Roman", 14.25, red, blue, false},
    {"ausgabe2", TextBox, Frame2, 120, 1800, 3015, 1095, nullptr, "Times New Roman", 14.25, highlighted, blue, false},
    // The message line lies in front of the lower edge of ausgabe2, on the frame's colour.
    {"ausgabe11", Label, Frame2, 120, 2640, 2775, 375, nullptr, "Arial", 9.75, darkBlue, silver, false},
    {"wuerfel", FramedPicture, Form, 9960, 7440, 1485, 1110, nullptr, nullptr, 0, none, none, false},
    {"speicher", TextBox, Form, 7920, 7920, 855, 375, "Text1", nullptr, 0, none, none, true},
    {"speicher2", TextBox, Form, 9000, 7200, 855, 375, "Text1", nullptr, 0, none, none, true},
};
// clang-format on

} // namespace

std::span<const ControlDesign> mainWindowControls() { return controls; }

} // namespace bramlow
