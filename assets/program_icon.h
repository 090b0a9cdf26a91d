#pragma once
// The program icon: a corner of the board with a silver and a gold piece on a rounded tile.
// Drawn afresh for every size, so small icons stay crisp instead of being scaled down.

#include <QImage>

namespace bramlow::assets {

// A square icon with a transparent surround, `size` pixels wide and high.
QImage drawProgramIcon(int size);

} // namespace bramlow::assets
