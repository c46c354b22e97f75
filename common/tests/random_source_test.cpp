// The random source: numbers in [0, 1), evenly spread, and reseeds that never restart the sequence.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "common/random_source.h"

namespace common {
namespace {

TEST(FoldingRandomSource, DrawsStayInTheHalfOpenUnitInterval) {
    FoldingRandomSource source;
    for (int i = 0; i < 100000; ++i) {
        source.Reseed(43200.0 + i * 0.001);
        const double r = source.Draw();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

TEST(FoldingRandomSource, ReseedingWithTheSameTimeDoesNotRepeatDraws) {
    // A redraw loop reseeds from a clock that has not moved yet: every draw must still differ.
    FoldingRandomSource source;
    std::set<double> seen;
    for (int i = 0; i < 1000; ++i) {
        source.Reseed(50000.25);
        seen.insert(source.Draw());
    }
    EXPECT_EQ(seen.size(), 1000u);
}

TEST(FoldingRandomSource, SlotsOfSixAreEvenlySpread) {
    FoldingRandomSource source;
    constexpr int kDraws = 60000;
    std::array<int, 6> counts{};
    for (int i = 0; i < kDraws; ++i) {
        source.Reseed(1234.5);
        ++counts[static_cast<std::size_t>(source.Draw() * 6)];
    }
    // Chi-square with 5 degrees of freedom; 20.5 is beyond the 0.1 % tail.
    double chiSquare = 0;
    for (int count : counts) {
        const double expected = kDraws / 6.0;
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 20.5);
}

TEST(FoldingRandomSource, TheTimeOfDayChangesWhatComesNext) {
    FoldingRandomSource morning;
    FoldingRandomSource evening;
    morning.Reseed(3600.0);
    evening.Reseed(72000.0);
    EXPECT_NE(morning.Draw(), evening.Draw());
}

}  // namespace
}  // namespace common
