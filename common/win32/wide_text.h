// The games' UTF-8 text at the Win32 boundary: wide text for the W calls, and paths past 260 characters.
#pragma once

#include <string>
#include <string_view>

namespace common::win32 {

// UTF-8 as UTF-16. Text that is not UTF-8 is read in the system's code page, as the A calls read
// it: a word list is 8-bit text in that code page, and its words reach message boxes as they are.
std::wstring Widen(std::string_view text);

// UTF-16 as UTF-8.
std::string Narrow(std::wstring_view text);

// A path for the W file calls: made absolute and given the \\?\ form, which lifts the limit of 260
// characters, so a game installed under a long folder name still reads and saves its files.
std::wstring FilePath(const std::string& path);

}  // namespace common::win32
