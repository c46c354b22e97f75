// The outside world as the game logic sees it: Win32System (common/win32), QtSystem (common/qt), WebSystem (common/web) and the tests' FakeSystem (common/testing) implement it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace common {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Whether keys typed before a box appears may answer it. A question that the clock raises (the
// time is up) comes while the player is still typing or swapping for the word, and a player goes
// on typing a moment before taking it in, so the keys meant for the word are dropped: those
// already waiting and every key pressed until the box has shown and no key has been pressed for
// kTypeAheadDropSeconds, however long the typing goes on. Then the box answers at once.
enum class TypeAhead { Answers, Dropped };
inline constexpr double kTypeAheadDropSeconds = 0.5;

// How a replacement of a saved file went. A path longer than the system takes is told apart, so
// the player learns why a score was not kept.
enum class SaveOutcome { Saved, Failed, PathTooLong };

// Asynchronous cues let play go on at once; synchronous ones return when the sound has ended.
enum class SoundMode { Async, Sync };

// Message boxes, sounds, clocks, files and launches. Each platform build talks to its real
// system; tests use a fake that records and scripts.
// Paths and texts are UTF-8, whatever the folder names hold; a word of a list, which is the games'
// 8-bit text, is put into a message as UTF-8 (common/game_text.h).
class SystemPort {
public:
    virtual ~SystemPort() = default;

    // A modal message box owned by the main window, with no icon; returns the button pressed.
    virtual MessageAnswer ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons,
                                      TypeAhead typeAhead) = 0;
    MessageAnswer ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons) {
        return ShowMessage(prompt, title, buttons, TypeAhead::Answers);
    }

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

    // The file's first bytes, at most maxBytes and one more, so that a caller can tell a file longer
    // than it will take without holding the rest; nothing when it is missing or cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) = 0;
    // The whole file, or nothing when it is missing or cannot be read.
    std::optional<std::string> ReadFile(const std::string& path) {
        return ReadFile(path, std::numeric_limits<std::size_t>::max() - 1);
    }
    // A file that exists and is neither a folder, nor hidden, nor a system file.
    virtual bool FileExists(const std::string& path) = 0;
    // True when anything at all is at the path: a file of any kind, readable or not, or a folder.
    // A saved file that is there but cannot be read is told apart from a missing one this way.
    // Nothing is at a path too long for the system.
    virtual bool AnythingAt(const std::string& path) = 0;
    // Replaces the whole file safely (the old file stays whole on failure). A hidden or system file
    // is never replaced: it is someone else's, or a saved score kept aside.
    virtual SaveOutcome ReplaceWholeFile(const std::string& path, std::string_view bytes) = 0;

    // The separator of folders in the platform's paths: a backslash on Windows, a slash on Linux.
    virtual char PathSeparator() = 0;
    // A file in a folder: the folder, the separator and the name, joined as they stand.
    std::string JoinPath(std::string_view folder, std::string_view name) {
        std::string path(folder);
        path += PathSeparator();
        path += name;
        return path;
    }

    // Every folder is given without a trailing separator.
    // The folder that holds the program file: the second place a word list is looked for.
    virtual std::string ProgramFolder() = 0;
    // The first place a word list is looked for, where an installation puts it: the system
    // directory on Windows (empty or short when it cannot be found), the installation's data
    // folder of the game on Linux.
    virtual std::string WordListFolder() = 0;
    // Where the game's sound cues and help text are: the program's folder on Windows; on Linux
    // the installation's data folder, or the program's folder when it runs from a build or an
    // unpacked copy.
    virtual std::string DataFolder() = 0;
    // Where the saved scores and settings are read and written: the program's folder on Windows;
    // on Linux the game's folder in the player's data folder, made on the first save.
    virtual std::string SavedFilesFolder() = 0;

    // True where the program may be ended without its close ever running: a browser tab that a
    // phone ends in the background, or that is closed without telling the page. A setting is
    // then saved when it is picked, and a save that fails is told there, while the player listens;
    // the close saves only what is still unsaved, so that it never puts back a setting another
    // tab has picked since. On the desktop the close always runs and saves the settings.
    virtual bool EndsWithoutNotice() { return false; }

    // Starts the platform's plain-text editor itself on a file, in a normal window that takes the
    // focus, without waiting for it; false when the editor could not be started.
    virtual bool StartTextEditor(const std::string& path) = 0;
    // The editor's program name, for the message that says it could not be started.
    virtual std::string TextEditorName() = 0;
    // Opens a help text in whatever the player's desktop opens text files with; false when
    // nothing could open it.
    virtual bool OpenHelpText(const std::string& path) = 0;
    // Opens a web address in the player's web browser; false when none could be started.
    virtual bool OpenWebAddress(const std::string& address) = 0;
};

}  // namespace common
