// Reads other processes' windows through messages and oleacc only, as assistive software does.
#include "e2e/robot/desktop.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>

#include "common/win32/wide_text.h"

namespace robot {
namespace {

constexpr UINT kReplyMilliseconds = 2000;
constexpr int kMessageBoxTextId = 0xFFFF;

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId() && IsWindowVisible(hwnd)) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
}

}  // namespace

std::string WindowText(HWND hwnd) {
    // Wide, then UTF-8: the narrow message would turn every letter outside the code page into '?'.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyMilliseconds, &length)) {
        return "<no reply>";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kReplyMilliseconds, &copied)) {
        return "<no reply>";
    }
    text.resize(std::min<size_t>(copied, length));
    return common::win32::Narrow(text);
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool IsMessageBox(HWND hwnd) {
    // A game window built from a dialog template may hold a label with id 0xFFFF too, but it has a menu.
    return ClassOf(hwnd) == "#32770" && GetDlgItem(hwnd, kMessageBoxTextId) != nullptr && GetMenu(hwnd) == nullptr;
}

std::vector<HWND> VisibleTopLevelWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&found));
    return found;
}

Control DescribeControl(HWND hwnd) {
    Control control;
    control.hwnd = hwnd;
    control.className = ClassOf(hwnd);
    control.text = WindowText(hwnd);
    control.id = GetDlgCtrlID(hwnd);
    control.visible = IsWindowVisible(hwnd) != FALSE;
    GetWindowRect(hwnd, &control.rect);
    return control;
}

std::vector<Control> ChildControls(HWND window) {
    std::vector<HWND> handles;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&handles));
    std::vector<Control> controls;
    for (HWND hwnd : handles) {
        controls.push_back(DescribeControl(hwnd));
    }
    return controls;
}

HWND FocusedControl() {
    HWND foreground = GetForegroundWindow();
    if (foreground == nullptr) {
        return nullptr;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::string AccessibleName(HWND hwnd) {
    // The interface id is taken from the type itself: MinGW's oleacc import library hands out an
    // import thunk under the name IID_IAccessible, not the id's bytes.
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        return {};
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string result;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        result = common::win32::Narrow(name);
        SysFreeString(name);
    }
    accessible->Release();
    return result;
}

MessageBoxView ReadMessageBox(HWND hwnd) {
    MessageBoxView view;
    view.hwnd = hwnd;
    view.title = WindowText(hwnd);
    view.text = WindowText(GetDlgItem(hwnd, kMessageBoxTextId));
    std::vector<Control> buttons;
    for (const Control& control : ChildControls(hwnd)) {
        if (control.visible && control.className == "Button") {
            buttons.push_back(control);
        }
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const Control& a, const Control& b) { return a.rect.left < b.rect.left; });
    for (const Control& button : buttons) {
        view.buttons.push_back(button.text);
        view.buttonIds.push_back(button.id);
    }
    return view;
}

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '"') {
            quoted += "\\\"";
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string DescribeDesktop() {
    std::string report;
    HWND foreground = GetForegroundWindow();
    report +=
        "foreground window: " + (foreground ? ClassOf(foreground) + " " + Quote(WindowText(foreground)) : "none") +
        "\n";
    HWND focus = FocusedControl();
    if (focus != nullptr) {
        report += "focused control: " + ClassOf(focus) + " id " + std::to_string(GetDlgCtrlID(focus)) + " text " +
                  Quote(WindowText(focus)) + " accessible name " + Quote(AccessibleName(focus)) + "\n";
    } else {
        report += "focused control: none\n";
    }
    report += "visible top-level windows:\n";
    for (HWND window : VisibleTopLevelWindows()) {
        report += "  " + ClassOf(window) + " " + Quote(WindowText(window)) +
                  (window == foreground ? " (foreground)" : "") + "\n";
        for (const Control& control : ChildControls(window)) {
            report += "    " + control.className + " id " + std::to_string(control.id) + " " + Quote(control.text) +
                      (control.visible ? "" : " (hidden)") + (control.hwnd == focus ? " (focus)" : "") + "\n";
        }
    }
    return report;
}

}  // namespace robot
