#pragma once
// bramlow.bmp: the name in gold on green baize. The game stretches it over the whole board
// area (9000 x 8760 twips, nearly square) and into the logo boxes (about 4:3), so it is drawn
// at an aspect between the two. During a game the cells cover it except for the margins and
// the four empty corner squares; an ornament sits exactly where each corner square shows.

#include <QImage>

namespace bramlow::assets {

inline constexpr int kLogoWidth = 920;
inline constexpr int kLogoHeight = 800;

QImage drawLogo();

} // namespace bramlow::assets
