// Starts the anagram game: the windows, the real system, the game, then the message loop.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "common/random_source.h"
#include "common/win32/win32_system.h"
#include "scrambolo/window/game.h"
#include "scrambolo/win32/main_window.h"
#include "scrambolo/win32/message_pump.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace scrambolo;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    win32::MessagePump pump;
    common::win32::Win32System system([&pump] { pump.DeliverPending(); });
    common::FoldingRandomSource random(GetTickCount64());
    win32::MainWindow window(instance, pump);
    if (!window.Create()) {
        MessageBoxA(nullptr, "There was an error starting the program, please try again. The program will now exit.",
                    "Error", MB_OK);
        return 1;
    }
    system.SetOwner(window.Handle());
    Game game(window, system, random);
    window.SetGame(&game);
    pump.SetKeyPreview([&game](int keyCode, int shift) { game.Form_KeyDown(keyCode, shift); });

    try {
        if (!game.Form_Load()) {
            window.DestroyWithoutUnload();
            return 0;
        }
    } catch (const std::exception& fault) {
        win32::EndAfterFault(fault.what());
    }
    return pump.Run();
}
