// The main window in the page: places the controls in twips, turns page events into handler calls,
// and carries out what the handlers ask. No rule of the game lives here.
#include "pebblix/web/main_window.h"

#include <emscripten.h>

#include "common/game_text.h"
#include "common/web/page_menus.h"
#include "common/web/page_text.h"
#include "common/web/page_window.h"
#include "pebblix/logic/game_commands.h"
#include "pebblix/logic/window_layout.h"

namespace pebblix::web {
namespace {

using common::GameTextFromUtf8;
using common::Utf8FromGameText;
using common::web::EventKind;

constexpr int kRoundTimer = 2;
// The target of the page's Check it! button, which the page is told.
constexpr int kCheckIt = 1;

// clang-format off
EM_JS(void, lay_out, (int wl, int wt, int ww, int wh, int ll, int lt, int lw, int lh, int gl, int gt, int gw, int gh,
                      int bl, int bt, int bw, int bh, int width, int height), {
    gamePage.layout([wl, wt, ww, wh], [ll, lt, lw, lh], [gl, gt, gw, gh], [bl, bt, bw, bh], width, height);
});
EM_JS(void, set_captions, (const char* label, const char* check, const char* wordName, int checkTarget), {
    gamePage.captions(UTF8ToString(label), UTF8ToString(check), UTF8ToString(wordName), checkTarget);
});
EM_JS(void, show_window, (), { gamePage.show(); });
// The boxes' texts go to the page and come back as UTF-8: they are the game's 8-bit text, decoded
// and encoded here, once, as every edition does.
EM_JS(void, set_word_text, (const char* text), { gamePage.setWordText(UTF8ToString(text)); });
EM_JS(void, set_guess_text, (const char* text), { gamePage.setGuessText(UTF8ToString(text)); });
EM_JS(char*, guess_text, (), { return gamePort.newText(gamePage.guessText()); });
EM_JS(void, focus_word, (), { gamePage.focusWord(); });
EM_JS(void, focus_guess, (), { gamePage.focusGuess(); });
EM_JS(void, select_all_guess, (), { gamePage.selectAllGuess(); });
// clang-format on

}  // namespace

MainWindow::MainWindow(common::web::WebSystem& system) : system_(system) {
    lay_out(kTxtWord.left, kTxtWord.top, kTxtWord.width, kTxtWord.height, kLblWord.left, kLblWord.top, kLblWord.width,
            kLblWord.height, kTxtGuess.left, kTxtGuess.top, kTxtGuess.width, kTxtGuess.height, kCmdEnter.left,
            kCmdEnter.top, kCmdEnter.width, kCmdEnter.height, kClientWidth, kClientHeight);
    set_captions(Utf8FromGameText(kWordLabel).c_str(), Utf8FromGameText(kCheckCaption).c_str(), kWordBoxName, kCheckIt);
    common::web::BuildPageMenus(Commands().Entries());
}

void MainWindow::ShowForPlay() { show_window(); }

void MainWindow::Dispatch(const common::web::PageEvent& event) {
    switch (event.kind) {
        case EventKind::Timer:
            if (event.target == kRoundTimer) {
                game_->tmrWord_Timer();
            }
            break;
        case EventKind::Click:
            if (event.target == kCheckIt) {
                game_->cmdEnter_Click();
            }
            break;
        case EventKind::Menu:
            Commands().Run(*game_, event.target);
            break;
        default:
            break;
    }
}

void MainWindow::SetWordText(const std::string& text) { set_word_text(Utf8FromGameText(text).c_str()); }

std::string MainWindow::GuessText() { return GameTextFromUtf8(common::web::TakePageText(guess_text())); }

void MainWindow::SetGuessText(const std::string& text) { set_guess_text(Utf8FromGameText(text).c_str()); }

void MainWindow::FocusWord() { focus_word(); }

void MainWindow::FocusGuess() { focus_guess(); }

void MainWindow::SelectAllGuess() { select_all_guess(); }

void MainWindow::StartTimer(int milliseconds) {
    if (!run_.Closing()) {
        common::web::SetPageTimer(kRoundTimer, milliseconds);
    }
}

void MainWindow::StopTimer() { common::web::SetPageTimer(kRoundTimer, 0); }

void MainWindow::SetMenuCheck(int item, bool checked) { common::web::SetMenuCheck(item, checked); }

}  // namespace pebblix::web
