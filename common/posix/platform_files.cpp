// The saved files' operations on Linux, where a path is bytes and rename replaces in one step.
#include "common/platform_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace common::platform_files {

std::FILE* OpenForReading(const std::string& path) {
    // Without O_NONBLOCK, opening a pipe that no one writes would wait for ever.
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        return nullptr;
    }
    std::FILE* file = fdopen(descriptor, "rb");
    if (file == nullptr) {
        close(descriptor);
    }
    return file;
}

NewFile CreateNew(const std::string& path) {
    // O_EXCL with O_CREAT refuses anything already at the name, a link included, even a dangling one.
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return {nullptr, errno == EEXIST         ? Creation::NameTaken
                         : errno == ENAMETOOLONG ? Creation::PathTooLong
                                                 : Creation::Failed};
    }
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        close(descriptor);
        unlink(path.c_str());
        return {};
    }
    return {file, Creation::Created};
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool RenameOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

void Remove(const std::string& path) { unlink(path.c_str()); }

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

}  // namespace common::platform_files
