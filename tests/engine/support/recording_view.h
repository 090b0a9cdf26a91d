#pragma once
// A window that remembers everything the engine does to it, in one ordered log, and keeps
// the texts, pictures and switches so that tests can look at the window as a player would.

#include "engine/window_view.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bramlow::test {

class RecordingView : public WindowView {
public:
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    void setMessage(const std::string& caption) override;
    void setCellPicture(CellArray array, std::int16_t index, const std::string& file) override;
    void setDiePicture(const std::string& file) override;
    void setImage1Enabled(bool enabled) override;
    void setDieVisible(bool visible) override;
    void Play(const std::string& datei) override;

    // Log lines: "ausgabe2 := Bitte wuerfeln!", "ausgabe11 := Ich gehe!", "b34 <- 09.bmp",
    // "wuerfel <- wuerfel3.bmp", "Image1 enabled", "wuerfel hidden", "play gut.wav".
    std::vector<std::string> log;
    // Only the "play ..." lines, without "play ".
    std::vector<std::string> sounds() const;
    // Only the "<-" lines of the cells, in order.
    std::vector<std::string> pictures() const;

    std::string message; // caption of ausgabe11
    std::map<std::string, std::string> cellPictures; // "b34" -> "09.bmp"
    std::string diePicture;
    bool image1Enabled = true; // as designed, until Main
    bool dieVisible = true;

    // Called inside setCellPicture, after logging: lets a test look at the grids while the
    // picture is being set.
    std::function<void()> onCellPicture;

private:
    std::map<TextBox, std::string> texts_;
};

std::string nameOf(TextBox box);

} // namespace bramlow::test
