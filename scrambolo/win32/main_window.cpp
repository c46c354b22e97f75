// Builds the main window from its twips layout and passes each message to the matching handler.
#include "scrambolo/win32/main_window.h"

#include "common/win32/menu_bar.h"
#include "common/win32/window_procedure.h"
#include "common/win32/window_units.h"
#include "scrambolo/win32/resource_ids.h"
#include "scrambolo/window/game_commands.h"
#include "scrambolo/window/window_layout.h"

namespace scrambolo::win32 {
namespace {

constexpr const char* kClassName = "ScramboloMain";

std::string TextOf(HWND control) {
    if (control == nullptr) {
        return {};
    }
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), length + 1)));
    return text;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, common::win32::MessagePump& pump)
    : instance_(instance), pump_(pump), hint_(instance, pump) {}

MainWindow::~MainWindow() {
    if (buttonFont_ != nullptr) {
        DeleteObject(buttonFont_);
    }
    if (labelFont_ != nullptr) {
        DeleteObject(labelFont_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
}

bool MainWindow::Create() {
    if (!common::win32::RegisterWindowClass<MainWindow>(instance_, kClassName,
                                                        LoadIconA(instance_, MAKEINTRESOURCEA(1)))) {
        return false;
    }
    dpi_ = common::win32::ScreenDpi();
    buttonFont_ = common::win32::CreatePointFont(kFontFace, kButtonFontPoints, dpi_);
    labelFont_ = common::win32::CreatePointFont(kFontFace, kLblTimeFontPoints, dpi_);

    HMENU menu = common::win32::BuildMenuBar(Commands().Entries());
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, kMainCaption,
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                              100, 100, nullptr, menu, instance_, this);
    if (window_ == nullptr) {
        return false;
    }
    common::win32::SetClientSize(window_, Pixels(kMainClientWidth), Pixels(kMainClientHeight));

    // Tab order is creation order: buttons 0 to 6, then the label, which takes no focus.
    for (int index = 0; index <= 6; ++index) {
        const Layout& place = index == 0 ? kButton0 : kLetterButton;
        buttons_[static_cast<std::size_t>(index)] =
            CreateWindowExA(0, "BUTTON", kButtonCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY,
                            Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height), window_,
                            reinterpret_cast<HMENU>(IDC_BUTTON_ARRAY + index), instance_, nullptr);
        SendMessageA(buttons_[static_cast<std::size_t>(index)], WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_),
                     FALSE);
    }
    clockLabel_ =
        CreateWindowExA(0, "STATIC", kLblTimeCaption, WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX,
                        Pixels(kLblTime.left), Pixels(kLblTime.top), Pixels(kLblTime.width), Pixels(kLblTime.height),
                        window_, reinterpret_cast<HMENU>(IDC_LBL_TIME), instance_, nullptr);
    SendMessageA(clockLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);

    hint_.SetCloseHandler([this] {
        if (game_ != nullptr) {
            game_->cmdClose_Click();
        }
    });
    accelerators_ = common::win32::BuildAccelerators(Commands().Entries());
    pump_.SetMainWindow(window_, accelerators_);
    return true;
}

void MainWindow::SetGame(Game* game) {
    game_ = game;
    pump_.SetKeyPreview([game](int keyCode, int shift) { game->Form_KeyDown(keyCode, shift); });
}

int MainWindow::Pixels(int twips) const { return common::win32::TwipsToPixels(twips, dpi_); }

int MainWindow::LetterButtonIndex(HWND control) const {
    for (int index = 1; index <= 6; ++index) {
        if (control != nullptr && buttons_[static_cast<std::size_t>(index)] == control) {
            return index;
        }
    }
    return -1;
}

void MainWindow::SetButtonCaption(int index, const std::string& caption) {
    SetWindowTextA(buttons_.at(static_cast<std::size_t>(index)), caption.c_str());
}

