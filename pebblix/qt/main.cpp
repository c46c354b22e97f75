// The Linux program's entry: the hidden-word game in its Qt window, started and closed by the Qt kit.
#include <string>

#include "common/qt/game_run.h"
#include "pebblix/logic/pebblix_game.h"
#include "pebblix/logic/reports.h"
#include "pebblix/qt/main_window.h"

int main(int argc, char* argv[]) {
    return common::qt::PlayGame<pebblix::qt::MainWindow, pebblix::PebblixGame>(
        argc, argv, "pebblix", [](const std::string&) { return std::string(pebblix::kUnexpectedProblem); });
}
