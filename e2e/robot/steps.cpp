// Steps poll with deadlines: keys are delivered asynchronously, so every expectation waits for the game to catch up.
#include "e2e/robot/steps.h"

#include <algorithm>
#include <cstdio>

#include "e2e/robot/keyboard.h"

namespace robot {
namespace {

constexpr DWORD kPollMilliseconds = 50;

int stepNumber = 0;
std::string currentStep = "before the first step";

std::string WithoutAmpersands(const std::string& caption) {
    std::string plain;
    for (char c : caption) {
        if (c != '&') {
            plain += c;
        }
    }
    return plain;
}

std::string JoinQuoted(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) {
        joined += (joined.empty() ? "" : ", ") + Quote(item);
    }
    return "[" + joined + "]";
}

std::string DescribeFocus(HWND focus) {
    if (focus == nullptr) {
        return "no focused control";
    }
    return ClassOf(focus) + " " + Quote(WindowText(focus)) + " (id " + std::to_string(GetDlgCtrlID(focus)) + ")";
}

HWND FindTopWindow(const std::function<bool(HWND)>& match) {
    for (HWND window : VisibleTopLevelWindows()) {
        if (match(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND VisibleMessageBox() {
    return FindTopWindow([](HWND window) { return IsMessageBox(window); });
}

}  // namespace

void Step(const std::string& description) {
    currentStep = "step " + std::to_string(++stepNumber) + ": " + description;
    std::printf("%s\n", currentStep.c_str());
    std::fflush(stdout);
}

const std::string& CurrentStep() { return currentStep; }

void Fail(const std::string& expected, const std::string& saw) {
    throw StepFailure("expected: " + expected + "\nsaw:      " + saw);
}

bool WaitUntil(const std::function<bool()>& condition, double seconds) {
    ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return condition();
        }
        Sleep(kPollMilliseconds);
    }
    return true;
}

HWND WaitForWindowWhere(const std::string& description, const std::function<bool(HWND)>& match, double seconds) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(match)) != nullptr; }, seconds);
    if (found == nullptr) {
        Fail(description, "no such window within " + std::to_string(seconds) + " s");
    }
    return found;
}

HWND WaitForWindow(const std::string& caption, double seconds) {
    return WaitForWindowWhere(
        "a window captioned " + Quote(caption),
        [&](HWND window) { return !IsMessageBox(window) && WindowText(window) == caption; }, seconds);
}

void ExpectWindowGone(HWND window, double seconds) {
    if (!WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, seconds)) {
        Fail("the window " + Quote(WindowText(window)) + " to close", "it is still open");
    }
}

void ExpectForeground(HWND window) {
    if (!WaitUntil([&] { return GetForegroundWindow() == window; }, kPatience)) {
        HWND foreground = GetForegroundWindow();
        Fail("the window " + Quote(WindowText(window)) + " in the foreground",
             foreground ? Quote(WindowText(foreground)) : "no foreground window");
    }
}

void ExpectCaption(HWND window, const std::vector<std::string>& oneOf, double seconds) {
    std::string caption;
    bool matched = WaitUntil(
        [&] {
            caption = WindowText(window);
            return std::find(oneOf.begin(), oneOf.end(), caption) != oneOf.end();
        },
        seconds);
    if (!matched) {
        Fail("the caption to be one of " + JoinQuoted(oneOf), Quote(caption));
    }
}

void Press(WORD virtualKey) {
    Step("press " + KeyName(virtualKey));
    TapKey(virtualKey);
}

void PressChord(std::initializer_list<WORD> modifiers, WORD virtualKey) {
    std::string name;
    for (WORD modifier : modifiers) {
        name += KeyName(modifier) + "+";
    }
    Step("press " + name + KeyName(virtualKey));
    TapChord(modifiers, virtualKey);
}

void Type(const std::string& text) {
    Step("type " + Quote(text));
    TypeText(text);
}

void ExpectFocus(HWND control, const std::string& description, double seconds) {
    if (!WaitUntil([&] { return FocusedControl() == control; }, seconds)) {
        Fail("the focus on " + description, DescribeFocus(FocusedControl()));
    }
}

HWND ExpectFocusWhere(const std::string& description, const std::function<bool(HWND)>& match, double seconds) {
    HWND focus = nullptr;
    if (!WaitUntil([&] { return (focus = FocusedControl()) != nullptr && match(focus); }, seconds)) {
        Fail("the focus on " + description, DescribeFocus(FocusedControl()));
    }
    return focus;
}

void ExpectFocusStays(HWND control, const std::string& description, double seconds) {
    ExpectFocus(control, description);
    HWND moved = nullptr;
    if (WaitUntil([&] { return (moved = FocusedControl()) != control; }, seconds)) {
        Fail("the focus to stay on " + description, DescribeFocus(moved));
    }
}

void ExpectText(HWND control, const std::string& expected, double seconds) {
    std::string text;
    if (!WaitUntil([&] { return (text = WindowText(control)) == expected; }, seconds)) {
        Fail(ClassOf(control) + " text " + Quote(expected), Quote(text));
    }
}

