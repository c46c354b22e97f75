// Carries out the game logic's requests with the Win32 API; no rules of play live here.
#include "common/win32/win32_system.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <memory>
#include <optional>
#include <utility>

#include "common/text_file.h"
#include "common/win32/type_ahead_guard.h"
#include "common/win32/wide_text.h"

namespace common::win32 {

Win32System::Win32System(std::function<void()> deliverPending) : deliverPending_(std::move(deliverPending)) {
    QueryPerformanceFrequency(&counterFrequency_);
}

MessageAnswer Win32System::ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons,
                                       TypeAhead typeAhead) {
    std::optional<TypeAheadGuard> keysForTheWord;
    if (typeAhead == TypeAhead::Dropped) {
        keysForTheWord.emplace(kTypeAheadDropSeconds);
    }
    const UINT style = buttons == MessageButtons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
    const int answer = MessageBoxW(owner_, Widen(prompt).c_str(), Widen(title).c_str(), style);
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return answer == IDNO ? MessageAnswer::No : MessageAnswer::Yes;
}

Win32System::~Win32System() {
    // An asynchronous cue may still be playing from memory that goes with this object.
    if (wave_ != nullptr) {
        sndPlaySoundW(nullptr, 0);
    }
}

void Win32System::PlayWave(const std::string& path, SoundMode mode) {
    const UINT flags = mode == SoundMode::Async ? SND_ASYNC : SND_SYNC;
    const std::wstring name = Widen(path);
    if (!PlayableByName(name)) {
        if (std::optional<std::string> bytes = ReadWholeFile(path)) {
            auto wave = std::make_shared<const std::string>(std::move(*bytes));
            sndPlaySoundW(reinterpret_cast<LPCWSTR>(wave->data()), flags | SND_MEMORY);
            // The call has stopped the cue before, so the memory that one played from can go.
            wave_ = std::move(wave);
            return;
        }
    }
    // A file that cannot be read goes by its name all the same, so the default sound plays as it would.
    sndPlaySoundW(name.c_str(), flags);
}

bool PlayableByName(const std::wstring& path) {
    if (path.size() >= 128) {
        return false;
    }
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), static_cast<int>(path.size()), nullptr, 0, nullptr,
                        &lost);
    return lost == FALSE;
}

std::int64_t Win32System::CurrentDateTime() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    FILETIME asFileTime;
    SystemTimeToFileTime(&local, &asFileTime);
    ULARGE_INTEGER ticks;
    ticks.LowPart = asFileTime.dwLowDateTime;
    ticks.HighPart = asFileTime.dwHighDateTime;
    return static_cast<std::int64_t>(ticks.QuadPart / 10'000'000ULL);
}

double Win32System::TimeOfDay() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return local.wHour * 3600.0 + local.wMinute * 60.0 + local.wSecond + local.wMilliseconds / 1000.0;
}

double Win32System::MonotonicSeconds() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(counterFrequency_.QuadPart);
}

void Win32System::WaitForEvents(double maxSeconds) {
    const DWORD milliseconds = maxSeconds <= 0 ? 0 : static_cast<DWORD>(maxSeconds * 1000.0 + 0.5);
    MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    deliverPending_();
}

std::optional<std::string> Win32System::ReadFile(const std::string& path, std::size_t maxBytes) {
    return ReadWholeFile(path, maxBytes);
}

bool Win32System::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool Win32System::AnythingAt(const std::string& path) {
    return GetFileAttributesW(FilePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

SaveOutcome Win32System::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    // Writing over a hidden or system file fails on Windows; a rename would silently succeed, so
    // refuse it here and keep what that file holds.
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) {
        return SaveOutcome::Failed;
    }
    return common::ReplaceWholeFile(path, bytes);
}

std::string Win32System::ProgramFolder() {
    // The path of a program installed deep in a user's folders can pass 260 characters.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size() &&
           path.size() < 32768) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::string() : Narrow(std::wstring_view(path).substr(0, slash));
}

std::string Win32System::WordListFolder() {
    wchar_t buffer[255];
    const UINT length = GetSystemDirectoryW(buffer, 255);
    return length < 255 ? Narrow(std::wstring_view(buffer, length)) : std::string();
}

std::string TextEditorCommandLine(const std::string& path) { return "NOTEPAD.EXE " + path; }

bool Win32System::StartTextEditor(const std::string& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::wstring writable = Widen(TextEditorCommandLine(path));
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool Win32System::OpenHelpText(const std::string& path) { return OpenWithShell(path); }

bool Win32System::OpenWebAddress(const std::string& address) { return OpenWithShell(address); }

bool Win32System::OpenWithShell(const std::string& target) {
    // The shell's open verb on the document or address, as a double-click or the start command.
    const HINSTANCE result = ShellExecuteW(owner_, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace common::win32
