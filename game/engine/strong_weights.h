#pragma once
// Written by tools/fit_evaluation (100000 games of self-play); rerun it rather than edit by hand.
#include <array>
namespace bramlow {
inline constexpr std::array<double, 12> strongWeights = {0.07355, 0.204, -0.08481, 0.3085, -0.02825, -0.1007, -0.203, 0.05705, -0.03553, -0.7138, 1.714, -0.3417};
} // namespace bramlow
