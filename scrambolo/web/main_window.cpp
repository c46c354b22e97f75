// Passes each page event to the matching handler and carries out the handlers' requests on the page.
#include "scrambolo/web/main_window.h"

#include <emscripten.h>

#include "common/game_text.h"
#include "common/web/page_menus.h"
#include "common/web/page_window.h"
#include "scrambolo/window/game_commands.h"
#include "scrambolo/window/window_layout.h"

namespace scrambolo::web {
namespace {

using common::Utf8FromGameText;
using common::web::EventKind;

constexpr int kTimer = 1;
// The targets of the page's clicks beside the letter buttons 1 to 6, which the page is told.
constexpr int kClockLabel = 10;
constexpr int kHintClose = 20;

// clang-format off
// Every text goes to the page as UTF-8: captions, the clock and the hint are the game's 8-bit
// text, decoded once here.
EM_JS(void, lay_out, (int b0l, int b0t, int b0w, int b0h, int bw, int bh, int cl, int ct, int cw, int ch,
                      int width, int height, const char* button, const char* clock, int clockTarget,
                      int hintCloseTarget), {
    gamePage.layout([b0l, b0t, b0w, b0h], [bw, bh], [cl, ct, cw, ch], width, height, UTF8ToString(button),
                         UTF8ToString(clock), { ClockLabel: clockTarget, HintClose: hintCloseTarget });
});
EM_JS(void, caption_hint_window, (const char* caption, const char* boxName, const char* text, const char* close), {
    gamePage.hintCaptions(UTF8ToString(caption), UTF8ToString(boxName), UTF8ToString(text),
                               UTF8ToString(close));
});
EM_JS(void, set_button_caption, (int index, const char* text), {
    gamePage.setButtonCaption(index, UTF8ToString(text));
});
EM_JS(void, set_button_shown, (int index, int shown), { gamePage.setButtonShown(index, shown !== 0); });
EM_JS(void, focus_button, (int index), { gamePage.focusButton(index); });
EM_JS(void, place_button, (int index, int left, int top, int width), {
    gamePage.placeButton(index, left, top, width);
});
EM_JS(void, set_outer_width, (int width), { gamePage.setOuterWidth(width); });
EM_JS(void, place_clock_label, (int left, int top), { gamePage.placeClockLabel(left, top); });
EM_JS(void, show_main_window, (), { gamePage.showMainWindow(); });
EM_JS(void, set_clock_text, (const char* text), { gamePage.setClockText(UTF8ToString(text)); });
EM_JS(void, set_window_caption, (const char* text), { gamePage.setWindowCaption(UTF8ToString(text)); });
EM_JS(void, create_hint_window, (), { gamePage.createHintWindow(); });
EM_JS(void, set_hint_text, (const char* text), { gamePage.setHintText(UTF8ToString(text)); });
EM_JS(void, show_hint_window, (), { gamePage.showHintWindow(); });
EM_JS(void, close_hint_window, (), { gamePage.closeHintWindow(); });
// clang-format on

}  // namespace

MainWindow::MainWindow(common::web::WebSystem& system) : system_(system) {
    captions_.fill(kButtonCaption);
    clockText_ = kLblTimeCaption;
    lay_out(kButton0.left, kButton0.top, kButton0.width, kButton0.height, kLetterButton.width, kLetterButton.height,
            kLblTime.left, kLblTime.top, kLblTime.width, kLblTime.height, kMainClientWidth, kMainClientHeight,
            Utf8FromGameText(kButtonCaption).c_str(), Utf8FromGameText(kLblTimeCaption).c_str(), kClockLabel,
            kHintClose);
    caption_hint_window(Utf8FromGameText(kHintWindowCaption).c_str(), kHintBoxName,
                        Utf8FromGameText(kText1Caption).c_str(), Utf8FromGameText(kCmdCloseCaption).c_str());
    common::web::BuildPageMenus(Commands().Entries());
}

void MainWindow::Dispatch(const common::web::PageEvent& event) {
    switch (event.kind) {
        case EventKind::Timer:
            game_->Timer1_Timer();
            break;
        case EventKind::Click:
            if (event.target >= 1 && event.target <= 6) {
                game_->ButtonArray_Click(event.target);
            } else if (event.target == kHintClose) {
                game_->cmdClose_Click();
            }
            break;
        case EventKind::DoubleClick:
            if (event.target == kClockLabel) {
                game_->lblTime_DblClick();
            }
            break;
        case EventKind::Focus:
            game_->ButtonArray_GotFocus(event.target);
            break;
        case EventKind::Key:
            game_->Form_KeyDown(event.code, event.shift);
            break;
        case EventKind::Menu:
            Commands().Run(*game_, event.target);
            break;
        default:
            break;
    }
}

void MainWindow::SetButtonCaption(int index, const std::string& caption) {
    captions_.at(static_cast<std::size_t>(index)) = caption;
    set_button_caption(index, Utf8FromGameText(caption).c_str());
}

void MainWindow::SetButtonShown(int index, bool shown) { set_button_shown(index, shown ? 1 : 0); }

void MainWindow::FocusButton(int index) { focus_button(index); }

std::string MainWindow::ButtonCaption(int index) { return captions_.at(static_cast<std::size_t>(index)); }

void MainWindow::PlaceButton(int index, int left, int top, int width) { place_button(index, left, top, width); }

void MainWindow::SetOuterWidth(int width) { set_outer_width(width); }

void MainWindow::PlaceClockLabel(int left, int top) { place_clock_label(left, top); }

void MainWindow::ShowMainWindow() { show_main_window(); }

void MainWindow::SetClockText(const std::string& text) {
    clockText_ = text;
    set_clock_text(Utf8FromGameText(text).c_str());
}

void MainWindow::SetWindowCaption(const std::string& text) { set_window_caption(Utf8FromGameText(text).c_str()); }

void MainWindow::StartTimer(int milliseconds) {
    if (!run_.Closing()) {
        common::web::SetPageTimer(kTimer, milliseconds);
    }
}

void MainWindow::StopTimer() { common::web::SetPageTimer(kTimer, 0); }

void MainWindow::SetMenuCheck(int item, bool checked) { common::web::SetMenuCheck(item, checked); }

void MainWindow::CreateHintWindow() {
    hintWindowExists_ = true;
    create_hint_window();
}

void MainWindow::SetHintText(const std::string& text) {
    if (hintWindowExists_) {
        set_hint_text(Utf8FromGameText(text).c_str());
    }
}

void MainWindow::ShowHintWindow() {
    if (hintWindowExists_) {
        show_hint_window();
    }
}

void MainWindow::CloseHintWindow() {
    if (hintWindowExists_) {
        hintWindowExists_ = false;
        close_hint_window();
    }
}

}  // namespace scrambolo::web
