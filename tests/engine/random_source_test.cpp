// The default source: the same sequence on every start, strictly below 1, and a die that
// shows the 6 at 2/27 and every other face at 5/27.
#include "engine/die.h"
#include "engine/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace bramlow {
namespace {

TEST(DefaultRandomSource, replaysTheSameSequenceOnEveryConstruction)
{
    DefaultRandomSource first;
    DefaultRandomSource second;
    std::vector<float> a;
    std::vector<float> b;
    for (int i = 0; i < 1000; ++i) {
        a.push_back(first.next());
        b.push_back(second.next());
    }
    EXPECT_EQ(a, b);
    EXPECT_NE(a[0], a[1]);
}

TEST(ProcessRandomSource, isOneObjectForTheWholeProcess)
{
    EXPECT_EQ(&processRandomSource(), &processRandomSource());
}

// Counted once for both tests below: a million draws, deterministic.
struct Draws {
    std::array<int, 7> faces{};
    float smallest = 1.0f;
    float largest = 0.0f;
    int belowHalf = 0;
    static constexpr int count = 1'000'000;

    Draws()
    {
        DefaultRandomSource numbers;
        for (int i = 0; i < count; ++i) {
            const float x = numbers.next();
            smallest = std::min(smallest, x);
            largest = std::max(largest, x);
            belowHalf += x < 0.5f;
        }
        DefaultRandomSource dice;
        for (int i = 0; i < count; ++i)
            ++faces.at(rollDie(dice));
    }
};

const Draws& draws()
{
    static const Draws d;
    return d;
}

TEST(DefaultRandomSource, staysInsideZeroToOneAndIsUniform)
{
    EXPECT_GE(draws().smallest, 0.0f);
    EXPECT_LT(draws().largest, 1.0f);
    EXPECT_GT(draws().largest, 0.9999f);
    // Five standard deviations of a fair coin over a million draws: 2,500.
    EXPECT_NEAR(draws().belowHalf, Draws::count / 2, 2'500);
}

TEST(Die, showsTheSixAtTwo27thsAndTheOthersAtFive27ths)
{
    const auto& faces = draws().faces;
    EXPECT_EQ(faces[0], 0);
    for (int face = 1; face <= 6; ++face) {
        const double p = face == 6 ? 2.0 / 27.0 : 5.0 / 27.0;
        const double expected = p * Draws::count;
        // Six standard deviations: a correct source misses this about once in 10^8 seeds,
        // and the seed is fixed.
        const double tolerance = 6.0 * std::sqrt(Draws::count * p * (1.0 - p));
        EXPECT_NEAR(faces[face], expected, tolerance) << "face " << face;
    }
}

// A source that breaks its promise.
class BrokenSource : public RandomSource {
public:
    explicit BrokenSource(std::vector<float> values) : values_(std::move(values)) {}
    float next() override { return values_[std::min(next_++, values_.size() - 1)]; }
    std::size_t draws() const { return next_; }

private:
    std::vector<float> values_;
    std::size_t next_ = 0;
};

TEST(Die, drawsAgainOutsideOneToSix)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    BrokenSource source({1.2f, -0.5f, nan, 3.0e9f, 0.5f});
    EXPECT_EQ(rollDie(source), 3);
    EXPECT_EQ(source.draws(), 5u);
}

TEST(Die, aSourceThatNeverDeliversIsReportedInsteadOfHanging)
{
    BrokenSource source({1.2f});
    EXPECT_THROW(rollDie(source), std::domain_error);
}

TEST(Die, pictureNames)
{
    EXPECT_EQ(diePicture(1), "wuerfel1.bmp");
    EXPECT_EQ(diePicture(6), "wuerfel6.bmp");
    EXPECT_TRUE(silberStarts(0.49999997f));
    EXPECT_FALSE(silberStarts(0.5f));
}

} // namespace
} // namespace bramlow
