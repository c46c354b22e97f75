// The real outside world for a game window: message boxes, sounds, clocks, files and launches on Windows.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "common/system_port.h"

namespace common::win32 {

// The command line that opens a file in the plain-text editor: the path is not quoted, as the
// editor takes the rest of its command line as one file name.
std::string TextEditorCommandLine(const std::string& path);

// The sound functions open a wave file by name only through the system's code page and up to 128
// characters; a cue beside a program installed deeper, or under a name outside the code page, is
// read by the game and played from memory instead.
bool PlayableByName(const std::wstring& path);

class Win32System final : public SystemPort {
public:
    // deliverPending hands every waiting message to the game's own pump (key preview,
    // accelerators and dialog keys included), so waits inside a handler behave like the main loop.
    explicit Win32System(std::function<void()> deliverPending);
    ~Win32System() override;

    // The window that owns message boxes and shell launches.
    void SetOwner(HWND owner) { owner_ = owner; }

    using SystemPort::ShowMessage;
    MessageAnswer ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons,
                              TypeAhead typeAhead) override;
    void PlayWave(const std::string& path, SoundMode mode) override;
    std::int64_t CurrentDateTime() override;
    double TimeOfDay() override;
    double MonotonicSeconds() override;
    void WaitForEvents(double maxSeconds) override;
    using SystemPort::ReadFile;
    std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) override;
    bool FileExists(const std::string& path) override;
    bool AnythingAt(const std::string& path) override;
    SaveOutcome ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
    char PathSeparator() override { return '\\'; }
    std::string ProgramFolder() override;
    // The system directory: both games' word lists are installed there.
    std::string WordListFolder() override;
    // Cues, help and saved files all live beside the program on Windows.
    std::string DataFolder() override { return ProgramFolder(); }
    std::string SavedFilesFolder() override { return ProgramFolder(); }
    bool StartTextEditor(const std::string& path) override;
    std::string TextEditorName() override { return "NOTEPAD.EXE"; }
    bool OpenHelpText(const std::string& path) override;
    bool OpenWebAddress(const std::string& address) override;

private:
    // Opens a document or a web address with the program the shell associates with it.
    bool OpenWithShell(const std::string& target);

    std::function<void()> deliverPending_;
    HWND owner_ = nullptr;
    // The wave a cue read by the game plays from, kept until the next such cue has replaced it.
    std::shared_ptr<const std::string> wave_;
    LARGE_INTEGER counterFrequency_{};
};

}  // namespace common::win32
