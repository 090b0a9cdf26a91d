#pragma once
// Die faces wuerfel1.bmp to wuerfel6.bmp. The game shows them stretched to 1485 x 1110 twips
// (about 4:3), so each picture is 4:3 with a square die on baize: stretched, it stays square.

#include <QImage>
#include <QString>

namespace bramlow::assets {

QString dieFaceFile(int pips);

// `height` pixels high, 4/3 of that wide; pips 1..6.
QImage drawDieFace(int pips, int height);

} // namespace bramlow::assets