MessageBoxView ExpectMessageBox(const std::string& title, const std::string& text,
                                const std::vector<std::string>& buttons, double seconds) {
    Step("expect the message box " + Quote(title) + " saying " + Quote(text));
    HWND box = nullptr;
    WaitUntil([&] { return (box = VisibleMessageBox()) != nullptr && GetForegroundWindow() == box; }, seconds);
    if (box == nullptr || GetForegroundWindow() != box) {
        Fail("a message box " + Quote(title) + " in the foreground",
             box ? "a message box that is not in the foreground" : "no message box");
    }
    MessageBoxView view = ReadMessageBox(box);
    std::vector<std::string> plainButtons;
    for (const std::string& caption : view.buttons) {
        plainButtons.push_back(WithoutAmpersands(caption));
    }
    if (view.title != title || view.text != text || plainButtons != buttons) {
        Fail("title " + Quote(title) + ", text " + Quote(text) + ", buttons " + JoinQuoted(buttons),
             "title " + Quote(view.title) + ", text " + Quote(view.text) + ", buttons " + JoinQuoted(plainButtons));
    }
    HWND focus = nullptr;
    if (!WaitUntil([&] { return (focus = FocusedControl()) != nullptr && GetParent(focus) == box; }, kPatience)) {
        Fail("the focus on a button of the message box", DescribeFocus(focus));
    }
    ExpectAccessibleNames(box);
    return view;
}

void AnswerMessageBox(const MessageBoxView& box, int answer) {
    switch (answer) {
        case IDOK:
            Step("answer OK with Enter");
            TapKey(VK_RETURN);
            break;
        case IDYES:
            Step("answer Yes with the Y key");
            TapKey('Y');
            break;
        case IDNO:
            Step("answer No with the N key");
            TapKey('N');
            break;
        default:
            Fail("an answer the robot knows how to give", "answer " + std::to_string(answer));
    }
    ExpectWindowGone(box.hwnd);
}

void KeepPressingUntilAMessageBoxShows(const std::vector<WORD>& keys, double seconds, double after) {
    Step("keep pressing keys for the word, one every 80 ms, until the question comes and on after it");
    constexpr ULONGLONG kKeyEvery = 80;
    const ULONGLONG start = GetTickCount64();
    const ULONGLONG deadline = start + static_cast<ULONGLONG>(seconds * 1000.0);
    ULONGLONG shown = 0;
    for (std::size_t pressed = 0;; ++pressed) {
        const ULONGLONG now = GetTickCount64();
        if (shown == 0 && VisibleMessageBox() != nullptr) {
            shown = now;
        }
        if ((shown != 0 && now >= shown + static_cast<ULONGLONG>(after * 1000.0)) || now >= deadline) {
            break;
        }
        TapKey(keys[pressed % keys.size()]);
        const ULONGLONG due = start + (pressed + 1) * kKeyEvery;
        const ULONGLONG later = GetTickCount64();
        if (due > later) {
            Sleep(static_cast<DWORD>(due - later));
        }
    }
    if (shown == 0) {
        Fail("a message box while the keys were pressed", "none in " + std::to_string(seconds) + " s");
    }
}

void WaitUntilTheQuestionTakesKeys() {
    // The question takes a key once none has been pressed for half a second; a little more is
    // allowed here.
    Sleep(700);
}

void ExpectNoMessageBox(double seconds) {
    HWND box = nullptr;
    if (WaitUntil([&] { return (box = VisibleMessageBox()) != nullptr; }, seconds)) {
        MessageBoxView view = ReadMessageBox(box);
        Fail("no message box", "the message box " + Quote(view.title) + " saying " + Quote(view.text));
    }
}

void ExpectNoWindowCaptioned(const std::string& caption, double seconds) {
    if (WaitUntil([&] { return FindTopWindow([&](HWND w) { return WindowText(w) == caption; }); }, seconds)) {
        Fail("no window captioned " + Quote(caption), "one is open");
    }
}

void ExpectAccessibleNames(HWND window) {
    for (const Control& control : ChildControls(window)) {
        // A picture (the icon of a message box) is decoration a screen reader passes over.
        bool picture =
            control.className == "Static" && (GetWindowLongPtrA(control.hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (control.visible && !picture && AccessibleName(control.hwnd).empty()) {
            Fail("a non-empty accessible name on every visible control of " + Quote(WindowText(window)),
                 "none on " + control.className + " " + Quote(control.text) + " (id " + std::to_string(control.id) +
                     ")");
        }
    }
}

void LogOffAndEndProcess(HWND main) {
    Step("log off: the session-end messages to the main window, then the process ended");
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
    if (handle == nullptr) {
        Fail("a handle to end the game's process", "none");
    }
    DWORD_PTR agrees = 0;
    if (!SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &agrees) ||
        agrees == 0) {
        CloseHandle(handle);
        Fail("the game to let the session end", "it did not agree");
    }
    DWORD_PTR ignored = 0;
    const bool answered =
        SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ignored) != 0;
    TerminateProcess(handle, 0);
    WaitForSingleObject(handle, 10000);
    CloseHandle(handle);
    if (!answered) {
        Fail("the game to answer the end of the session", "no answer within 10 s");
    }
}

}  // namespace robot
