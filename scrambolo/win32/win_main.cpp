// Starts the anagram game: the windows, the real system, the game, then the message loop.
#include <windows.h>
#include <commctrl.h>

#include "common/random_source.h"
#include "common/win32/fault_exit.h"
#include "common/win32/message_pump.h"
#include "common/win32/win32_system.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_texts.h"
#include "scrambolo/win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace scrambolo;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    common::SetFaultReport(&FaultMessage);

    common::win32::MessagePump pump;
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

    bool started = false;
    common::win32::RunHandler([&] { started = game.Form_Load(); });
    if (!started) {
        window.DestroyWithoutUnload();
        return 0;
    }
    return pump.Run();
}
