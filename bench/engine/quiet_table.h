#pragma once
// A window that only keeps its texts and the two switches that decide whether the die and
// Image1 can be clicked, and a die from a seed: the engine at full speed for the programs
// that play or check millions of turns.

#include "engine/engine.h"
#include "engine/game_texts.h"

#include <array>
#include <random>
#include <string>

namespace bramlow::bench {

class QuietWindow : public WindowView {
public:
    std::string text(TextBox box) const override { return texts[static_cast<int>(box)]; }
    void setText(TextBox box, const std::string& text) override { texts[static_cast<int>(box)] = text; }
    void setMessage(const std::string&) override {}
    void setCellPicture(CellArray, std::int16_t, const std::string&) override {}
    void setDiePicture(const std::string&) override {}
    void setImage1Enabled(bool enabled) override { image1Enabled = enabled; }
    void setDieVisible(bool visible) override { dieVisible = visible; }
    void Play(const std::string&) override {}

    const std::string& prompt() const { return texts[static_cast<int>(TextBox::ausgabe2)]; }
    std::array<std::string, 4> texts;
    bool image1Enabled = false;
    bool dieVisible = false;
};

class SeededDie : public RandomSource {
public:
    explicit SeededDie(unsigned seed) : generator_(seed) {}
    // 24 random bits scaled by 2^-24, as the program's own source: never 1.0f.
    float next() override { return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 generator_;
};

inline void click(Engine& engine, const Cell& cell)
{
    if (cell.letter == 'b')
        engine.b_Click(cell.index());
    else if (cell.letter == 's')
        engine.s_Click(cell.index());
    else
        engine.g_Click(cell.index());
}

} // namespace bramlow::bench
