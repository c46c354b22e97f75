// The dictionary: loading it into slots 1 to WordCount, and the binary search that looks words up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pebblix {

enum class DictionaryLoad { Loaded, TooManyWords };

// Reads every field of the text into AllWords from slot 1 upward (slot 0 stays empty) and sets
// WordCount. A 110001st entry stops the load with TooManyWords. A list that is not in ascending
// code order is sorted, because the binary search would otherwise miss real words.
DictionaryLoad LoadDictionary(std::string_view text, std::vector<std::string>& AllWords, std::int32_t& WordCount);

// True when at least one word in slots 1 to WordCount is long enough to be dealt.
bool HasWordToDeal(const std::vector<std::string>& AllWords, std::int32_t WordCount);

// The slot between low and high that holds exactly the guess, or 0 when none does.
std::int32_t FindWord(const std::vector<std::string>& AllWords, std::string_view guess, std::int32_t low,
                      std::int32_t high);

}  // namespace pebblix
