// Whole-file reads and crash-safe whole-file replacement for the games' small saved files.
#include "common/text_file.h"

#include <algorithm>
#include <cstdio>

#include "common/platform_files.h"

namespace common {

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::FILE* file = platform_files::OpenForReading(path);
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

namespace {

// Each save writes a temporary file of its own beside the target, named after this program's
// process, so two copies of a game saving at once never write into one file. A name already taken
// (left by a copy that crashed, or anything else put there) is passed over for the next one.
constexpr int kTemporaryNamesTried = 100;

struct Temporary {
    std::string path;
    platform_files::NewFile created;
};

Temporary CreateTemporaryBeside(const std::string& path) {
    const std::string stem = path + "." + std::to_string(platform_files::ProcessId());
    Temporary temporary;
    for (int attempt = 0; attempt < kTemporaryNamesTried; ++attempt) {
        temporary.path = stem;
        if (attempt > 0) {
            temporary.path += '-';
            temporary.path += std::to_string(attempt);
        }
        temporary.path += ".new";
        temporary.created = platform_files::CreateNew(temporary.path);
        if (temporary.created.result != platform_files::Creation::NameTaken) {
            break;
        }
    }
    return temporary;
}

}  // namespace

SaveOutcome ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    const Temporary temporary = CreateTemporaryBeside(path);
    std::FILE* file = temporary.created.file;
    if (file == nullptr) {
        return temporary.created.result == platform_files::Creation::PathTooLong ? SaveOutcome::PathTooLong
                                                                                 : SaveOutcome::Failed;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = written && platform_files::FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!(written && flushed && closed) || !platform_files::RenameOver(temporary.path, path)) {
        platform_files::Remove(temporary.path);
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

bool RegularFileExists(const std::string& path) { return platform_files::IsRegularFile(path); }

}  // namespace common
