// A random source for the handler tests: plays back the draws a test scripts and records every reseed.
#pragma once

#include <cmath>
#include <deque>
#include <vector>

#include "common/random_source.h"

namespace common::testing {

class ScriptedRandom : public RandomSource {
public:
    // What a draw gives once the script is used up: the last draw again (a stuck source, 0 before
    // any), or a walk by the golden ratio, which reaches every slot of any list.
    enum class AfterScript { RepeatLast, Walk };

    explicit ScriptedRandom(AfterScript after = AfterScript::RepeatLast) : after_(after) {}

    std::deque<double> draws;     // taken one per draw
    std::vector<double> reseeds;  // the time of day of each reseed
    int drawCount = 0;

    void Reseed(double secondsSinceMidnight) override { reseeds.push_back(secondsSinceMidnight); }

    double Draw() override {
        ++drawCount;
        if (!draws.empty()) {
            last_ = draws.front();
            draws.pop_front();
        } else if (after_ == AfterScript::Walk) {
            last_ = std::fmod(last_ + 0.6180339887498949, 1.0);
        }
        return last_;
    }

private:
    AfterScript after_;
    double last_ = 0.0;
};

}  // namespace common::testing
