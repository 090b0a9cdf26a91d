#pragma once
// What a screen reader says about the board view, the die and the logo: German names that
// follow the pictures shown, and descriptions of where a cell lies.

#include "engine/cell_code.h"
#include "engine/window_view.h"

#include <QString>

namespace bramlow {

// "b34, dunkles Feld, Gold-Figur"; before the cell shows a picture (`code` 0) only its
// place and square: "s23, Zielfeld von Silber".
QString cellAccessibleName(CellArray array, int index, CellCode code);
// "Spielbrett, Reihe 3 von unten, Spalte 4 von links"
QString cellAccessibleDescription(CellArray array, int index);

// The code a cell picture shows: "07.bmp" is SILBER_SELECTED; 0 for any other name.
CellCode codeOfCellPicture(const std::string& file);
// "Würfel: 4" for "wuerfel4.bmp".
QString dieAccessibleName(const std::string& file);

} // namespace bramlow
