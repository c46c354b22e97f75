// Tells a saved file that is there but cannot be read from one that is missing, and where a failed save was going.
#include "common/saved_file.h"

namespace common {

SavedFileRead ReadSavedFile(SystemPort& system, const std::string& path) {
    SavedFileRead read;
    read.text = system.ReadFile(path);
    read.unreadable = !read.text && system.AnythingAt(path);
    return read;
}

std::string WhereNotSaved(const std::string& path, SaveOutcome outcome) {
    return outcome == SaveOutcome::PathTooLong ? ": the path " + path + " is too long" : " in " + path;
}

}  // namespace common
