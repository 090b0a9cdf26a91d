#pragma once
// The whole position: three grids of cell codes behind the picture cells. lese and drucke
// are the only way to them, and drucke shows every change at once, to the sound of
// "gut.wav".

#include "engine/cell_code.h"
#include "engine/field_name.h"
#include "engine/position.h"
#include "engine/window_view.h"

#include <array>
#include <string>

namespace bramlow {

class Board {
public:
    explicit Board(WindowView& view) : view_(view) {}

    // A name whose first character is not `b`, `s` or `g` gives 0. A grid letter followed
    // by anything but a cell's two digits throws std::out_of_range: no code of the game
    // builds such a name, so it is a fault, reported before anything is read.
    CellCode lese(const std::string& feld) const;

    // Plays "gut.wav", then shows the picture of `wert` in the cell and repaints it, then
    // stores `wert`: every change is heard before it is seen. A name whose first character
    // is not a grid letter only plays the sound; a grid letter without a cell's two digits
    // throws std::out_of_range before the sound, with nothing changed.
    void drucke(const std::string& feld, CellCode wert);

    // The same for a cell already known, without reading a name.
    CellCode lese(const Cell& cell) const;
    void drucke(const Cell& cell, CellCode wert);

    // Who stands where; a picked-up piece counts where it was lifted.
    Position position() const;

private:
    // The grid element behind a cell, const or not as `self` is.
    template <typename Self>
    static auto& slot(Self& self, char letter, int first, int second)
    {
        if (letter == 's')
            return self.wertS[first][second];
        if (letter == 'g')
            return self.wertG[first][second];
        return self.wertB[first][second];
    }

    WindowView& view_;
    // Index 0 in either dimension is never used and stays 0.
    std::array<std::array<CellCode, 9>, 9> wertB{};
    std::array<std::array<CellCode, 9>, 3> wertS{};
    std::array<std::array<CellCode, 9>, 3> wertG{};
};

inline CellCode Board::lese(const Cell& cell) const { return slot(*this, cell.letter, cell.first, cell.second); }

} // namespace bramlow
