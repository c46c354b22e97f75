// The saved files' operations on Windows: the paths are UTF-8 and go to the wide calls in their
// long form, so no folder name or length is out of reach.
#include "common/platform_files.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "common/win32/wide_text.h"

namespace common::platform_files {
namespace {

// The longest path the wide calls take, and the longest name of one folder or file in it. Told by
// length, as the system's own answer for a longer one is not the same on every file system.
constexpr std::size_t kLongestPath = 32767;
constexpr std::size_t kLongestName = 255;

bool TooLong(const std::wstring& path) {
    if (path.size() > kLongestPath) {
        return true;
    }
    std::size_t start = 0;
    for (std::size_t end = path.find(L'\\'); start <= path.size(); end = path.find(L'\\', start)) {
        const std::size_t stop = end == std::wstring::npos ? path.size() : end;
        if (stop - start > kLongestName) {
            return true;
        }
        start = stop + 1;
    }
    return false;
}

}  // namespace

std::FILE* OpenForReading(const std::string& path) {
    if (!IsRegularFile(path)) {
        return nullptr;
    }
    return _wfopen(win32::FilePath(path).c_str(), L"rb");
}

NewFile CreateNew(const std::string& path) {
    const std::wstring full = win32::FilePath(path);
    if (TooLong(full)) {
        return {nullptr, Creation::PathTooLong};
    }
    // CREATE_NEW refuses anything already at the name, a link included, which is never followed.
    const HANDLE handle =
        CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return {nullptr, error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Creation::NameTaken
                         : error == ERROR_FILENAME_EXCED_RANGE                       ? Creation::PathTooLong
                                                                                     : Creation::Failed};
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_WRONLY);
    if (descriptor < 0) {
        CloseHandle(handle);
        Remove(path);
        return {};
    }
    std::FILE* file = _fdopen(descriptor, "wb");
    if (file == nullptr) {
        _close(descriptor);
        Remove(path);
        return {};
    }
    return {file, Creation::Created};
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(win32::FilePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool RenameOver(const std::string& from, const std::string& to) {
    return MoveFileExW(win32::FilePath(from).c_str(), win32::FilePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void Remove(const std::string& path) { DeleteFileW(win32::FilePath(path).c_str()); }

unsigned long ProcessId() { return GetCurrentProcessId(); }

}  // namespace common::platform_files
