// The small step library scenarios are written in: each step logs itself, waits by polling, and fails loudly.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "e2e/robot/desktop.h"

namespace robot {

// How long a step waits for the game to answer before it calls the step failed.
inline constexpr double kPatience = 10.0;

// Thrown by a failing step; the robot prints it with everything it saw and exits non-zero.
class StepFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Starts a new numbered step in the log; failures name the step that was running.
void Step(const std::string& description);
const std::string& CurrentStep();
[[noreturn]] void Fail(const std::string& expected, const std::string& saw);

// Polls the condition every 50 ms until it holds or the deadline passes.
bool WaitUntil(const std::function<bool()>& condition, double seconds);

// Windows.
HWND WaitForWindow(const std::string& caption, double seconds = kPatience);
HWND WaitForWindowWhere(const std::string& description, const std::function<bool(HWND)>& match,
                        double seconds = kPatience);
void ExpectWindowGone(HWND window, double seconds = kPatience);
void ExpectForeground(HWND window);
void ExpectCaption(HWND window, const std::vector<std::string>& oneOf, double seconds = kPatience);

// Keys, always sent to the foreground window.
void Press(WORD virtualKey);
void PressChord(std::initializer_list<WORD> modifiers, WORD virtualKey);
void Type(const std::string& text);

// Focus.
void ExpectFocus(HWND control, const std::string& description, double seconds = kPatience);
HWND ExpectFocusWhere(const std::string& description, const std::function<bool(HWND)>& match,
                      double seconds = kPatience);
void ExpectFocusStays(HWND control, const std::string& description, double seconds);

// Control texts.
void ExpectText(HWND control, const std::string& expected, double seconds = kPatience);

// Message boxes.
MessageBoxView ExpectMessageBox(const std::string& title, const std::string& text,
                                const std::vector<std::string>& buttons, double seconds = kPatience);
void AnswerMessageBox(const MessageBoxView& box, int answer);
// Goes on pressing the keys in turn, one every 80 ms, as a player still busy with the word does
// when the time runs out, until a message box shows and for the given seconds after it has.
void KeepPressingUntilAMessageBoxShows(const std::vector<WORD>& keys, double seconds, double after);
// Waits until the keyboard has been quiet long enough that a key pressed now answers the question.
void WaitUntilTheQuestionTakesKeys();
void ExpectNoMessageBox(double seconds);
void ExpectNoWindowCaptioned(const std::string& caption, double seconds);

// Every visible control of the window must have something for a screen reader to say.
void ExpectAccessibleNames(HWND window);

// Logs the player off as Windows does to a program: asks the window whether the session may end,
// tells it that it ends, and ends the process the moment that message has been answered, as
// Windows may. Whatever the game must keep is on disk by then or lost.
void LogOffAndEndProcess(HWND main);

}  // namespace robot
