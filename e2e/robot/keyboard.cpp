// Builds SendInput key events; extended keys are flagged so arrows and Tab reach the window as typed.
#include "e2e/robot/keyboard.h"

#include <cctype>
#include <stdexcept>
#include <vector>

namespace robot {
namespace {

bool IsExtended(WORD key) {
    switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_INSERT:
        case VK_DELETE:
            return true;
        default:
            return false;
    }
}

INPUT KeyEvent(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void Send(std::vector<INPUT>& events) {
    UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (sent != events.size()) {
        throw std::runtime_error("SendInput delivered " + std::to_string(sent) + " of " +
                                 std::to_string(events.size()) + " key events");
    }
    // Give the target's input thread a moment so key order survives between separate calls.
    Sleep(40);
}

}  // namespace

void TapChord(std::initializer_list<WORD> modifiers, WORD virtualKey) {
    std::vector<INPUT> events;
    for (WORD modifier : modifiers) {
        events.push_back(KeyEvent(modifier, false));
    }
    events.push_back(KeyEvent(virtualKey, false));
    events.push_back(KeyEvent(virtualKey, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        events.push_back(KeyEvent(*it, true));
    }
    Send(events);
}

void TapKey(WORD virtualKey) { TapChord({}, virtualKey); }

void TypeText(const std::string& text) {
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (std::isupper(u)) {
            TapChord({VK_SHIFT}, static_cast<WORD>(u));
        } else if (std::islower(u)) {
            TapKey(static_cast<WORD>(std::toupper(u)));
        } else if (std::isdigit(u) || c == ' ') {
            TapKey(static_cast<WORD>(u));
        } else {
            throw std::invalid_argument(std::string("the robot cannot type '") + c + "'");
        }
    }
}

std::string KeyName(WORD key) {
    switch (key) {
        case VK_TAB:
            return "Tab";
        case VK_RETURN:
            return "Enter";
        case VK_ESCAPE:
            return "Esc";
        case VK_SPACE:
            return "Space";
        case VK_MENU:
            return "Alt";
        case VK_CONTROL:
            return "Ctrl";
        case VK_SHIFT:
            return "Shift";
        case VK_LEFT:
            return "Left";
        case VK_RIGHT:
            return "Right";
        case VK_UP:
            return "Up";
        case VK_DOWN:
            return "Down";
        case VK_F1:
            return "F1";
        case VK_F4:
            return "F4";
        case VK_F10:
            return "F10";
        default:
            if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
                return std::string(1, static_cast<char>(key));
            }
            return "key " + std::to_string(key);
    }
}

}  // namespace robot
