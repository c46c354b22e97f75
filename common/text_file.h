// Reads a saved file whole and replaces one safely, in binary mode so CR LF stays as written.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/system_port.h"

namespace common {

// The whole file as bytes, or nothing when it is missing or cannot be read. With a limit, reading
// stops after maxBytes and one more byte, so a longer file shows as longer without being held.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t maxBytes = std::numeric_limits<std::size_t>::max() - 1);

// Writes the bytes to a new temporary file of this save's own beside the target, flushes it to the
// disk, then renames it over the target. A crash, a full disk or an unwritable folder leaves the old
// file as it was; nothing already at any name is written through or waited on.
SaveOutcome ReplaceWholeFile(const std::string& path, std::string_view bytes);

// True when a regular file (not a folder) exists at the path.
bool RegularFileExists(const std::string& path);

}  // namespace common
