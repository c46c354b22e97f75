// Conversions from the layout's twips and points to the pixels Windows works in.
#include "common/win32/window_units.h"

#include <cmath>

namespace common::win32 {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

HFONT CreatePointFont(const char* face, double points, int dpi) {
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

void SetClientSize(HWND window, int width, int height) {
    RECT frame{0, 0, width, height};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    AdjustWindowRectEx(&frame, style, GetMenu(window) != nullptr, extendedStyle);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace common::win32
