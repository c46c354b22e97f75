// A small 64-bit generator (split-mix steps) whose reseed folds the time into its state.
#include "common/random_source.h"

#include <cstring>

namespace common {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

void FoldingRandomSource::Reseed(double secondsSinceMidnight) {
    // The double's own bits; every library the games are built with has memcpy, not all bit_cast.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    state_ = Mix(state_ ^ Mix(bits + kGoldenGamma));
}

double FoldingRandomSource::Draw() {
    state_ += kGoldenGamma;
    // The top 53 bits make a double in [0, 1) with every value equally likely.
    return static_cast<double>(Mix(state_) >> 11) * 0x1.0p-53;
}

}  // namespace common
