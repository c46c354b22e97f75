// Starts the anagram game on Linux: its Qt windows, started and closed by the Qt kit.
#include "common/qt/game_run.h"
#include "scrambolo/qt/main_window.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_texts.h"

int main(int argc, char** argv) {
    return common::qt::PlayGame<scrambolo::qt::MainWindow, scrambolo::Game>(argc, argv, "scrambolo",
                                                                            &scrambolo::FaultMessage);
}
