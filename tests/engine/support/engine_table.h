#pragma once
// The table the engine tests play on: the engine on a window that writes everything done to
// it into one ordered log, a die that rolls what the test says, and positions as pictures.
//
// A position is ten rows of ten characters, top row first, laid out like the window:
//   "+........+"   Gold's target row g21..g28 between two corners
//   "S.......S."   board rows 8 down to 1: Silber's start cell s1k, squares bk1..bk8, and
//   ...            Silber's target cell s2k
//   "+GGGGGGGG+"   Gold's start row g11..g18
// '.' empty, 'S' Silber, 'G' Gold, 's'/'g' a picked-up piece (never in a target row), '?' a
// code illegal there.

#include "engine/engine.h"

#include <deque>
#include <string>
#include <vector>

namespace bramlow::test {

using Log = std::vector<std::string>;
using Diagram = std::vector<std::string>;

inline const std::string silberTurn = "Es spielt Spieler Silber";
inline const std::string goldTurn = "Es spielt Spieler Gold";

class RecordingView : public WindowView {
public:
    // Log lines: "ausgabe2 := Bitte wuerfeln!", "ausgabe11 := Ich gehe!", "b34 <- 09.bmp",
    // "wuerfel <- wuerfel3.bmp", "Image1 enabled", "wuerfel hidden", "play gut.wav".
    Log log;
    bool image1Enabled = true; // as designed, until Main
    bool dieVisible = true;
    const Engine* peek = nullptr; // when set, each picture line also shows the cell's stored code

    std::string text(TextBox box) const override { return texts_[static_cast<int>(box)]; }
    void setText(TextBox box, const std::string& text) override;
    void setMessage(const std::string& caption) override { log.push_back("ausgabe11 := " + caption); }
    void setCellPicture(CellArray array, std::int16_t index, const std::string& file) override;
    void setDiePicture(const std::string& file) override { log.push_back("wuerfel <- " + file); }
    void setImage1Enabled(bool enabled) override;
    void setDieVisible(bool visible) override;
    void Play(const std::string& datei) override { log.push_back("play " + datei); }

private:
    std::string texts_[4];
};

class ScriptedDie : public RandomSource {
public:
    std::deque<float> values;
    RandomSource* then = nullptr; // asked once the queue is empty; without it the test fails
    float next() override;
};

// A number that the die turns into `face`.
float rollOf(int face);

// All 96 field names in diagram order.
const std::vector<std::string>& allFields();
const Diagram& startPosition();

struct GameTable {
    RecordingView view;
    ScriptedDie die;
    Engine engine{view, die};

    // Draws all 96 cells of `position` with drucke, then clears the log.
    void setPosition(const Diagram& position);
    // `player` is to move and rolls `face` with a click on the die, then picks up the piece
    // on `pickUp` unless that is empty; the log starts afterwards.
    void rollFor(const std::string& player, int face, const std::string& pickUp = "");
    void click(const std::string& feld); // "b34", "s13", "g21"
    void setTexts(const std::string& player, const std::string& prompt);

    Diagram position() const;
    // The 96 symbols of position() in the order of allFields().
    std::string symbols() const;
    std::string prompt() const { return view.text(TextBox::ausgabe2); }
    std::string player() const { return view.text(TextBox::ausgabe1); }
};

} // namespace bramlow::test
