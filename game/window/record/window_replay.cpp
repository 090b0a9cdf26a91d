#include "window_replay.h"

#include "record/engine_game.h"
#include "record/replay.h"
#include "window/bramlow_window.h"

#include <QScopeGuard>

namespace bramlow {

void replayOnWindow(BramlowWindow& window, const Record& record, std::size_t count)
{
    const bool soundOn = window.soundOn();
    window.setSoundOn(false);
    window.setReplaying(true);
    // One paint at the end instead of one per changed cell.
    window.form()->setUpdatesEnabled(false);
    const auto restore = qScopeGuard([&] {
        window.form()->setUpdatesEnabled(true);
        window.setReplaying(false);
        window.setSoundOn(soundOn);
        window.form()->update();
    });
    replayRecord(record, window, count);
}

QString loadRecordOnto(BramlowWindow& window, std::string_view bytes, const RecordLimits& limits)
{
    const ParsedRecord parsed = parseRecord(bytes, limits);
    if (!parsed.record)
        return QString::fromStdString(parsed.error.message);
    EngineGame check;
    const ReplayResult result = replayRecord(*parsed.record, check);
    if (!result.ok)
        return QString::fromStdString(result.error.message);
    replayOnWindow(window, *parsed.record);
    return {};
}

} // namespace bramlow
