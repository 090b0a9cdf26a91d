#pragma once
// Records onto the main window: a record from bytes is read, checked on the engine alone and
// only then played on the window, silently and without repainting each step, so that a bad
// record leaves the game on screen untouched and a good one leaves the window exactly as
// after its last action.

#include "record/record_format.h"

#include <QString>

#include <cstddef>
#include <string_view>

namespace bramlow {

class BramlowWindow;

// Plays entries[0 .. count) of a record already checked; sounds stay off while it runs.
void replayOnWindow(BramlowWindow& window, const Record& record, std::size_t count = static_cast<std::size_t>(-1));

// Reads, checks and plays `bytes`; empty on success, else the German reason naming the line.
QString loadRecordOnto(BramlowWindow& window, std::string_view bytes, const RecordLimits& limits = {});

} // namespace bramlow
