// The program's entry: the hidden-word game in its Win32 window, started and closed by the Win32 kit.
#include <windows.h>

#include "common/win32/game_run.h"
#include "pebblix/logic/game.h"
#include "pebblix/logic/reports.h"
#include "pebblix/win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return common::win32::PlayGame<pebblix::win32::MainWindow, pebblix::Game>(
        instance, showCommand, &pebblix::FaultMessage,
        "Pebblix could not create its window. The program will now exit.");
}
