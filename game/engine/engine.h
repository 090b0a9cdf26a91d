#pragma once
// The game: board, turn flow, game end and move evaluation. Every window handler is one
// call into this class; the class touches the window only through WindowView.
//
// The engine keeps no phase and no player of its own: the phase is the text of ausgabe2,
// the current player the text of ausgabe1, the picked-up piece the texts of speicher and
// speicher2, and every handler decides by comparing those texts exactly.

#include "engine/board.h"
#include "engine/cell_code.h"
#include "engine/random_source.h"
#include "engine/window_view.h"

#include <cstdint>
#include <string>

namespace bramlow {

class Engine {
public:
    // `random` defaults to the process-wide source, which is never seeded from the clock.
    explicit Engine(WindowView& view, RandomSource& random = processRandomSource());

    // Window handlers. Index is the clicked cell's two-digit Index (11..88). An Index that
    // no control of that array has throws std::out_of_range, before anything changes.
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
    // Read without a name: a cell already known, or who stands where (position.h).
    CellCode lese(const Cell& cell) const { return board_.lese(cell); }
    Position position() const { return board_.position(); }

    // The text of ausgabe1: whose turn it is, or the welcome or the win.
    std::string spielerText() const { return view_.text(TextBox::ausgabe1); }

    // The last roll, 0 before the first one.
    std::int16_t wurf() const { return wurf_; }

private:
    void neues_Spiel();
    void cellClick(char letter, std::int16_t index);

    WindowView& view_;
    RandomSource& random_;
    Board board_;
    // Not reset by a new game or a change of player.
    std::int16_t wurf_ = 0;
};

} // namespace bramlow
