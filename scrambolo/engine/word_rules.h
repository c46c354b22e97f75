// The rules on single words and saved numbers: which lengths a range keeps, which words can be dealt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scrambolo {

// Whether a word of the given number of letters belongs to the letter range.
bool FitsLetterRange(std::size_t letters, std::int32_t letterRange);

// A word that can be dealt: 3 to 6 letters, no blanks, every letter one the player can see and
// type, and not one letter repeated (whose every shuffle would spell the word again).
bool IsDealable(std::string_view word);

// The high score held by the file's first field; 0 when the file is missing, empty, not a
// number or beyond the 32-bit range.
std::int32_t ReadHighScore(const std::optional<std::string>& fileText);

// Text with the blanks at both ends removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace scrambolo
