// Twips and point sizes turned into pixels at the screen's real DPI, and fonts made from them.
#pragma once

#include <windows.h>

namespace common::win32 {

// The screen's dots per inch (96 at 100 % scaling).
int ScreenDpi();

// pixels = twips x DPI / 1440, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// A regular-weight Western font of the given face and point size at the given DPI.
HFONT CreatePointFont(const char* face, double points, int dpi);

// Sets a window's client area to the given size in pixels, keeping its frame and menu around it.
void SetClientSize(HWND window, int width, int height);

}  // namespace common::win32
