// The Linux program's entry: the hidden-word game in its Qt window, started and closed by the Qt kit.
#include "common/qt/game_run.h"
#include "pebblix/logic/game.h"
#include "pebblix/logic/reports.h"
#include "pebblix/qt/main_window.h"

int main(int argc, char* argv[]) {
    return common::qt::PlayGame<pebblix::qt::MainWindow, pebblix::Game>(argc, argv, "pebblix", &pebblix::FaultMessage);
}
