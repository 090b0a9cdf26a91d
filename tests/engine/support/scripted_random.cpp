#include "scripted_random.h"

#include <gtest/gtest.h>

namespace bramlow::test {

float ScriptedRandom::next()
{
    if (values_.empty()) {
        ADD_FAILURE() << "the engine drew more random numbers than the test queued";
        return 0.0f;
    }
    const float value = values_.front();
    values_.pop_front();
    return value;
}

float rollOf(int face)
{
    // A quarter into the face's interval [(face - 1) / 5.4, face / 5.4), clear of both ends.
    return static_cast<float>((face - 0.75) / 5.4);
}

} // namespace bramlow::test
