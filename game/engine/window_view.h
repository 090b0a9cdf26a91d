#pragma once
// The engine's view of the main window: every operation the rules and the turn flow
// perform on it, and nothing else. The Qt main window implements it; tests implement it
// with a recording fake. All strings are UTF-8 ("Bitte neues Spiel wählen!").

#include <cstdint>
#include <string>

namespace bramlow {

// Text boxes whose text the engine reads and writes. The game's state lives in them:
// ausgabe2 holds the phase, ausgabe1 the current player, speicher and speicher2 the
// picked-up piece.
enum class TextBox { ausgabe1, ausgabe2, speicher, speicher2 };

// The three arrays of cell pictures: board, Silber's home, Gold's home.
enum class CellArray { b, s, g };

class WindowView {
public:
    virtual ~WindowView() = default;

    // Reads back exactly what was last written, line breaks ("\r\n") included.
    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, const std::string& text) = 0;

    // Caption of the message label ausgabe11.
    virtual void setMessage(const std::string& caption) = 0;

    // Loads the bitmap `file` (a bare name such as "07.bmp") from the program's directory
    // into a cell or the die, and repaints it at once, before returning. A picture that
    // cannot be loaded is the window's to report; the engine never sees it fail.
    virtual void setCellPicture(CellArray array, std::int16_t index, const std::string& file) = 0;
    virtual void setDiePicture(const std::string& file) = 0;

    // A disabled Image1 raises no click; a hidden die is not drawn and raises no click.
    virtual void setImage1Enabled(bool enabled) = 0;
    virtual void setDieVisible(bool visible) = 0;

    // Plays the wave file `datei` (a bare name such as "gut.wav") from the program's
    // directory and returns when it has finished. Never fails: a missing or broken file
    // gives a default sound or silence.
    virtual void Play(const std::string& datei) = 0;
};

} // namespace bramlow
