// The few file operations that differ by platform, beneath the saved-file reads and replacements.
#pragma once

#include <cstdio>
#include <string>

namespace common::platform_files {

// Opens a regular file in binary mode for reading; null when it is missing, unreadable or not a
// regular file. Never waits, whatever is at the path (a pipe with no writer, a device).
std::FILE* OpenForReading(const std::string& path);

enum class Creation { Created, NameTaken, PathTooLong, Failed };
struct NewFile {
    std::FILE* file = nullptr;  // open for writing in binary mode when created
    Creation result = Creation::Failed;
};
// Creates a new, empty regular file at the path, for writing. Fails, with NameTaken, when anything
// at all is there already: a file, a folder, a pipe or a link, which is never followed.
NewFile CreateNew(const std::string& path);

// Flushes the file's buffers through to the disk itself.
bool FlushToDisk(std::FILE* file);
// True when a regular file, not a folder, is at the path.
bool IsRegularFile(const std::string& path);
// Renames one file over another in one step, replacing it (a link there is replaced, not followed).
bool RenameOver(const std::string& from, const std::string& to);
void Remove(const std::string& path);
// This program's process number, which no other running program shares.
unsigned long ProcessId();

}  // namespace common::platform_files
