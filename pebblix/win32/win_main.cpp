// The program's entry: builds the window, the system and the game, runs start-up and the message loop.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "common/random_source.h"
#include "common/win32/fault_exit.h"
#include "common/win32/message_pump.h"
#include "common/win32/win32_system.h"
#include "pebblix/logic/pebblix_game.h"
#include "pebblix/logic/reports.h"
#include "pebblix/win32/main_window.h"
#include "pebblix/win32/resource_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    common::SetFaultReport([](const std::string&) { return std::string(pebblix::kUnexpectedProblem); });

    common::win32::MessagePump pump;
    pebblix::win32::MainWindow window(instance);
    common::win32::Win32System system([&pump] { pump.DeliverPending(); });
    common::FoldingRandomSource random;
    pebblix::PebblixGame game(window, system, random);

    if (!window.Create(game)) {
        MessageBoxA(nullptr, "Pebblix could not create its window. The program will now exit.", "Error", MB_OK);
        return 1;
    }
    pump.SetMainWindow(window.Handle(), LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS)));
    system.SetOwner(window.Handle());
    window.LoadAndShow(showCommand);
    return pump.Run();
}
