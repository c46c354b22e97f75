// The fault box on Windows: the game's report over every window of the game, then the process ends.
#include "common/win32/fault_exit.h"

#include <windows.h>

#include "common/win32/wide_text.h"

namespace common::win32 {

void EndAfterFault(const std::string& what) {
    // Task-modal: no window of the game takes a key or a click while the player reads it.
    MessageBoxW(nullptr, Widen(FaultReportFor(what)).c_str(), L"Error", MB_OK | MB_TASKMODAL);
    ExitProcess(1);
}

}  // namespace common::win32
