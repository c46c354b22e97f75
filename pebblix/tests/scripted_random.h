// A random source that gives the draws a test scripts, and records every reseed.
#pragma once

#include <cmath>
#include <deque>
#include <vector>

#include "common/random_source.h"

namespace pebblix::testing {

class ScriptedRandom : public common::RandomSource {
public:
    // Taken one per draw; when empty, draws walk by the golden ratio, which reaches every slot.
    std::deque<double> draws;
    std::vector<double> reseeds;
    int drawCount = 0;

    void Reseed(double secondsSinceMidnight) override { reseeds.push_back(secondsSinceMidnight); }

    double Draw() override {
        ++drawCount;
        if (draws.empty()) {
            walk_ = std::fmod(walk_ + 0.6180339887498949, 1.0);
            return walk_;
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

private:
    double walk_ = 0.0;
};

}  // namespace pebblix::testing
