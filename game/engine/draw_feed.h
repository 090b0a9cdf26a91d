#pragma once
// The seam for the random source's draws. The engine draws every number through a DrawFeed:
// a draw supplied from outside (a record being replayed, a network peer, draws kept by an
// undo) is handed out first, in order; without one the feed asks its own generator, unless
// it is told that every draw must come from outside (network play), in which case a missing
// draw is a fault. Either way the engine maps the number exactly as it maps its own
// generator's (silberStarts, rollDie), and the feed remembers each draw it handed out, so
// the game record can write it down.
//
//   DrawFeed feed(processRandomSource());
//   Engine engine(view, feed);
//   feed.supply(0.25f);            // the next draw: Silber starts
//   engine.neu_but_Click();
//   feed.last();                   // 0.25f, drawCount() went up by one

#include "engine/random_source.h"

#include <cstdint>
#include <deque>

namespace bramlow {

class DrawFeed final : public RandomSource {
public:
    explicit DrawFeed(RandomSource& own) : own_(own) {}

    // The next supplied draw, else the own generator's. Throws std::logic_error when every
    // draw must come from outside and none was supplied, or when a supplied number lies
    // outside [0, 1) (the supplier must check it first).
    float next() override;

    // Queues `x` (0 <= x < 1) as the next draw not yet supplied.
    void supply(float x);
    void clearSupplied() { supplied_.clear(); }
    std::size_t suppliedLeft() const { return supplied_.size(); }
    // On: the own generator is never asked (network play).
    void setOutsideOnly(bool on) { outsideOnly_ = on; }

    // Every draw handed out is counted; `last` is the latest (0 before any).
    std::uint64_t drawCount() const { return count_; }
    float last() const { return last_; }

private:
    RandomSource& own_;
    std::deque<float> supplied_;
    bool outsideOnly_ = false;
    std::uint64_t count_ = 0;
    float last_ = 0.0f;
};

// 0 <= x < 1 and not NaN: a number the game's mapping accepts.
inline bool isDrawValue(float x) { return x >= 0.0f && x < 1.0f; }

} // namespace bramlow
