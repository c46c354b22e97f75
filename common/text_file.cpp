// Whole-file reads and crash-safe whole-file replacement for the games' small saved files.
#include "common/text_file.h"

#include <algorithm>
#include <cstdio>

#include "common/platform_files.h"

namespace common {

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    if (!platform_files::IsRegularFile(path)) {
        return std::nullopt;
    }
    std::FILE* file = platform_files::Open(path, false);
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

bool ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".new";
    std::FILE* file = platform_files::Open(temporary, true);
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = written && platform_files::FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!(written && flushed && closed) || !platform_files::RenameOver(temporary, path)) {
        platform_files::Remove(temporary);
        return false;
    }
    return true;
}

bool RegularFileExists(const std::string& path) { return platform_files::IsRegularFile(path); }

}  // namespace common
