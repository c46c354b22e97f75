// The main window: creates the controls in twips, turns messages into handler calls, and carries
// out what the handlers ask. No rule of the game lives here.
#include "pebblix/win32/main_window.h"

#include "common/win32/menu_bar.h"
#include "common/win32/window_procedure.h"
#include "common/win32/window_units.h"
#include "pebblix/logic/game_commands.h"
#include "pebblix/logic/reports.h"
#include "pebblix/logic/window_layout.h"
#include "pebblix/win32/resource_ids.h"

namespace pebblix::win32 {
namespace {

constexpr const char* kWindowClass = "PebblixMainWindow";

}  // namespace

MainWindow::~MainWindow() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
}

bool MainWindow::Create() {
    if (!common::win32::RegisterWindowClass<MainWindow>(instance_, kWindowClass,
                                                        LoadIconA(instance_, MAKEINTRESOURCEA(1)))) {
        return false;
    }
    HMENU menu = common::win32::BuildMenuBar(Commands().Entries());
    // A fixed frame: the layout never changes size.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kWindowClass, kTitle, style, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance_, this);
    if (window_ == nullptr) {
        return false;
    }
    CreateControls();
    accelerators_ = common::win32::BuildAccelerators(Commands().Entries());
    pump_.SetMainWindow(window_, accelerators_);
    return true;
}

void MainWindow::CreateControls() {
    const int dpi = common::win32::ScreenDpi();
    const auto pixels = [dpi](int twips) { return common::win32::TwipsToPixels(twips, dpi); };
    common::win32::SetClientSize(window_, pixels(kClientWidth), pixels(kClientHeight));
    font_ = common::win32::CreatePointFont(kFontFace, kFontPoints, dpi);

    const auto make = [&](DWORD extendedStyle, const char* windowClass, const char* text, DWORD style,
                          const Layout& layout, int id) {
        HWND control =
            CreateWindowExA(extendedStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, pixels(layout.left),
                            pixels(layout.top), pixels(layout.width), pixels(layout.height), window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return control;
    };
    // Creation order is the tab order: the label comes right before txtGuess, so its access key
    // lands there although the label stands beside txtWord. The label overlaps txtWord a little;
    // clipping keeps each painting its own part.
    // Screen readers name an edit box after the label just before it, which leaves txtWord with
    // none; a label of no size, without an access key, gives it its name and changes nothing else.
    constexpr Layout kNoSize{0, 0, 0, 0};
    wordName_ = make(0, "STATIC", kWordBoxName, SS_LEFT | SS_NOPREFIX, kNoSize, IDC_LBL_WORD_NAME);
    txtWord_ = make(WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | ES_READONLY, kTxtWord,
                    IDC_TXT_WORD);
    lblWord_ = make(0, "STATIC", kWordLabel, WS_CLIPSIBLINGS | SS_LEFT, kLblWord, IDC_LBL_WORD);
    txtGuess_ = make(WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, kTxtGuess, IDC_TXT_GUESS);
    cmdEnter_ = make(0, "BUTTON", kCheckCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, kCmdEnter, IDC_CMD_ENTER);

    // Pin the z-order, which the dialog keys walk, to the tab order whatever the defaults are.
    SetWindowPos(wordName_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(txtWord_, wordName_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(lblWord_, txtWord_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(txtGuess_, lblWord_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(cmdEnter_, txtGuess_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::ShowForPlay(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    SetFocus(txtWord_);
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; run_.HandleCloseMessage(message, wParam, result)) {
        return result;
    }
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == IDT_TMR_WORD) {
                game_->tmrWord_Timer();
            }
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(IDC_CMD_ENTER, DC_HASDEFID);
        case WM_NEXTDLGCTL:
            // Alt+W: the label's access key leads to txtGuess this way.
            common::win32::MoveDialogFocus(window, wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            if (focus_.OnActivate(window, wParam)) {
                return 0;
            }
            break;
        case WM_SETFOCUS:
            SetFocus(focus_.Saved() != nullptr ? focus_.Saved() : txtWord_);
            return 0;
        case WM_DESTROY:
            KillTimer(window, IDT_TMR_WORD);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            focus_.Forget();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int notification) {
    if (id == IDC_CMD_ENTER) {
        if (notification == BN_CLICKED) {
            game_->cmdEnter_Click();
        }
        return;
    }
    // IDCANCEL from Esc is no command: the window has no cancel button, so Esc does nothing.
    Commands().Run(*game_, id);
}

void MainWindow::SetWordText(const std::string& text) { SetWindowTextA(txtWord_, text.c_str()); }

std::string MainWindow::GuessText() {
    const int length = GetWindowTextLengthA(txtGuess_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(txtGuess_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void MainWindow::SetGuessText(const std::string& text) { SetWindowTextA(txtGuess_, text.c_str()); }

void MainWindow::FocusWord() { SetFocus(txtWord_); }

void MainWindow::FocusGuess() { SetFocus(txtGuess_); }

void MainWindow::SelectAllGuess() { SendMessageA(txtGuess_, EM_SETSEL, 0, GetWindowTextLengthA(txtGuess_)); }

// SetTimer on a running timer starts its countdown afresh. Once the window is closing, no round
// starts again.
void MainWindow::StartTimer(int milliseconds) {
    if (window_ != nullptr && !run_.Closing()) {
        SetTimer(window_, IDT_TMR_WORD, static_cast<UINT>(milliseconds), nullptr);
    }
}

void MainWindow::StopTimer() {
    if (window_ != nullptr) {
        KillTimer(window_, IDT_TMR_WORD);
    }
}

void MainWindow::SetMenuCheck(int item, bool checked) { common::win32::SetMenuCheck(window_, item, checked); }

}  // namespace pebblix::win32
