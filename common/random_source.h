// The games' random numbers, uniform in [0, 1) and reseeded before each draw; FoldingRandomSource and the tests' ScriptedRandom (common/testing) draw them.
#pragma once

#include <cstdint>

namespace common {

// What the game logic draws from. Tests pass a scripted source; the games use FoldingRandomSource.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Mixes the time of day (seconds since midnight, fractions included) into the state.
    virtual void Reseed(double secondsSinceMidnight) = 0;

    // A number r with 0 <= r < 1.
    virtual double Draw() = 0;
};

// A reseed folds the time into the state instead of replacing it, so the sequence never restarts:
// two draws within the same clock tick still differ, and a redraw loop always moves on.
class FoldingRandomSource final : public RandomSource {
public:
    explicit FoldingRandomSource(std::uint64_t initialState = 0x2545F4914F6CDD1DULL) : state_(initialState) {}

    void Reseed(double secondsSinceMidnight) override;
    double Draw() override;

private:
    std::uint64_t state_;
};

}  // namespace common
