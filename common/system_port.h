// The outside world as the game logic sees it: message boxes, sounds, clocks, files and launches.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// <windows.h> turns ReplaceFile into ReplaceFileA; where it came first, that would rename this
// name too and split callers from the definition. The games never call the Win32 function.
#ifdef ReplaceFile
#undef ReplaceFile
#endif

namespace common {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Asynchronous cues let play go on at once; synchronous ones return when the sound has ended.
enum class SoundMode { Async, Sync };

// The Windows build talks to the real system; tests use a fake that records and scripts.
class SystemPort {
public:
    virtual ~SystemPort() = default;

    // A modal message box owned by the main window, with no icon; returns the button pressed.
    virtual MessageAnswer ShowMessage(const std::string& prompt, const std::string& title,
                                      MessageButtons buttons) = 0;

    // Plays a wave file given by its full path; the outcome is never examined.
    virtual void PlayWave(const std::string& path, SoundMode mode) = 0;

    // The wall-clock date and time in whole seconds (it follows changes of the system time).
    virtual std::int64_t CurrentDateTime() = 0;
    // Seconds since local midnight, fractions included.
    virtual double TimeOfDay() = 0;
    // Seconds from an arbitrary start, never going back and unaffected by midnight.
    virtual double MonotonicSeconds() = 0;

    // Lets pending events through: waits at most the given time for one to arrive, then delivers
    // all that are waiting and returns. Never spins.
    virtual void WaitForEvents(double maxSeconds) = 0;

    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // A file that exists and is neither a folder, nor hidden, nor a system file.
    virtual bool FileExists(const std::string& path) = 0;
    // Replaces the whole file safely (the old file stays whole on failure); false when it failed.
    // A hidden or system file is never replaced: it is someone else's, or a saved score kept aside.
    virtual bool ReplaceFile(const std::string& path, std::string_view bytes) = 0;

    // The folder that holds the program file, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // The system directory as the system reports it: empty or short when it cannot be found.
    virtual std::string SystemDirectory() = 0;

    // Starts a program from a command line in a normal window that takes the focus, without
    // waiting for it; false when it could not be started.
    virtual bool StartProgram(const std::string& commandLine) = 0;
    // Asks the shell to carry out an operation ("Open", "open") on a document or web address
    // with its associated program; false when that failed.
    virtual bool OpenWithShell(const std::string& operation, const std::string& target) = 0;
};

// A file in a folder: the folder, a backslash and the name, joined as they stand.
inline std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += '\\';
    path += name;
    return path;
}

}  // namespace common
