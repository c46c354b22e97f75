// Starts the anagram game on Windows: its windows, started and closed by the Win32 kit.
#include <windows.h>

#include "common/win32/game_run.h"
#include "scrambolo/win32/main_window.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_texts.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return common::win32::PlayGame<scrambolo::win32::MainWindow, scrambolo::Game>(
        instance, showCommand, &scrambolo::FaultMessage,
        "There was an error starting the program, please try again. The program will now exit.");
}
