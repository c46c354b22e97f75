// The saved files' operations on Linux, where a path is bytes and rename replaces in one step.
#include "common/platform_files.h"

#include <sys/stat.h>
#include <unistd.h>

namespace common::platform_files {

std::FILE* Open(const std::string& path, bool forWriting) { return std::fopen(path.c_str(), forWriting ? "wb" : "rb"); }

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool RenameOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

void Remove(const std::string& path) { std::remove(path.c_str()); }

}  // namespace common::platform_files
