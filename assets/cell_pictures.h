#pragma once
// One bitmap per cell code; the code is also the file's number (07.bmp shows a picked-up
// Silber piece). Code 3 does not exist, so there is no 03.bmp.

#include <QImage>
#include <QString>

#include <vector>

namespace bramlow::assets {

enum class CellGround { OddSquare, EvenSquare, SilberHome, GoldHome, PickedUp };
enum class CellPiece { None, Silber, Gold };

struct CellPicture {
    int code;
    const char* name; // the cell code's name in the game
    CellGround ground;
    CellPiece piece;
};

const std::vector<CellPicture>& cellPictures();

// "07.bmp" for code 7, "13.bmp" for code 13.
QString cellPictureFile(int code);

QImage drawCellPicture(const CellPicture& cell, int size);

} // namespace bramlow::assets
