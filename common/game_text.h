// The games' 8-bit text (word lists, dictionaries, captions) as UTF-8 and back, one decoding for every edition.
#pragma once

#include <string>
#include <string_view>

namespace common {

// The games keep words as the 8-bit text of their lists, one byte a letter, and read them in the
// Windows code page 1252: 0x80 to 0x9F are its letters and signs (the euro sign, S with caron,
// curly quotes...), 0xA0 to 0xFF are the Latin-1 letters. The five bytes that code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) are the control characters of the same number, as
// Windows itself reads them, so every byte comes back as it was.
std::string Utf8FromGameText(std::string_view text);

// The character one byte of the games' text stands for.
char32_t GameTextCharacter(char byte);

// UTF-8, as typed or shown, back as the games' 8-bit text: each character the code page holds is
// its byte; any other character, and any byte that is not UTF-8, is one '?', the code page's
// character for what it cannot hold, which no word of a list is made of.
std::string GameTextFromUtf8(std::string_view text);

}  // namespace common
