// The one message pump of a game: its main loop and every wait inside a handler that lets events through.
#pragma once

#include <windows.h>

#include <functional>

namespace common::win32 {

// Shortcut keys first, then the key preview, then the dialog keys (Tab, Enter, Esc, access keys),
// then the usual translate and dispatch, the same in the main loop and inside a pause.
class MessagePump {
public:
    // Accelerators, key preview and dialog keys apply to the main window and its controls.
    void SetMainWindow(HWND main, HACCEL accelerators) {
        main_ = main;
        accelerators_ = accelerators;
    }
    // A second window of the game whose dialog keys work too (the hint window); null for none.
    void SetSecondWindow(HWND second) { second_ = second; }
    // Receives every key-down meant for the main window before its focused control does; a game
    // without key preview sets none.
    void SetKeyPreview(std::function<void(int keyCode, int shift)> preview) { keyPreview_ = std::move(preview); }

    // Delivers every message waiting and returns; a quit message is left for the main loop.
    void DeliverPending();
    // The main loop, until the quit message; returns its exit code.
    int Run();

private:
    void Process(MSG& message);
    static bool Within(HWND window, HWND target);

    HWND main_ = nullptr;
    HWND second_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::function<void(int, int)> keyPreview_;
};

}  // namespace common::win32
