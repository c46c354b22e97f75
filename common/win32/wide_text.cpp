// Converts between the games' UTF-8 and the wide text of Win32, and writes file paths in their long form.
#include "common/win32/wide_text.h"

#include <windows.h>

namespace common::win32 {
namespace {

std::wstring Decode(UINT codePage, DWORD flags, std::string_view text) {
    const int size = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

}  // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::wstring wide = Decode(CP_UTF8, MB_ERR_INVALID_CHARS, text);
    return wide.empty() ? Decode(CP_ACP, 0, text) : wide;
}

std::string Narrow(std::wstring_view text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

std::wstring FilePath(const std::string& path) {
    const std::wstring given = Widen(path);
    if (given.empty()) {
        return given;
    }
    const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return given;
    }
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(given.c_str(), size, full.data(), nullptr));
    // \\?\ passes the path to the file system as it stands, so it must already be whole and clean.
    if (full.rfind(LR"(\\?\)", 0) == 0 || full.rfind(LR"(\\.\)", 0) == 0) {
        return full;
    }
    if (full.rfind(LR"(\\)", 0) == 0) {
        return LR"(\\?\UNC\)" + full.substr(2);
    }
    return LR"(\\?\)" + full;
}

}  // namespace common::win32
