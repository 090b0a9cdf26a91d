#include "keyboard_choices.h"

#include "bramlow_window.h"
#include "engine/game_texts.h"
#include "engine/player.h"
#include "engine/position.h"
#include "window/media/picture_box.h"

#include <algorithm>

namespace bramlow {

namespace {

PictureBox* cellAtSquare(const BramlowWindow& window, Square square)
{
    const std::optional<Cell> cell = cellOf(square);
    if (!cell)
        return nullptr;
    const CellArray array = cell->letter == 'b' ? CellArray::b : cell->letter == 's' ? CellArray::s : CellArray::g;
    return window.cell(array, cell->index());
}

} // namespace

std::vector<PictureBox*> keyboardChoices(const BramlowWindow& window)
{
    const std::string phase = window.text(TextBox::ausgabe2);
    const std::optional<Player> player = playerFromText(window.text(TextBox::ausgabe1));
    if (!player || (phase != prompt::select && phase != prompt::destination))
        return {};
    const std::optional<Cell> held = cellNamed(window.text(TextBox::speicher));
    // Pieces by grid, then by Index; destinations the farthest along the way first, as a
    // race is mostly run forwards.
    std::vector<std::pair<int, Square>> squares;
    for (const Move& move : window.engine().position().legalMoves(*player, window.engine().wurf())) {
        if (phase == prompt::select)
            squares.emplace_back(0, move.from);
        else if (held && move.from == squareOf(*held))
            squares.emplace_back(-progress(*player, move.to), move.to);
    }
    std::sort(squares.begin(), squares.end());
    std::vector<PictureBox*> choices;
    for (const auto& [order, square] : squares) {
        PictureBox* cell = cellAtSquare(window, square);
        if (cell && std::find(choices.begin(), choices.end(), cell) == choices.end())
            choices.push_back(cell);
    }
    return choices;
}

} // namespace bramlow
