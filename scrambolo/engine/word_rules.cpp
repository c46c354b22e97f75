// Word-length selection, dealability, and the reading of the high score.
#include "scrambolo/engine/word_rules.h"

#include <algorithm>

#include "common/field_reader.h"
#include "common/field_values.h"
#include "common/word_list.h"
#include "scrambolo/engine/game_state.h"

namespace scrambolo {

bool FitsLetterRange(std::size_t letters, std::int32_t letterRange) {
    switch (letterRange) {
        case kRange34:
            return letters == 3 || letters == 4;
        case kRange45:
            return letters == 4 || letters == 5;
        case kRange56:
            return letters == 5 || letters == 6;
        case kRange6:
            return letters == 6;
        case kAllRanges:
            return true;
        default:
            return false;
    }
}

bool IsDealable(std::string_view word) {
    if (word.size() < 3 || word.size() > 6 || word.find(' ') != std::string_view::npos || !common::IsShowable(word)) {
        return false;
    }
    return std::any_of(word.begin(), word.end(), [&](char c) { return c != word.front(); });
}

std::int32_t ReadHighScore(const std::optional<std::string>& fileText) {
    if (!fileText) {
        return 0;
    }
    return common::ParseInt32(common::ReadFirstField(*fileText)).ValueOr(0);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace scrambolo
