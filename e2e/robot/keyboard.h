// Real keystrokes through SendInput, delivered to whatever window has the foreground, as a keyboard does.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace robot {

// Presses and releases one key.
void TapKey(WORD virtualKey);

// Holds the modifiers (VK_MENU, VK_CONTROL, VK_SHIFT) down around one key.
void TapChord(std::initializer_list<WORD> modifiers, WORD virtualKey);

// Types plain text: letters (capitals with Shift), digits and blanks.
void TypeText(const std::string& text);

// A readable name for a key, for the step log.
std::string KeyName(WORD virtualKey);

}  // namespace robot
