// The entries of a word-list file held lean and read with a bound, and which entries can be shown.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace common {

enum class WordListRead { Complete, TooLarge };

// The most bytes a word list may have: a list of 110000 words, the most either game holds, takes
// a few MB at most, so a longer file is damage and is refused without being read whole.
inline constexpr std::size_t kWordListMaxBytes = 16 * 1024 * 1024;

// The entries in one block of characters with a view per entry, so a list costs its bytes and
// 16 more per entry, and building it makes no string per word. Copies share the block, which
// never changes, so views taken from a list stay good while any copy of it lives.
class WordList {
public:
    WordList() = default;
    // A list of these words, gathered into a block of its own.
    WordList(std::initializer_list<std::string_view> words);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    std::string_view operator[](std::size_t index) const { return entries_[index]; }
    std::vector<std::string_view>::const_iterator begin() const { return entries_.begin(); }
    std::vector<std::string_view>::const_iterator end() const { return entries_.end(); }

    // Ascending order of character codes, a word before any longer word it begins.
    void SortByCode();

private:
    friend WordListRead ReadWordList(std::string text, std::size_t limit, WordList& list);

    std::shared_ptr<const std::string> characters_;
    std::vector<std::string_view> entries_;
};

// Every entry of the text by the files' field rule, in file order. Reading stops at the entry
// after the limit, so however large or damaged the text, the list never grows past it: with more
// entries than the limit, or more bytes than kWordListMaxBytes, the list is left empty and
// TooLarge returned.
WordListRead ReadWordList(std::string text, std::size_t limit, WordList& list);

// True when every character can be shown on a control and typed by the player: no NUL or other
// control character (codes 0 to 31 and 127), which damage leaves in a file and a window cuts or
// hides, and none of the five bytes the games' code page leaves undefined, which read as control
// characters too (common/game_text.h) and are neither shown nor spoken.
bool IsShowable(std::string_view word);

}  // namespace common
