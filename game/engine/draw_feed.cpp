#include "engine/draw_feed.h"

#include <stdexcept>

namespace bramlow {

float DrawFeed::next()
{
    float x = 0.0f;
    if (!supplied_.empty()) {
        x = supplied_.front();
        supplied_.pop_front();
    } else if (outsideOnly_) {
        throw std::logic_error("a draw was needed but none was supplied");
    } else {
        x = own_.next();
    }
    ++count_;
    last_ = x;
    return x;
}

void DrawFeed::supply(float x)
{
    if (!isDrawValue(x))
        throw std::logic_error("a supplied draw lies outside [0, 1)");
    supplied_.push_back(x);
}

} // namespace bramlow
