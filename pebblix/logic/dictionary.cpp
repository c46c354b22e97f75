// Dictionary loading by the files' field rule, and lookup by binary search in code order.
#include "pebblix/logic/dictionary.h"

#include <algorithm>

#include "common/field_reader.h"
#include "pebblix/logic/game_state.h"

namespace pebblix {

DictionaryLoad LoadDictionary(std::string_view text, std::vector<std::string>& AllWords, std::int32_t& WordCount) {
    AllWords.clear();
    // One slot per line is the usual case; reserving it spares the table's regrowth.
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    AllWords.reserve(std::min<std::size_t>(lines + 2, kDictionaryCapacity + 1));
    AllWords.emplace_back();
    WordCount = 0;
    common::FieldReader reader(text);
    while (!reader.AtEnd()) {
        if (WordCount == kDictionaryCapacity) {
            return DictionaryLoad::TooManyWords;
        }
        ++WordCount;
        AllWords.push_back(reader.ReadField());
    }
    // std::string orders by unsigned character code, shorter first on a common prefix: the order
    // FindWord searches in.
    if (!std::is_sorted(AllWords.begin() + 1, AllWords.end())) {
        std::sort(AllWords.begin() + 1, AllWords.end());
    }
    return DictionaryLoad::Loaded;
}

bool HasWordToDeal(const std::vector<std::string>& AllWords, std::int32_t WordCount) {
    for (std::int32_t slot = 1; slot <= WordCount; ++slot) {
        if (AllWords[slot].size() >= kShortestDealtWord) {
            return true;
        }
    }
    return false;
}

std::int32_t FindWord(const std::vector<std::string>& AllWords, std::string_view guess, std::int32_t low,
                      std::int32_t high) {
    while (low <= high) {
        const std::int32_t mid = (low + high) / 2;
        const std::string_view word = AllWords[mid];
        if (word == guess) {
            return mid;
        }
        if (guess < word) {
            high = mid - 1;
        } else {
            low = mid + 1;
        }
    }
    return 0;
}

}  // namespace pebblix
