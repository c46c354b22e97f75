// Starts the anagram game in the browser: its page window, started and closed by the browser kit.
#include "common/web/game_run.h"
#include "scrambolo/web/main_window.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_texts.h"

int main() {
    return common::web::PlayGame<scrambolo::web::MainWindow, scrambolo::Game>("scrambolo", &scrambolo::FaultMessage);
}
