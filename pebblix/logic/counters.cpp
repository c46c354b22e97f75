// Checked 16-bit addition for Score, ShortWordsUsed and WordsGuessed.
#include "pebblix/logic/counters.h"

#include <limits>

namespace pebblix {

std::int16_t CheckedAdd(std::int16_t counter, std::int64_t amount) {
    constexpr std::int64_t kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t kHighest = std::numeric_limits<std::int16_t>::max();
    // Compared before adding, so even an absurd amount cannot wrap the 64-bit sum.
    if (amount > kHighest - counter || amount < kLowest - counter) {
        throw CounterOverflow();
    }
    return static_cast<std::int16_t>(counter + amount);
}

}  // namespace pebblix
