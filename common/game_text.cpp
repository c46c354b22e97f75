// Windows code page 1252 to UTF-8 and back, by its table for 0x80 to 0x9F and Latin-1 for the rest.
#include "common/game_text.h"

#include <array>
#include <cstdint>

namespace common {
namespace {

// The characters of 0x80 to 0x9F; an undefined byte stands for the control character of its number.
constexpr std::array<char32_t, 32> kHighControls = {
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178'};

constexpr char kUnrepresentable = '?';

void AppendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// The byte of a character in the code page, or '?' when it has none.
char ByteOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t index = 0; index < kHighControls.size(); ++index) {
        if (kHighControls[index] == character) {
            return static_cast<char>(0x80 + index);
        }
    }
    return kUnrepresentable;
}

// Reads one UTF-8 character at text[at] and moves at past it; a byte that starts no well-formed
// character (a stray continuation, an overlong form, a surrogate, a sequence cut short) is read
// alone and gives nothing.
bool NextCharacter(std::string_view text, std::size_t& at, char32_t& character) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        character = lead;
        return true;
    }
    int following = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        following = 1;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3;
        least = 0x10000;
    } else {
        return false;
    }
    char32_t value = lead & (0x3F >> following);
    for (int index = 0; index < following; ++index) {
        if (at + index >= text.size() || (static_cast<unsigned char>(text[at + index]) & 0xC0) != 0x80) {
            return false;
        }
        value = (value << 6) | (static_cast<unsigned char>(text[at + index]) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return false;
    }
    at += static_cast<std::size_t>(following);
    character = value;
    return true;
}

}  // namespace

char32_t GameTextCharacter(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code >= 0x80 && code <= 0x9F ? kHighControls[code - 0x80] : char32_t{code};
}

std::string Utf8FromGameText(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char byte : text) {
        AppendUtf8(utf8, GameTextCharacter(byte));
    }
    return utf8;
}

std::string GameTextFromUtf8(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t character = 0;
        bytes += NextCharacter(text, at, character) ? ByteOf(character) : kUnrepresentable;
    }
    return bytes;
}

}  // namespace common