void MainWindow::SetButtonShown(int index, bool shown) {
    ShowWindow(buttons_.at(static_cast<std::size_t>(index)), shown ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::FocusButton(int index) {
    HWND button = buttons_.at(static_cast<std::size_t>(index));
    if (button != nullptr && GetFocus() != button) {
        SetFocus(button);
    }
}

std::string MainWindow::ButtonCaption(int index) { return TextOf(buttons_.at(static_cast<std::size_t>(index))); }

void MainWindow::PlaceButton(int index, int left, int top, int width) {
    HWND button = buttons_.at(static_cast<std::size_t>(index));
    RECT bounds{};
    GetWindowRect(button, &bounds);
    SetWindowPos(button, nullptr, Pixels(left), Pixels(top), Pixels(width), bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetOuterWidth(int width) {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    SetWindowPos(window_, nullptr, 0, 0, Pixels(width), bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::PlaceClockLabel(int left, int top) {
    SetWindowPos(clockLabel_, nullptr, Pixels(left), Pixels(top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ShowMainWindow() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

void MainWindow::SetClockText(const std::string& text) {
    SetWindowTextA(clockLabel_, text.c_str());
    UpdateWindow(clockLabel_);
}

std::string MainWindow::ClockText() { return TextOf(clockLabel_); }

void MainWindow::SetWindowCaption(const std::string& text) {
    if (window_ != nullptr) {
        SetWindowTextA(window_, text.c_str());
    }
}

void MainWindow::StartTimer(int milliseconds) {
    if (window_ != nullptr && !run_.Closing()) {
        SetTimer(window_, IDT_TIMER1, static_cast<UINT>(milliseconds), nullptr);
    }
}

void MainWindow::StopTimer() {
    if (window_ != nullptr) {
        KillTimer(window_, IDT_TIMER1);
    }
}

void MainWindow::SetMenuCheck(int item, bool checked) { common::win32::SetMenuCheck(window_, item, checked); }

bool MainWindow::HintWindowExists() { return hint_.Exists(); }

void MainWindow::CreateHintWindow() { hint_.Create(dpi_); }

void MainWindow::SetHintText(const std::string& text) { hint_.SetText(text); }

void MainWindow::ShowHintWindow() { hint_.Show(); }

void MainWindow::CloseHintWindow() { hint_.Close(); }

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; run_.HandleCloseMessage(message, wParam, result)) {
        return result;
    }
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case DM_GETDEFID: {
            // Enter on a letter button presses that button; elsewhere Enter does nothing.
            const int index = LetterButtonIndex(GetFocus());
            return index < 0 ? 0 : MAKELRESULT(IDC_BUTTON_ARRAY + index, DC_HASDEFID);
        }
        case WM_NEXTDLGCTL:
            common::win32::MoveDialogFocus(window, wParam, lParam);
            return 0;
        case WM_TIMER:
            if (wParam == IDT_TIMER1 && game_ != nullptr) {
                game_->Timer1_Timer();
            }
            return 0;
        case WM_ACTIVATE:
            if (focus_.OnActivate(window, wParam)) {
                return 0;
            }
            break;
        case WM_DESTROY:
            KillTimer(window, IDT_TIMER1);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            buttons_.fill(nullptr);
            clockLabel_ = nullptr;
            focus_.Forget();
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
    if (game_ == nullptr) {
        return;
    }
    if (id >= IDC_BUTTON_ARRAY + 1 && id <= IDC_BUTTON_ARRAY + 6) {
        const int index = id - IDC_BUTTON_ARRAY;
        // A quick second click on the same button arrives only as a double-click (the buttons
        // notify, for their focus events); it is a press all the same.
        if (code == BN_CLICKED || code == BN_DBLCLK) {
            game_->ButtonArray_Click(index);
        } else if (code == BN_SETFOCUS && !focus_.Restoring()) {
            game_->ButtonArray_GotFocus(index);
        }
        return;
    }
    if (id == IDC_LBL_TIME) {
        if (code == STN_DBLCLK) {
            game_->lblTime_DblClick();
        }
        return;
    }
    // IDOK and IDCANCEL from Enter and Esc are no command: there is no default or cancel button here.
    Commands().Run(*game_, id);
}

}  // namespace scrambolo::win32
