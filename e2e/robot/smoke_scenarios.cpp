// Proves the robot and the harness on the system's own editor: keys arrive, texts and captions read back.
#include "e2e/robot/scenarios.h"
#include "e2e/robot/steps.h"

namespace robot {
namespace {

void EditorTakesKeys() {
    Step("wait for the editor");
    HWND editor = WaitForWindowWhere(
        "the editor window", [](HWND window) { return WindowText(window).find("Notepad") != std::string::npos; });
    ExpectForeground(editor);
    HWND edit = ExpectFocusWhere("the editor's text box", [](HWND focus) { return ClassOf(focus) == "Edit"; });
    Type("Hello robot 42");
    Step("the typed text is in the text box");
    ExpectText(edit, "Hello robot 42");
    ExpectCaption(editor, {"Untitled - Notepad"});
    PressChord({VK_MENU}, VK_F4);
    MessageBoxView save =
        ExpectMessageBox("Notepad", "File 'Untitled' has been modified.\n\nWould you like to save the changes?",
                         {"Yes", "No", "Cancel"});
    AnswerMessageBox(save, IDNO);
    ExpectWindowGone(editor);
}

}  // namespace

std::vector<Scenario> SmokeScenarios() { return {{"smoke_editor", EditorTakesKeys}}; }

}  // namespace robot
