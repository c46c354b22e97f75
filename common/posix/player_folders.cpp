// Finds the program's folder and the player's data folder from the system's own bytes, and makes folders.
#include "common/posix/player_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace common::posix {
namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (IsAbsolute(home)) {
        return home;
    }
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        IsAbsolute(found->pw_dir)) {
        return found->pw_dir;
    }
    return {};
}

std::string WithoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

std::string ProgramFolder() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
        return {};
    }
    const std::string program(path.data(), static_cast<std::size_t>(length));
    return program.substr(0, program.find_last_of('/'));
}

std::string PlayerDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (IsAbsolute(dataHome)) {
        return WithoutTrailingSlashes(dataHome);
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : WithoutTrailingSlashes(home) + "/.local/share";
}

SaveOutcome MakeFolders(const std::string& folder) {
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (!part.empty() && mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            return errno == ENAMETOOLONG ? SaveOutcome::PathTooLong : SaveOutcome::Failed;
        }
        if (end == std::string::npos) {
            return SaveOutcome::Saved;
        }
    }
}

}  // namespace common::posix
