#include "record/take_back.h"

namespace bramlow {

std::optional<TakeBack> takeBackLastTurn(const Record& record, Player person)
{
    std::optional<std::size_t> lastRoll;
    std::optional<std::size_t> target;
    for (std::size_t i = 0; i < record.entries.size(); ++i) {
        const auto* action = std::get_if<RecordAction>(&record.entries[i]);
        if (!action)
            continue;
        // Any action after the person's latest roll makes that roll one to go back to.
        if (lastRoll)
            target = lastRoll;
        if (action->kind == ActionKind::roll && action->player == person)
            lastRoll = i;
    }
    if (!target)
        return std::nullopt;
    TakeBack back;
    back.keep = *target + 1;
    for (std::size_t i = back.keep; i < record.entries.size(); ++i) {
        const auto* action = std::get_if<RecordAction>(&record.entries[i]);
        if (action && (action->kind == ActionKind::roll || action->kind == ActionKind::newGame))
            back.draws.push_back(action->draw);
    }
    return back;
}

} // namespace bramlow
