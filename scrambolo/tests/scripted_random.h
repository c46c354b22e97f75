// A random source for tests: plays back a script of draws, then repeats its last value.
#pragma once

#include <deque>

#include "common/random_source.h"

namespace scrambolo::testing {

class ScriptedRandom : public common::RandomSource {
public:
    std::deque<double> draws;
    double last = 0.0;
    int reseeds = 0;
    int drawCount = 0;

    void Reseed(double /*secondsSinceMidnight*/) override { ++reseeds; }
    double Draw() override {
        ++drawCount;
        if (!draws.empty()) {
            last = draws.front();
            draws.pop_front();
        }
        return last;
    }
};

}  // namespace scrambolo::testing
