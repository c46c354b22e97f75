// Creates the hint window from its twips layout and turns its messages into the Close handler.
#include "scrambolo/win32/hint_window.h"

#include "common/win32/window_procedure.h"
#include "common/win32/window_units.h"
#include "scrambolo/win32/resource_ids.h"
#include "scrambolo/window/window_layout.h"

namespace scrambolo::win32 {
namespace {

constexpr const char* kClassName = "ScramboloHint";

}  // namespace

HintWindow::~HintWindow() {
    Close();
    if (textFont_ != nullptr) {
        DeleteObject(textFont_);
    }
    if (buttonFont_ != nullptr) {
        DeleteObject(buttonFont_);
    }
}

void HintWindow::Create(int dpi) {
    const auto pixels = [dpi](int twips) { return common::win32::TwipsToPixels(twips, dpi); };
    if (!common::win32::RegisterWindowClass<HintWindow>(instance_, kClassName)) {
        return;
    }
    if (textFont_ == nullptr) {
        textFont_ = common::win32::CreatePointFont(kFontFace, kText1FontPoints, dpi);
        buttonFont_ = common::win32::CreatePointFont(kFontFace, kCmdCloseFontPoints, dpi);
    }
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, kHintWindowCaption,
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                              100, 100, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) {
        return;
    }
    common::win32::SetClientSize(window_, pixels(kHintClientWidth), pixels(kHintClientHeight));
    // Screen readers name an edit box after the label just before it; a label of no size gives the
    // hint box its name without changing what the window shows or where the focus goes.
    CreateWindowExA(0, "STATIC", kHintBoxName, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, window_,
                    reinterpret_cast<HMENU>(IDC_HINT_NAME), instance_, nullptr);
    text_ =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", kText1Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                        pixels(kText1.left), pixels(kText1.top), pixels(kText1.width), pixels(kText1.height), window_,
                        reinterpret_cast<HMENU>(IDC_TEXT1), instance_, nullptr);
    HWND close =
        CreateWindowExA(0, "BUTTON", kCmdCloseCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        pixels(kCmdClose.left), pixels(kCmdClose.top), pixels(kCmdClose.width),
                        pixels(kCmdClose.height), window_, reinterpret_cast<HMENU>(IDC_CMD_CLOSE), instance_, nullptr);
    SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_), FALSE);
    SendMessageA(close, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_), FALSE);
    focus_.Remember(text_);
    pump_.SetSecondWindow(window_);
}

void HintWindow::SetText(const std::string& text) {
    if (text_ != nullptr) {
        SetWindowTextA(text_, text.c_str());
    }
}

void HintWindow::Show() {
    if (window_ == nullptr) {
        return;
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    focus_.Remember(text_);
    SetFocus(text_);
}

void HintWindow::Close() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

LRESULT HintWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_CMD_CLOSE && onClose_) {
                onClose_();
            }
            return 0;
        case WM_CLOSE:
            if (onClose_) {
                onClose_();
            }
            return 0;
        case WM_ACTIVATE:
            if (focus_.OnActivate(window, wParam)) {
                return 0;
            }
            break;
        case WM_NCDESTROY:
            window_ = nullptr;
            text_ = nullptr;
            focus_.Forget();
            pump_.SetSecondWindow(nullptr);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace scrambolo::win32
