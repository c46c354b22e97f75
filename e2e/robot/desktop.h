// Reads the desktop the way a screen reader does: captions, control texts, the focus, accessible names, message boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace robot {

// One child control as a screen reader would find it.
struct Control {
    HWND hwnd = nullptr;
    std::string className;
    std::string text;
    int id = 0;
    bool visible = false;
    RECT rect{};  // in screen coordinates
};

// A message box: a dialog window without a menu holding the static text control 0xFFFF.
struct MessageBoxView {
    HWND hwnd = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;  // captions of the visible buttons, left to right
    std::vector<int> buttonIds;
};

std::string WindowText(HWND hwnd);
std::string ClassOf(HWND hwnd);
bool IsMessageBox(HWND hwnd);

// Visible top-level windows of other processes, in z-order.
std::vector<HWND> VisibleTopLevelWindows();

// Every child control of a window, visible or not, in creation order.
std::vector<Control> ChildControls(HWND window);
Control DescribeControl(HWND hwnd);

// The control that has the keyboard focus in the foreground window's thread, or null.
HWND FocusedControl();

// The name a screen reader speaks for a control (oleacc); empty when it has none.
std::string AccessibleName(HWND hwnd);

MessageBoxView ReadMessageBox(HWND hwnd);

// Text in one line, with control characters written out, for reports.
std::string Quote(const std::string& text);

// Everything the robot can see right now, for a failure report.
std::string DescribeDesktop();

}  // namespace robot
