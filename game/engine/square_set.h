#pragma once
// A set of squares of the 10 x 10 frame as two machine words: the position keeps one per
// player, and the table of destinations one per square, roll and player, so that "where can
// this piece go" is a few bit operations.

#include <bit>
#include <cstdint>

namespace bramlow {

// row * 10 + column on the frame (see position.h).
using Square = std::uint8_t;

class SquareSet {
public:
    bool contains(Square s) const { return (word(s) >> (s % 64)) & 1u; }
    void insert(Square s) { word(s) |= std::uint64_t{1} << (s % 64); }
    void erase(Square s) { word(s) &= ~(std::uint64_t{1} << (s % 64)); }
    bool empty() const { return (low_ | high_) == 0; }
    int size() const { return std::popcount(low_) + std::popcount(high_); }

    SquareSet operator&(const SquareSet& o) const { return {low_ & o.low_, high_ & o.high_}; }
    SquareSet operator|(const SquareSet& o) const { return {low_ | o.low_, high_ | o.high_}; }
    SquareSet without(const SquareSet& o) const { return {low_ & ~o.low_, high_ & ~o.high_}; }
    bool operator==(const SquareSet&) const = default;

    // Calls f(square) for each member, lowest first.
    template <typename F>
    void forEach(F f) const
    {
        for (std::uint64_t w = low_; w != 0; w &= w - 1)
            f(static_cast<Square>(std::countr_zero(w)));
        for (std::uint64_t w = high_; w != 0; w &= w - 1)
            f(static_cast<Square>(64 + std::countr_zero(w)));
    }

    SquareSet() = default;

private:
    SquareSet(std::uint64_t low, std::uint64_t high) : low_(low), high_(high) {}
    std::uint64_t& word(Square s) { return s < 64 ? low_ : high_; }
    std::uint64_t word(Square s) const { return s < 64 ? low_ : high_; }

    std::uint64_t low_ = 0; // squares 0..63
    std::uint64_t high_ = 0; // squares 64..99
};

} // namespace bramlow
