#include "network/entry_guard.h"

#include "network/protocol_limits.h"

namespace bramlow::network {

bool EntryGuard::locked(Clock::time_point now) const { return now < lockedUntil_; }

void EntryGuard::wrongCode(Clock::time_point now)
{
    if (++wrongInARow_ >= wrongCodesBeforeLock) {
        lockedUntil_ = now + lockTime;
        wrongInARow_ = 0;
    }
}

void EntryGuard::rightCode() { wrongInARow_ = 0; }

} // namespace bramlow::network
