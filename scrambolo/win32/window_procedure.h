// The window procedure of every window of the game: it finds the object that made the window, hands
// it the message, and lets no exception leave.
#pragma once

#include <windows.h>

#include <exception>

#include "scrambolo/win32/message_pump.h"

namespace scrambolo::win32 {

// The object is the creation parameter of CreateWindowExA; it answers messages with
// `LRESULT HandleMessage(HWND, UINT, WPARAM, LPARAM)`.
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
    try {
        return self->HandleMessage(window, message, wParam, lParam);
    } catch (const std::exception& fault) {
        EndAfterFault(fault.what());
    }
}

}  // namespace scrambolo::win32
