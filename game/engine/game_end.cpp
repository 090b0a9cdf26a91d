#include "engine/game_end.h"

#include "engine/field_name.h"
#include "engine/game_texts.h"

namespace bramlow {

namespace {

bool targetRowFull(const Board& board, char letter, CellCode emptyCode)
{
    bool full = true;
    for (int n = 1; n <= 8; ++n) {
        if (board.lese(Cell{letter, 2, static_cast<std::int16_t>(n)}) == emptyCode)
            full = false;
    }
    return full;
}

} // namespace

void winTest(const Board& board, WindowView& view)
{
    if (targetRowFull(board, 's', SILBER_HOME_EMPTY))
        SUB_Fertig(view, silberName);
    if (targetRowFull(board, 'g', GOLD_HOME_EMPTY))
        SUB_Fertig(view, goldName);
}

void SUB_Fertig(WindowView& view, const std::string& spieler)
{
    view.setText(TextBox::ausgabe2, prompt::gameWon);
    view.setText(TextBox::ausgabe1, playerLine::winPrefix + spieler);
    view.Play(sound::winner);
}

} // namespace bramlow
