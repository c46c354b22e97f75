// Checked arithmetic for the game's 16-bit counters: a result out of range is an error, never a wrap.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace pebblix {

class CounterOverflow : public std::overflow_error {
public:
    CounterOverflow() : std::overflow_error("a 16-bit game counter went out of range") {}
};

// counter + amount, or CounterOverflow when the sum lies outside -32768..32767.
std::int16_t CheckedAdd(std::int16_t counter, std::int64_t amount);

}  // namespace pebblix
