// Guess normalisation, the ending and letter rules, the time table and the slot draw.
#include "pebblix/logic/word_rules.h"

#include <cmath>

namespace pebblix {
namespace {

bool EndsWith(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

}  // namespace

std::string NormaliseGuess(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = typed.find_last_not_of(' ');
    std::string guess(typed.substr(first, last - first + 1));
    for (char& c : guess) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return guess;
}

bool IsWordOrSingular(std::string_view guess, std::string_view word) {
    if (guess == word) {
        return true;
    }
    return EndsWith(word, "s") && guess == word.substr(0, word.size() - 1);
}

bool IsWordOrEndingStem(std::string_view guess, std::string_view word) {
    if (guess == word) {
        return true;
    }
    const bool listedEnding = EndsWith(word, "er") || EndsWith(word, "ed") || EndsWith(word, "es");
    return listedEnding && guess == word.substr(0, word.size() - 2);
}

bool LettersAvailable(std::string_view guess, std::string_view CurrentWord) {
    std::string pool(CurrentWord);
    bool available = true;
    for (char c : guess) {
        const std::size_t at = pool.find(c);
        if (at == std::string::npos) {
            available = false;
        } else {
            // A used letter is struck out with a character no typed guess can hold; striking it
            // out with a blank would let a blank inside a guess take an already used letter.
            pool[at] = '\0';
        }
    }
    return available;
}

int TimeAllowed(std::int16_t Score, common::TimeAllowedSetting setting) {
    int standard = 5000;
    if (Score <= 100) {
        standard = 15000;
    } else if (Score <= 200) {
        standard = 13000;
    } else if (Score <= 300) {
        standard = 11000;
    } else if (Score <= 400) {
        standard = 9000;
    } else if (Score <= 500) {
        standard = 7000;
    }
    return standard * common::TimeFactor(setting);
}

std::int32_t SlotFromDraw(double r, std::int32_t WordCount) {
    const auto slot = static_cast<std::int32_t>(std::floor(r * WordCount)) + 1;
    // r is below 1, but r x WordCount can round up to WordCount itself for r a hair below 1.
    return slot > WordCount ? WordCount : slot;
}

}  // namespace pebblix
