#pragma once
// A random source that hands out exactly the numbers a test queued, and fails the test
// when the engine draws one more than expected.

#include "engine/random_source.h"

#include <deque>
#include <initializer_list>

namespace bramlow::test {

class ScriptedRandom : public RandomSource {
public:
    void queue(std::initializer_list<float> values) { values_.insert(values_.end(), values); }
    float next() override;
    bool exhausted() const { return values_.empty(); }

private:
    std::deque<float> values_;
};

// A number in [0, 1) that the die turns into `face`: int(x * 5.4 + 1) == face.
float rollOf(int face);

// Numbers that make Silber or Gold the starting player.
inline constexpr float silberStartsDraw = 0.25f;
inline constexpr float goldStartsDraw = 0.75f;

} // namespace bramlow::test
