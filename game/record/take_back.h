#pragma once
// Undo against the computer: the person's last turn and the computer's answer are taken back
// by replaying the record without them. The turn's own roll stays, so the person chooses
// again with the same die, and the draws of the rolls taken back are handed out again in
// order: taking back never gives a new roll.

#include "record/record_format.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace bramlow {

struct TakeBack {
    std::size_t keep = 0;      // replay entries[0 .. keep)
    std::vector<float> draws;  // the draws of the entries dropped, to be supplied again
};

// Nothing when `person` has no roll that some action followed.
std::optional<TakeBack> takeBackLastTurn(const Record& record, Player person);

} // namespace bramlow
