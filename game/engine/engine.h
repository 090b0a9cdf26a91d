#pragma once
// The game: board, turn flow, game end and move evaluation. Every window handler is one
// call into this class; the class touches the window only through WindowView.

#include "cell_code.h"
#include "random_source.h"
#include "window_view.h"

#include <array>
#include <cstdint>
#include <string>

namespace bramlow {

class Engine {
public:
    // `random` defaults to the process-wide source, which is never seeded from the clock.
    explicit Engine(WindowView& view, RandomSource& random = processRandomSource());

    // Window handlers. Index is the clicked cell's two-digit Index (11..88).
    void Main();
    void neu_but_Click();
    void wuerfel_Click();
    void Image1_Click();
    void b_Click(std::int16_t index);
    void s_Click(std::int16_t index);
    void g_Click(std::int16_t index);

    // The only way to the grids. feld is a field name such as "b34", "s21", "g17".
    CellCode lese(const std::string& feld) const;
    void drucke(const std::string& feld, CellCode wert);

    // The last roll, 0 before the first one.
    std::int16_t wurf() const { return wurf_; }

private:
    // (private members are the engine's own business)
    WindowView& view_;
    RandomSource& random_;
    std::int16_t wurf_ = 0;
};

} // namespace bramlow
