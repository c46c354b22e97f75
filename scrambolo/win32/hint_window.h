// The "Cheat" hint window: a text box showing the pattern and a Close button that Esc also presses.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/win32/message_pump.h"
#include "common/win32/plain_window.h"

namespace scrambolo::win32 {

class HintWindow {
public:
    HintWindow(HINSTANCE instance, common::win32::MessagePump& pump) : instance_(instance), pump_(pump) {}
    ~HintWindow();

    // What a press of Close (or Esc, or the close box) does: the game decides, and closes us.
    void SetCloseHandler(std::function<void()> onClose) { onClose_ = std::move(onClose); }

    bool Exists() const { return window_ != nullptr; }
    void Create(int dpi);
    void SetText(const std::string& text);
    // Shows the window, brings it to the front and puts the focus in the text.
    void Show();
    void Close();

    // Answers one message of the window (through RouteToWindow).
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    HINSTANCE instance_;
    common::win32::MessagePump& pump_;
    std::function<void()> onClose_;
    HWND window_ = nullptr;
    HWND text_ = nullptr;
    common::win32::FocusMemory focus_;
    HFONT textFont_ = nullptr;
    HFONT buttonFont_ = nullptr;
};

}  // namespace scrambolo::win32
