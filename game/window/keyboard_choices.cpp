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
    std::vector<PictureBox*> choices;
    for (const Move& move : window.engine().position().legalMoves(*player, window.engine().wurf())) {
        if (phase == prompt::select)
            choices.push_back(cellAtSquare(window, move.from));
        else if (held && move.from == squareOf(*held))
            choices.push_back(cellAtSquare(window, move.to));
    }
    std::erase(choices, nullptr);
    // By grid, then by Index.
    std::sort(choices.begin(), choices.end(), [](const PictureBox* a, const PictureBox* b) {
        return std::pair(a->objectName(), a->index()) < std::pair(b->objectName(), b->index());
    });
    choices.erase(std::unique(choices.begin(), choices.end()), choices.end());
    return choices;
}

} // namespace bramlow
