#include "engine/board.h"

#include "engine/field_name.h"
#include "engine/game_texts.h"

#include <stdexcept>

namespace bramlow {

namespace {

bool startsWithGridLetter(const std::string& feld) { return !feld.empty() && isGridLetter(feld[0]); }

Cell cellOrThrow(const std::string& feld)
{
    const auto cell = cellNamed(feld);
    if (!cell)
        throw std::out_of_range("no cell is named \"" + feld + "\"");
    return *cell;
}

CellArray arrayOf(char letter)
{
    if (letter == 's')
        return CellArray::s;
    if (letter == 'g')
        return CellArray::g;
    return CellArray::b;
}

} // namespace

CellCode Board::lese(const std::string& feld) const
{
    if (!startsWithGridLetter(feld))
        return UNUSED_CELL;
    return lese(cellOrThrow(feld));
}

void Board::drucke(const std::string& feld, CellCode wert)
{
    if (!startsWithGridLetter(feld)) {
        view_.Play(sound::gut);
        return;
    }
    drucke(cellOrThrow(feld), wert);
}

void Board::drucke(const Cell& cell, CellCode wert)
{
    view_.Play(sound::gut);
    view_.setCellPicture(arrayOf(cell.letter), cell.index(), pictureFile(wert));
    // Only now, after the picture: a window that reads the grid while repainting still
    // sees the old code, exactly as the cell looked a moment ago.
    slot(*this, cell.letter, cell.first, cell.second) = wert;
}

Position Board::position() const
{
    Position position;
    for (int square = 0; square < frameSquares; ++square) {
        const auto cell = cellOf(square);
        if (!cell)
            continue;
        const CellCode code = lese(*cell);
        if (isSilberPiece(code))
            position.put(*cell, Occupant::silber);
        else if (isGoldPiece(code))
            position.put(*cell, Occupant::gold);
    }
    return position;
}

} // namespace bramlow
