// The dictionary: loading it into slots 1 to WordCount, and the binary search that looks words up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/word_list.h"

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
    std::string_view operator[](std::int32_t slot) const {
        return slot == 0 ? std::string_view() : words_[static_cast<std::size_t>(slot) - 1];
    }
    // Slots 0 to the last word, so the number of words plus one.
    std::size_t SlotCount() const { return words_.size() + 1; }

private:
    friend DictionaryLoad LoadDictionary(std::string text, WordTable& AllWords, std::int32_t& WordCount);

    common::WordList words_;
};

// Reads every field of the text into AllWords from slot 1 upward and sets WordCount. A 110001st
// entry, or a text of more than 16 MB, stops the load with TooManyWords. A list that is not in
// ascending code order is sorted, because the binary search would otherwise miss real words.
DictionaryLoad LoadDictionary(std::string text, WordTable& AllWords, std::int32_t& WordCount);

// A word the game may deal: five letters or more, every one of them one the player can see and type.
bool CanDeal(std::string_view word);

// True when at least one word in slots 1 to WordCount can be dealt.
bool HasWordToDeal(const WordTable& AllWords, std::int32_t WordCount);

// The slot between low and high that holds exactly the guess, or 0 when none does.
std::int32_t FindWord(const WordTable& AllWords, std::string_view guess, std::int32_t low, std::int32_t high);

}  // namespace pebblix
