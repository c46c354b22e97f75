// The saved files' operations on Windows: the paths are UTF-8 and go to the wide calls in their
// long form, so no folder name or length is out of reach.
#include "common/platform_files.h"

#include <io.h>
#include <windows.h>

#include "common/win32/wide_text.h"

namespace common::platform_files {

std::FILE* Open(const std::string& path, bool forWriting) {
    return _wfopen(win32::FilePath(path).c_str(), forWriting ? L"wb" : L"rb");
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

}  // namespace common::platform_files
