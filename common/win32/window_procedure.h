// The window procedure and class of every plain window of the games: each message goes to the object that made the window, and no exception leaves.
#pragma once

#include <windows.h>

#include "common/win32/fault_exit.h"

namespace common::win32 {

// The object is the creation parameter of CreateWindowExA; it answers messages with
// `LRESULT HandleMessage(HWND, UINT, WPARAM, LPARAM)`. Messages before WM_NCCREATE, and after the
// object has cleared GWLP_USERDATA on its way out, get the default handling.
template <typename Window>
LRESULT CALLBACK RouteToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    RunHandler([&] { result = self->HandleMessage(window, message, wParam, lParam); });
    return result;
}

// Registers a class of plain windows with the dialog face colour and the arrow cursor; true when
// the class is there to use, also when an earlier window registered it.
bool RegisterPlainWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure, HICON icon);

// The same for windows whose messages go to Window's HandleMessage.
template <typename Window>
bool RegisterWindowClass(HINSTANCE instance, const char* className, HICON icon = nullptr) {
    return RegisterPlainWindowClass(instance, className, &RouteToWindow<Window>, icon);
}

}  // namespace common::win32
