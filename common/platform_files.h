// The few file operations that differ by platform, beneath the saved-file reads and replacements.
#pragma once

#include <cstdio>
#include <string>

namespace common::platform_files {

// Opens the file in binary mode, for reading or for writing from empty; null when it cannot.
std::FILE* Open(const std::string& path, bool forWriting);
// Flushes the file's buffers through to the disk itself.
bool FlushToDisk(std::FILE* file);
// True when a regular file, not a folder, is at the path.
bool IsRegularFile(const std::string& path);
// Renames one file over another in one step, replacing it.
bool RenameOver(const std::string& from, const std::string& to);
void Remove(const std::string& path);

}  // namespace common::platform_files
