// Tells a saved file that is there but cannot be read from one that is missing.
#include "common/saved_file.h"

namespace common {

SavedFileRead ReadSavedFile(SystemPort& system, const std::string& path) {
    SavedFileRead read;
    read.text = system.ReadFile(path);
    read.unreadable = !read.text && system.AnythingAt(path);
    return read;
}

}  // namespace common
