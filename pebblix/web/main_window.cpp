// The main window in the page: places the controls in twips, turns page events into handler calls,
// and carries out what the handlers ask. No rule of the game lives here.
#include "pebblix/web/main_window.h"

#include <emscripten.h>

#include <cstdlib>

#include "pebblix/logic/reports.h"
#include "pebblix/logic/window_layout.h"

namespace pebblix::web {
namespace {

using common::web::EventKind;

constexpr int kRoundTimer = 2;
// The page's targets and menu items (pebblixPage.Menu).
constexpr int kCheckIt = 1;
constexpr int kMenuNew = 1;
constexpr int kMenuExit = 2;
constexpr int kMenuSounds = 3;
constexpr int kMenuContents = 4;
constexpr int kMenuVisit = 5;
constexpr int kMenuAbout = 6;

EM_JS(void, lay_out, (int wl, int wt, int ww, int wh, int ll, int lt, int lw, int lh, int gl, int gt, int gw, int gh,
                      int bl, int bt, int bw, int bh, int width, int height), {
    pebblixPage.layout([wl, wt, ww, wh], [ll, lt, lw, lh], [gl, gt, gw, gh], [bl, bt, bw, bh], width, height);
});
EM_JS(void, set_captions, (const char* label, const char* check, const char* wordName), {
    pebblixPage.captions(UTF8ToString(label), UTF8ToString(check), UTF8ToString(wordName));
});
EM_JS(void, set_menu_caption, (int item, const char* caption), {
    pebblixPage.setMenuCaption(item, UTF8ToString(caption));
});
EM_JS(void, show_window, (), { pebblixPage.show(); });
EM_JS(void, set_word_text, (const char* text, int length), {
    pebblixPage.setWordText(gamePort.fromGameBytes(HEAPU8.slice(text, text + length)));
});
EM_JS(void, set_guess_text, (const char* text, int length), {
    pebblixPage.setGuessText(gamePort.fromGameBytes(HEAPU8.slice(text, text + length)));
});
// The guess as the game's 8-bit text, malloc'd, its length written beside it.
EM_JS(char*, guess_text, (int* length), {
    const bytes = gamePort.toGameBytes(pebblixPage.guessText());
    const copy = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, copy);
    HEAP32[length >> 2] = bytes.length;
    return copy;
});
EM_JS(void, focus_word, (), { pebblixPage.focusWord(); });
EM_JS(void, focus_guess, (), { pebblixPage.focusGuess(); });
EM_JS(void, select_all_guess, (), { pebblixPage.selectAllGuess(); });
EM_JS(void, set_timer, (int id, int enabled, int interval), { gamePort.setTimer(id, enabled !== 0, interval); });
EM_JS(void, set_sounds_checked, (int checked), { pebblixPage.setSoundsChecked(checked !== 0); });
EM_JS(void, close_window, (), { pebblixPage.close(); });

}  // namespace

MainWindow::MainWindow(common::web::WebSystem& system) : system_(system) {
    lay_out(kTxtWord.left, kTxtWord.top, kTxtWord.width, kTxtWord.height, kLblWord.left, kLblWord.top, kLblWord.width,
            kLblWord.height, kTxtGuess.left, kTxtGuess.top, kTxtGuess.width, kTxtGuess.height, kCmdEnter.left,
            kCmdEnter.top, kCmdEnter.width, kCmdEnter.height, kClientWidth, kClientHeight);
    set_captions(kWordLabel, kCheckCaption, kWordBoxName);
    set_menu_caption(kMenuVisit, VisitMenuCaption().c_str());
}

bool MainWindow::LoadAndShow(PebblixGame& game) {
    game_ = &game;
    Run([this] { game_->Form_Load(); });
    if (closing_) {
        return false;
    }
    show_window();
    return true;
}

template <typename Handler>
void MainWindow::Run(Handler handler) {
    try {
        handler();
    } catch (...) {
        system_.ShowMessage(kUnexpectedProblem, kErrorTitle, common::MessageButtons::Ok);
        EndProgram();
    }
}

void MainWindow::Dispatch(const common::web::PageEvent& event) {
    if (game_ == nullptr || closing_) {
        return;
    }
    switch (event.kind) {
        case EventKind::Timer:
            if (event.target == kRoundTimer) {
                Run([this] { game_->tmrWord_Timer(); });
            }
            break;
        case EventKind::Click:
            if (event.target == kCheckIt) {
                Run([this] { game_->cmdEnter_Click(); });
            }
            break;
        case EventKind::Menu:
            DispatchMenu(event.target);
            break;
        case EventKind::Close:
            Close(true);
            break;
        default:
            break;
    }
}

void MainWindow::DispatchMenu(int item) {
    switch (item) {
        case kMenuNew:
            Run([this] { game_->mnuFileNew_Click(); });
            break;
        case kMenuExit:
            Run([this] { game_->mnuFileExit_Click(); });
            break;
        case kMenuSounds:
            Run([this] { game_->mnuOptionsSounds_Click(); });
            break;
        case kMenuContents:
            Run([this] { game_->mnuHelpContents_Click(); });
            break;
        case kMenuVisit:
            Run([this] { game_->mnuHelpVisit_Click(); });
            break;
        case kMenuAbout:
            Run([this] { game_->mnuHelpAbout_Click(); });
            break;
        default:
            break;
    }
}

void MainWindow::SetWordText(const std::string& text) { set_word_text(text.data(), static_cast<int>(text.size())); }

std::string MainWindow::GuessText() {
    int length = 0;
    char* bytes = guess_text(&length);
    std::string guess(bytes, static_cast<std::size_t>(length));
    std::free(bytes);
    return guess;
}

void MainWindow::SetGuessText(const std::string& text) {
    set_guess_text(text.data(), static_cast<int>(text.size()));
}

void MainWindow::FocusWord() { focus_word(); }

void MainWindow::FocusGuess() { focus_guess(); }

void MainWindow::SelectAllGuess() { select_all_guess(); }

void MainWindow::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    ApplyTimer();
}

void MainWindow::SetTimerInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    ApplyTimer();
}

void MainWindow::ApplyTimer() {
    const bool running = timerEnabled_ && timerInterval_ > 0 && !closing_;
    set_timer(kRoundTimer, running ? 1 : 0, timerInterval_);
}

void MainWindow::SetSoundsChecked(bool checked) { set_sounds_checked(checked ? 1 : 0); }

void MainWindow::Close(bool runUnloadHandler) {
    if (closing_) {
        return;
    }
    closing_ = true;
    // No game over may start while the unload handler is busy, say with a message box.
    ApplyTimer();
    if (runUnloadHandler && game_ != nullptr) {
        try {
            game_->Form_Unload();
        } catch (...) {
            // The program is ending anyway; the options file is replaced whole or not at all.
        }
    }
    close_window();
    system_.EndProgram();
}

}  // namespace pebblix::web
