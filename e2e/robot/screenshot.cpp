// Screen capture with GDI into a bottom-up 24-bit BMP file.
#include "e2e/robot/screenshot.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "e2e/robot/steps.h"

namespace robot {

void SaveScreenshot(const std::string& path) {
    Step("save a screenshot: " + path);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: rows bottom-up, as every BMP reader expects
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool captured = false;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        captured = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, previous);
    }
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    bool written = false;
    if (captured) {
        BITMAPFILEHEADER header{};
        header.bfType = 0x4D42;  // "BM"
        header.bfOffBits = sizeof header + sizeof info.bmiHeader;
        header.bfSize = header.bfOffBits + imageBytes;
        info.bmiHeader.biSizeImage = imageBytes;
        if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
            written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                      std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
                      std::fwrite(bits, 1, imageBytes, file) == imageBytes;
            written = std::fclose(file) == 0 && written;
        }
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!written) {
        Fail("a screenshot saved as " + path,
             captured ? "the file could not be written" : "the screen could not be read");
    }
}

}  // namespace robot
