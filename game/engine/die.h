#pragma once
// The die and the draw for the starting player, both from the one random source.

#include "engine/random_source.h"

#include <cstdint>
#include <string>

namespace bramlow {

// n = int(x * 5.4 + 1), formed in double precision from the float x, drawn again outside
// 1..6. The factor 5.4 makes faces 1..5 each 5/27 likely and the 6 only 2/27. A source in
// [0, 1) never needs a second draw; one that gives nothing usable 64 times in a row throws
// std::domain_error rather than hang the window.
std::int16_t rollDie(RandomSource& random);

// How likely the die shows `face` (1..6): the share of [0, 1) that rollDie maps to it, 5/27
// for 1..5 and 2/27 for the 6; 0 for any other number.
double faceOdds(int face);

// x = 0.5 already gives Gold.
bool silberStarts(float x);

// "wuerfel3.bmp" for a 3.
std::string diePicture(std::int16_t face);

} // namespace bramlow
