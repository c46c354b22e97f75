// Whole-file reads and crash-safe whole-file replacement for the games' small saved files.
#include "common/text_file.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
// <windows.h> turns ReplaceFile into ReplaceFileA; this file defines the games' own.
#undef ReplaceFile

#include "common/win32/wide_text.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace common {
namespace {

// The few file operations that differ by platform. On Windows the paths are UTF-8 and go to the
// wide calls in their long form, so no folder name or length is out of reach.
#ifdef _WIN32
std::FILE* OpenFile(const std::string& path, bool forWriting) {
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

void RemoveFile(const std::string& path) { DeleteFileW(win32::FilePath(path).c_str()); }
#else
std::FILE* OpenFile(const std::string& path, bool forWriting) { return std::fopen(path.c_str(), forWriting ? "wb" : "rb"); }

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool RenameOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }
#endif

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    if (!IsRegularFile(path)) {
        return std::nullopt;
    }
    std::FILE* file = OpenFile(path, false);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    std::size_t count = 0;
    const std::size_t wanted = maxBytes + 1;
    while (bytes.size() < wanted &&
           (count = std::fread(buffer, 1, std::min(sizeof buffer, wanted - bytes.size()), file)) > 0) {
        bytes.append(buffer, count);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".new";
    std::FILE* file = OpenFile(temporary, true);
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = written && FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!(written && flushed && closed) || !RenameOver(temporary, path)) {
        RemoveFile(temporary);
        return false;
    }
    return true;
}

bool RegularFileExists(const std::string& path) { return IsRegularFile(path); }

}  // namespace common
