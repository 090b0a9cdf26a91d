#pragma once
// The host's door: after three wrong codes in a row it stays shut for 30 seconds.

#include <chrono>

namespace bramlow::network {

class EntryGuard {
public:
    using Clock = std::chrono::steady_clock;

    // True while the door is shut at `now`.
    bool locked(Clock::time_point now) const;
    // A guest gave a wrong code; the third in a row shuts the door from `now`.
    void wrongCode(Clock::time_point now);
    // A guest got in: the count starts again.
    void rightCode();

private:
    int wrongInARow_ = 0;
    Clock::time_point lockedUntil_{};
};

} // namespace bramlow::network
