// The browser program's entry: the hidden-word game in its page window, started and closed by the browser kit.
#include "common/web/game_run.h"
#include "pebblix/logic/game.h"
#include "pebblix/logic/reports.h"
#include "pebblix/web/main_window.h"

int main() { return common::web::PlayGame<pebblix::web::MainWindow, pebblix::Game>("pebblix", &pebblix::FaultMessage); }
