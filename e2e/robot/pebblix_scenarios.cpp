// Pebblix played from the keyboard: the welcome, guesses accepted and refused with their cues, the round
// timer, the menus, and a folder of any name.
#include <string>

#include "e2e/robot/cues.h"
#include "e2e/robot/scenarios.h"
#include "e2e/robot/screenshot.h"
#include "e2e/robot/steps.h"

namespace robot {
namespace {

// The only word of five letters or more in the scenarios' dictionary, so it is dealt every time.
const std::string kDealt = "planets";

// Pebblix waits for each cue to end before it goes on.
const Cue kRight{"right.wav", kSync};
const Cue kWrong{"wrong.wav", kSync};
const Cue kGameOver{"gameover.wav", kSync};

const std::string kInstructions =
    "When the game begins, you will be given a word. You must find another word contained in that "
    "word before your time expires. For instance, if the word is computer, you could use the word "
    "'put' or 'con' and so on. Depending on the length of the word you come up with, you are given a "
    "certain number of points. If the length of your word is three characters, you will be given "
    "three points. If the length is four characters, you get four points, and so on. If your time "
    "expires and you have not yet found a valid word, its curtains! At first, you have fifteen "
    "seconds to come up with a word. Every hundred points you receive, this time decreases until it "
    "reaches a minimum of five seconds. You can only use one or two letter words a maximum of ten "
    "times, so use them sparingly!";

struct Window {
    HWND main = nullptr;
    HWND word = nullptr;   // the read-only word box
    HWND guess = nullptr;  // the guess box
    HWND check = nullptr;  // the "&Check it!" button
};

void AnswerWelcome(int answer) {
    MessageBoxView welcome =
        ExpectMessageBox("Pebblix", "Welcome to Pebblix! Do you want instructions?", {"Yes", "No"}, 20);
    AnswerMessageBox(welcome, answer);
    if (answer == IDYES) {
        AnswerMessageBox(ExpectMessageBox("Pebblix", kInstructions, {"OK"}), IDOK);
    }
}

Window FindWindowParts() {
    Step("the Pebblix window shows the word, the focus in the word box");
    Window window;
    window.main = WaitForWindow("Pebblix");
    ExpectForeground(window.main);
    for (const Control& control : ChildControls(window.main)) {
        if (control.className == "Edit") {
            const bool readOnly = (GetWindowLongPtrA(control.hwnd, GWL_STYLE) & ES_READONLY) != 0;
            (readOnly ? window.word : window.guess) = control.hwnd;
        } else if (control.className == "Button") {
            window.check = control.hwnd;
        }
    }
    if (window.word == nullptr || window.guess == nullptr || window.check == nullptr) {
        Fail("a read-only word box, a guess box and a button", "the controls listed below");
    }
    ExpectText(window.check, "&Check it!");
    ExpectText(window.word, kDealt);
    ExpectFocus(window.word, "the word box");
    return window;
}

void ExpectNextWord(const Window& window) {
    Step("the next word is dealt, the guess box emptied, the focus in the word box");
    ExpectText(window.word, kDealt);
    ExpectText(window.guess, "");
    ExpectFocus(window.word, "the word box");
}

void Guess(const Window& window, const std::string& typed) {
    PressChord({VK_MENU}, 'W');
    ExpectFocus(window.guess, "the guess box");
    Type(typed);
    Press(VK_RETURN);
}

void AcceptReport(const std::string& text) { AnswerMessageBox(ExpectMessageBox("Pebblix", text, {"OK"}), IDOK); }

// The report of an accepted guess, with the cue that came before it.
void AcceptReportHearing(const std::string& text, const Cue& cue) {
    MessageBoxView report = ExpectMessageBox("Pebblix", text, {"OK"});
    ExpectCues({cue});
    AnswerMessageBox(report, IDOK);
}

// The word's time runs out: the game-over question with its cue, answered No, which ends the game.
void GameOverAnsweredNo(const Window& window, const std::string& text, const Cue& cue) {
    MessageBoxView over = ExpectMessageBox("Pebblix", text, {"Yes", "No"}, 20);
    ExpectCues({cue});
    WaitUntilTheQuestionTakesKeys();
    AnswerMessageBox(over, IDNO);
    Step("No ends the game");
    ExpectWindowGone(window.main);
}

void ExitFromMenu(const Window& window) {
    PressChord({VK_MENU}, 'F');
    Press('X');
    Step("the window closes");
    ExpectWindowGone(window.main);
}

// No options file: No to the welcome, then the keys a player moves around with.
void WelcomeAndKeys() {
    AnswerWelcome(IDNO);
    Window window = FindWindowParts();

    Step("Tab goes word box, guess box, button, and around");
    Press(VK_TAB);
    ExpectFocus(window.guess, "the guess box");
    Press(VK_TAB);
    ExpectFocus(window.check, "the Check it! button");
    Press(VK_TAB);
    ExpectFocus(window.word, "the word box");
    Step("Shift+Tab goes the other way");
    PressChord({VK_SHIFT}, VK_TAB);
    ExpectFocus(window.check, "the Check it! button");
    PressChord({VK_SHIFT}, VK_TAB);
    ExpectFocus(window.guess, "the guess box");
    PressChord({VK_SHIFT}, VK_TAB);
    ExpectFocus(window.word, "the word box");

    Step("Alt+W from the word box lands in the guess box");
    PressChord({VK_MENU}, 'W');
    ExpectFocus(window.guess, "the guess box");
    PressChord({VK_SHIFT}, VK_TAB);
    ExpectFocus(window.word, "the word box");

    Type("xyz");
    Step("typing into the word box changes nothing");
    ExpectText(window.word, kDealt);
    ExpectText(window.guess, "");
    Press(VK_ESCAPE);
    Step("Esc does nothing");
    ExpectNoMessageBox(0.5);
    ExpectFocusStays(window.word, "the word box", 0.3);

    ExitFromMenu(window);
}

// Sounds off: Yes to the welcome, a refused guess, then an accepted one.
void Guesses() {
    AnswerWelcome(IDYES);
    Window window = FindWindowParts();

    Press(VK_RETURN);
    Step("Enter in the word box presses Check it!: the empty guess is refused into the guess box");
    ExpectFocus(window.guess, "the guess box");
    ExpectText(window.guess, "");
    ExpectNoMessageBox(0.5);
    Step("the sounds are off: a refusal is silent");
    ExpectNoCue();

    Guess(window, "  PLANET ");
    Step("refused: the guess lower-cased and trimmed, all of it selected, the focus in the guess box");
    ExpectText(window.guess, "planet");
    ExpectFocus(window.guess, "the guess box");
    DWORD_PTR selection = 0;
    SendMessageTimeoutA(window.guess, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &selection);
    if (LOWORD(selection) != 0 || HIWORD(selection) != 6) {
        Fail("the selection from 0 to 6",
             "from " + std::to_string(LOWORD(selection)) + " to " + std::to_string(HIWORD(selection)));
    }
    ExpectNoMessageBox(0.5);
    ExpectText(window.word, kDealt);

    Step("the next keys replace the selected guess");
    Type("  Tap ");
    Press(VK_RETURN);
    AcceptReport(
        "Nice work! You earned 3 points and now have a total of  3points! "
        "Get ready for the next word!");
    ExpectNextWord(window);

    Step("a second word, sent with Alt+C, adds to the total");
    Guess(window, "nest");
    Step("nest is not in the dictionary: refused");
    ExpectText(window.guess, "nest");
    ExpectFocus(window.guess, "the guess box");
    Type("sent");
    PressChord({VK_MENU}, 'C');
    AcceptReport(
        "Nice work! You earned 4 points and now have a total of  7points! "
        "Get ready for the next word!");
    ExpectNextWord(window);
    Step("the sounds are off: neither refusals nor accepted words made a sound");
    ExpectNoCue();

    PressChord({VK_MENU}, VK_F4);
    Step("the window closes");
    ExpectWindowGone(window.main);
}

// Sounds off, no score file: a game of 3 points, Yes, then a game of none, No.
void TimeRunsOut() {
    AnswerWelcome(IDNO);
    Window window = FindWindowParts();
    Guess(window, "tap");
    AcceptReport(
        "Nice work! You earned 3 points and now have a total of  3points! "
        "Get ready for the next word!");
    ExpectNextWord(window);

    Step("the word's fifteen seconds run out");
    MessageBoxView first =
        ExpectMessageBox("Pebblix",
                         "Times up! Sorry, you lose! Your final score was  3. It took you 1 words, so your average "
                         "score per word is 3. You beat your old high score, which was 0! Play again?",
                         {"Yes", "No"}, 20);
    WaitUntilTheQuestionTakesKeys();
    AnswerMessageBox(first, IDYES);
    ExpectNextWord(window);

    Step("the new game's first word runs out with nothing guessed, while the player types on across the question");
    PressChord({VK_MENU}, 'W');
    ExpectFocus(window.guess, "the guess box");
    // Refused guesses, typed and sent with Enter: in the question, N is No and Enter is Yes.
    KeepPressingUntilAMessageBoxShows({'N', 'A', VK_RETURN}, 20, 2.0);
    MessageBoxView second =
        ExpectMessageBox("Pebblix",
                         "Times up! Sorry, you lose! Your final score was  0. It took you 0 words, so your average "
                         "score per word is 0. You did not beat your high score of 3. Play again?",
                         {"Yes", "No"});
    Step("the sounds are off: the games ended in silence");
    ExpectNoCue();
    WaitUntilTheQuestionTakesKeys();
    AnswerMessageBox(second, IDNO);
    Step("No ends the game");
    ExpectWindowGone(window.main);
}

// No options file (sounds on), a saved best of 9: Sounds off, New Game, About, close.
void Menus() {
    AnswerWelcome(IDNO);
    Window window = FindWindowParts();

    Step("Sounds switched off from the Options menu");
    PressChord({VK_MENU}, 'O');
    Press('S');
    ExpectNoMessageBox(0.3);
    ExpectFocus(window.word, "the word box");

    Guess(window, "pant");
    AcceptReport(
        "Nice work! You earned 4 points and now have a total of  4points! "
        "Get ready for the next word!");
    ExpectNextWord(window);
    Step("with the sounds switched off the accepted word made no sound");
    ExpectNoCue();

    PressChord({VK_CONTROL}, 'N');
    AcceptReport("New game started. You ended your previous game with 4 points.");
    ExpectNextWord(window);

    PressChord({VK_MENU}, 'H');
    Press('A');
    AnswerMessageBox(ExpectMessageBox("About Pebblix",
                                      "Pebblix version 1.0\r\nCopyright (C) 2026 Lanternfold Games\r\n"
                                      "Support: support@lanternfold.example.org\r\n"
                                      "Web: https://lanternfold.example.org/",
                                      {"OK"}),
                     IDOK);
    Step("after the About box the focus is back in the word box");
    ExpectFocus(window.word, "the word box");

    PressChord({VK_MENU}, VK_F4);
    Step("the window closes");
    ExpectWindowGone(window.main);
}

// Sounds on, no saved files: each cue when it is due, none while the sounds are switched off.
void Cues() {
    AnswerWelcome(IDNO);
    Window window = FindWindowParts();
    ExpectNoCue();

    Guess(window, "nest");
    Step("nest is not in the dictionary: the wrong cue, played to its end before the guess is selected");
    ExpectText(window.guess, "nest");
    ExpectCues({kWrong});
    Type("tap");
    Press(VK_RETURN);
    AcceptReportHearing("Nice work! You earned 3 points and now have a total of  3points! Get ready for the next word!",
                        kRight);
    ExpectNextWord(window);

    Step("Sounds switched off: a refused and an accepted word are silent");
    PressChord({VK_MENU}, 'O');
    Press('S');
    Guess(window, "nest");
    ExpectText(window.guess, "nest");
    Type("sent");
    Press(VK_RETURN);
    AcceptReport(
        "Nice work! You earned 4 points and now have a total of  7points! "
        "Get ready for the next word!");
    ExpectNextWord(window);
    ExpectNoCue();

    Step("Sounds on again: the word's time runs out with the game-over cue");
    PressChord({VK_MENU}, 'O');
    Press('S');
    GameOverAnsweredNo(window,
                       "Times up! Sorry, you lose! Your final score was  7. It took you 2 words, so your average "
                       "score per word is 4. You beat your old high score, which was 0! Play again?",
                       kGameOver);
}

// The game copied into a folder of Cyrillic, Greek, Japanese and emoji names, deeper than 260
// characters, with its dictionary beside it only: it plays with its cues and saves there.
void AnyFolder() {
    AnswerWelcome(IDNO);
    Window window = FindWindowParts();
    Guess(window, "tap");
    // The cues lie deeper than the sound functions open by name: the game plays them from memory.
    AcceptReportHearing("Nice work! You earned 3 points and now have a total of  3points! Get ready for the next word!",
                        {"right.wav", kSync | kMemory});
    ExpectNextWord(window);

    Step("the word's fifteen seconds run out");
    GameOverAnsweredNo(window,
                       "Times up! Sorry, you lose! Your final score was  3. It took you 1 words, so your average "
                       "score per word is 3. You beat your old high score, which was 0! Play again?",
                       {"gameover.wav", kSync | kMemory});
}

// Every control a player can reach has a name a screen reader speaks.
void AccessibleNames() {
    AnswerWelcome(IDNO);
    Window window = FindWindowParts();
    Step("every control of the window has a name");
    ExpectAccessibleNames(window.main);
    ExitFromMenu(window);
}

// The demo a newcomer watches on a virtual display: the welcome, a guess typed and accepted, the next
// word, with a screenshot of each step in the folder "shots".
void Demo() {
    CreateDirectoryA("shots", nullptr);
    MessageBoxView welcome =
        ExpectMessageBox("Pebblix", "Welcome to Pebblix! Do you want instructions?", {"Yes", "No"}, 20);
    SaveScreenshot("shots\\1-welcome.bmp");
    AnswerMessageBox(welcome, IDNO);
    Window window = FindWindowParts();
    SaveScreenshot("shots\\2-word-given.bmp");

    PressChord({VK_MENU}, 'W');
    ExpectFocus(window.guess, "the guess box");
    Type("pant");
    ExpectText(window.guess, "pant");
    SaveScreenshot("shots\\3-guess-typed.bmp");
    Press(VK_RETURN);
    MessageBoxView report = ExpectMessageBox(
        "Pebblix", "Nice work! You earned 4 points and now have a total of  4points! Get ready for the next word!",
        {"OK"});
    SaveScreenshot("shots\\4-guess-accepted.bmp");
    AnswerMessageBox(report, IDOK);
    ExpectNextWord(window);
    ExitFromMenu(window);
}

}  // namespace

std::vector<Scenario> PebblixScenarios() {
    return {
        {"pebblix_welcome_and_keys", WelcomeAndKeys},
        {"pebblix_guesses", Guesses},
        {"pebblix_time_up", TimeRunsOut},
        {"pebblix_menus", Menus},
        {"pebblix_cues", Cues},
        {"pebblix_any_folder", AnyFolder},
        {"pebblix_accessible_names", AccessibleNames},
        {"demo_pebblix", Demo},
    };
}

}  // namespace robot
