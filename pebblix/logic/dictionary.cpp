// Dictionary loading by the files' field rule, and lookup by binary search in code order.
#include "pebblix/logic/dictionary.h"

#include <utility>

namespace pebblix {

DictionaryLoad LoadDictionary(std::string text, WordTable& AllWords, std::int32_t& WordCount) {
    common::WordList words;
    const common::WordListRead read =
        common::ReadWordList(std::move(text), static_cast<std::size_t>(kDictionaryCapacity), words);
    AllWords.words_ = common::WordList();
    WordCount = 0;
    if (read == common::WordListRead::TooLarge) {
        return DictionaryLoad::TooManyWords;
    }
    words.SortByCode();
    AllWords.words_ = std::move(words);
    WordCount = static_cast<std::int32_t>(AllWords.words_.size());
    return DictionaryLoad::Loaded;
}

bool CanDeal(std::string_view word) { return word.size() >= kShortestDealtWord && common::IsShowable(word); }

bool HasWordToDeal(const WordTable& AllWords, std::int32_t WordCount) {
    for (std::int32_t slot = 1; slot <= WordCount; ++slot) {
        if (CanDeal(AllWords[slot])) {
            return true;
        }
    }
    return false;
}

std::int32_t FindWord(const WordTable& AllWords, std::string_view guess, std::int32_t low, std::int32_t high) {
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
