// The dictionary: loading it into slots 1 to WordCount, and the binary search that looks words up.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pebblix {

// The most words the dictionary may hold; slot 0 of AllWords is never used.
inline constexpr std::int32_t kDictionaryCapacity = 110000;

// Only words of this many letters or more are dealt; shorter ones serve as answers.
inline constexpr std::size_t kShortestDealtWord = 5;

enum class DictionaryLoad { Loaded, TooManyWords };

// The table of dictionary words, slot 0 unused. The words are views into one block of characters
// that the table shares with its copies and never changes, so loading builds no string per word.
class WordTable {
public:
    WordTable() : slots_(1) {}

    std::string_view operator[](std::int32_t slot) const { return slots_[static_cast<std::size_t>(slot)]; }
    // Slots 0 to the last word, so the number of words plus one.
    std::size_t SlotCount() const { return slots_.size(); }

private:
    friend DictionaryLoad LoadDictionary(std::string text, WordTable& AllWords, std::int32_t& WordCount);

    std::shared_ptr<const std::string> characters_;
    std::vector<std::string_view> slots_;
};

// Reads every field of the text into AllWords from slot 1 upward and sets WordCount. A 110001st
// entry stops the load with TooManyWords. A list that is not in ascending code order is sorted,
// because the binary search would otherwise miss real words.
DictionaryLoad LoadDictionary(std::string text, WordTable& AllWords, std::int32_t& WordCount);

// True when at least one word in slots 1 to WordCount is long enough to be dealt.
bool HasWordToDeal(const WordTable& AllWords, std::int32_t WordCount);

// The slot between low and high that holds exactly the guess, or 0 when none does.
std::int32_t FindWord(const WordTable& AllWords, std::string_view guess, std::int32_t low, std::int32_t high);

}  // namespace pebblix
