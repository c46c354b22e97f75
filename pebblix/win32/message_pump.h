// The one message pump: the main loop and every wait that lets events through use it.
#pragma once

#include <windows.h>

namespace pebblix::win32 {

// Shortcut keys first, then the dialog keys (Tab, Enter, Esc, access keys), then the usual
// translate and dispatch.
void DeliverMessage(MSG& message, HWND mainWindow, HACCEL accelerators);

// Delivers every message already waiting and returns; a quit request is left in the queue.
void DeliverPending(HWND mainWindow, HACCEL accelerators);

// Runs until the program is asked to quit; returns the exit code.
int RunMessageLoop(HWND mainWindow, HACCEL accelerators);

}  // namespace pebblix::win32
