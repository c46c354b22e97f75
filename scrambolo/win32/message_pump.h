// The one message pump of the anagram program: main loop and every wait that lets events through.
#pragma once

#include <windows.h>

#include <functional>

namespace scrambolo::win32 {

class MessagePump {
public:
    // Accelerators and key preview apply to the main window and its controls.
    void SetMainWindow(HWND main, HACCEL accelerators) {
        main_ = main;
        accelerators_ = accelerators;
    }
    void SetHintWindow(HWND hint) { hint_ = hint; }
    // Receives every key-down meant for the main window before its focused control does.
    void SetKeyPreview(std::function<void(int keyCode, int shift)> preview) { keyPreview_ = std::move(preview); }

    // Delivers every message waiting and returns; a quit message is left for the main loop.
    void DeliverPending();
    // The main loop, until the quit message; returns its exit code.
    int Run();

private:
    void Process(MSG& message);
    bool Within(HWND window, HWND target) const;

    HWND main_ = nullptr;
    HWND hint_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::function<void(int, int)> keyPreview_;
};

// Tells the player that something went wrong that the game cannot recover from, and ends it.
// The saved files are replaced whole or not at all, so none is left half written.
[[noreturn]] void EndAfterFault(const char* what);

}  // namespace scrambolo::win32
