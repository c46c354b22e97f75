// The fault box: one plain "Error" message over every window of the game, then the process ends.
#include "common/win32/fault_exit.h"

#include <windows.h>

#include "common/win32/wide_text.h"

namespace common::win32 {
namespace {

FaultReport& Report() {
    static FaultReport report;
    return report;
}

}  // namespace

void SetFaultReport(FaultReport report) { Report() = std::move(report); }

void EndAfterFault(const std::string& what) {
    const std::string text = Report() ? Report()(what) : what;
    // Task-modal: no window of the game takes a key or a click while the player reads it.
    MessageBoxW(nullptr, Widen(text).c_str(), L"Error", MB_OK | MB_TASKMODAL);
    ExitProcess(1);
}

}  // namespace common::win32
