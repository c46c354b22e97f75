// Scrambolo played from the keyboard and the mouse: start-up, swaps and verdicts with their cues, hints,
// letter ranges, the clock and its length, a missing list, a folder of any name, and a log-off under the last question.
#include <cstdlib>
#include <string>
#include <vector>

#include "common/win32/wide_text.h"
#include "e2e/robot/cues.h"
#include "e2e/robot/mouse.h"
#include "e2e/robot/scenarios.h"
#include "e2e/robot/scrambolo_board.h"
#include "e2e/robot/screenshot.h"
#include "e2e/robot/steps.h"

namespace robot {
namespace {

using namespace robot::scrambolo;

const Cue kClick{"click.wav", kAsync};
const Cue kBell{"bell.wav", kAsync};
const Cue kBuzzer{"buzzer.wav", kAsync};

// A right word: the bell, then the next deal, whose focus on button 1 clicks unless it was there.
void ExpectRightWordCues(int& focused) {
    ExpectCues(focused == 1 ? std::vector<Cue>{kBell} : std::vector<Cue>{kBell, kClick});
    focused = 1;
}

// The folder the harness copied the game into, as the game names it.
std::string GameFolder() {
    wchar_t folder[32768];
    const DWORD length = GetEnvironmentVariableW(L"E2E_GAME_FOLDER", folder, 32768);
    return common::win32::Narrow(std::wstring(folder, length < 32768 ? length : 0));
}

void ExpectHighScoreMessage(int highScore) {
    Press('H');
    MessageBoxView box =
        ExpectMessageBox("High Score", "Your high score is " + std::to_string(highScore) + " guessed words!", {"OK"});
    AnswerMessageBox(box, IDOK);
}

void ExpectNothingHappens(HWND main, const std::string& letters, int focused) {
    Step("nothing happens: no message, the same letters, the focus where it was");
    ExpectNoMessageBox(1.0);
    ExpectLetters(main, letters);
    ExpectFocusOnLetter(main, focused);
}

// One-word list "cat", diff.dat " 34,56" without a line end, high score 5.
void StartUp() {
    HWND main = WaitForMainWindow();
    Board board = ExpectDealOf(main, "cat");
    Step("the letter buttons stand in one row, evenly spaced");
    RECT first{}, second{}, third{};
    GetWindowRect(board.letters[0], &first);
    GetWindowRect(board.letters[1], &second);
    GetWindowRect(board.letters[2], &third);
    if (first.top != second.top || second.top != third.top ||
        std::abs((second.left - first.left) - (third.left - second.left)) > 1) {
        Fail("three buttons in one row at equal steps", "left edges " + std::to_string(first.left) + ", " +
                                                            std::to_string(second.left) + ", " +
                                                            std::to_string(third.left));
    }
    ExpectFocusOnLetter(main, 1);
    ExpectCues({kClick});
    ExpectFreshClock(main);
    Step("every control has a name a screen reader can speak");
    ExpectAccessibleNames(main);

    int focused = 1;
    MoveFocus(main, focused, 3);
    Step("only the first letter button clicks when the focus reaches it");
    ExpectNoCue();
    Press(VK_TAB);
    Step("Tab from the last letter wraps to the first");
    focused = 1;
    ExpectFocusOnLetter(main, 1);
    ExpectCues({kClick});
    PressChord({VK_SHIFT}, VK_TAB);
    focused = 3;
    ExpectFocusOnLetter(main, 3);

    ExpectHighScoreMessage(5);
    Step("after the message the focus is back on the letter the player left");
    ExpectFocusOnLetter(main, 3);

    const std::string letters = Letters(ReadBoard(main));
    for (WORD key : {WORD('X'), WORD('5'), WORD(VK_ESCAPE)}) {
        Press(key);
        ExpectNothingHappens(main, letters, focused);
    }
    ExpectNoCue();

    Step("the clock runs down, in the label and the caption");
    const int before = ClockSeconds(main);
    WaitForClockAtMost(main, before - 2);
    const std::string clock = WindowText(ReadBoard(main).clock);
    ExpectCaption(main, {clock + " - Scrambolo!"}, 1.0);

    PressChord({VK_MENU}, 'H');
    Press('A');
    MessageBoxView about = ExpectMessageBox("About Scrambolo",
                                            "Scrambolo version 1.0\r\nCopyright (C) 2026 Lanternfold Games\r\n"
                                            "Support: support@lanternfold.example.org\r\nWeb: lanternfold.example.org",
                                            {"OK"});
    AnswerMessageBox(about, IDOK);
    ExpectFocusOnLetter(main, focused);

    ExitFromMenu(main);
}

// One-word list "lamp", range 3 to 4, high score 7.
void RebuildAndCheck() {
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "lamp");
    ExpectFocusOnLetter(main, 1);
    ExpectCues({kClick});
    WaitForClockAtMost(main, 117);

    Press('J');
    Step("a wrong J: only the buzzer, the letters and the clock stay");
    const std::string letters = Letters(ReadBoard(main));
    ExpectNothingHappens(main, letters, 1);
    ExpectCues({kBuzzer});
    ExpectNoMessageBox(1.5);
    ExpectLetters(main, letters);
    if (ClockSeconds(main) > 117) {
        Fail("the clock to keep running after a wrong J", std::to_string(ClockSeconds(main)));
    }

    Step("press button 1, then J: the verdict is taken on the unchanged letters");
    int focused = 1;
    Press(VK_SPACE);
    Press('J');
    ExpectNothingHappens(main, letters, 1);
    ExpectCues({kBuzzer});
    Step("the next press completes the swap with button 1");
    MoveFocus(main, focused, 2);
    Press(VK_SPACE);
    std::string swapped = letters;
    std::swap(swapped[0], swapped[1]);
    ExpectLetters(main, swapped);

    RebuildWord(main, "lamp", focused);
    ExpectClickForEachArrival();
    Press('J');
    Step("the right word: the next deal, a fresh clock, the focus on button 1");
    ExpectDealOf(main, "lamp");
    ExpectFocusOnLetter(main, 1);
    ExpectRightWordCues(focused);
    ExpectFreshClock(main);
    ExpectNoMessageBox(0.5);

    Step("H tells the saved best, not this game's count");
    ExpectHighScoreMessage(7);
    ExpectFocusOnLetter(main, 1);
    ExpectNoCue();
    ExitFromMenu(main);
}

// One-word list "planet", range 6, no saved high score.
void Hints() {
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "planet");
    ExpectFocusOnLetter(main, 1);
    ExpectCues({kClick});
    int focused = 1;
    MoveFocus(main, focused, 2);
    for (int hint = 1; hint <= 10; ++hint) {
        Press('C');
        Step("hint " + std::to_string(hint) + ": the Cheat window opens with the pattern, focus on it");
        HWND cheat = WaitForWindow("Cheat");
        ExpectForeground(cheat);
        HWND pattern = ExpectFocusWhere(
            "the hint text box", [&](HWND focus) { return ClassOf(focus) == "Edit" && GetParent(focus) == cheat; });
        ExpectText(pattern, "p**n*t");
        if (hint == 1) {
            Press(VK_TAB);
            ExpectFocusWhere("the Close button",
                             [&](HWND focus) { return ClassOf(focus) == "Button" && WindowText(focus) == "&Close"; });
            PressChord({VK_SHIFT}, VK_TAB);
            ExpectFocus(pattern, "the hint text box");
        }
        if (hint == 2) {
            PressChord({VK_MENU}, 'C');
        } else if (hint == 3) {
            Press(VK_TAB);
            Press(VK_SPACE);
        } else {
            Press(VK_ESCAPE);
        }
        Step("the Cheat window closes and the focus is back on the letter the player left");
        ExpectWindowGone(cheat);
        ExpectForeground(main);
        ExpectFocusOnLetter(main, focused);
    }
    Step("ten hints give no cue");
    ExpectNoCue();
    Press('C');
    Step("the eleventh C only buzzes: no Cheat window");
    ExpectCues({kBuzzer});
    ExpectNoWindowCaptioned("Cheat", 1.5);
    ExpectNoMessageBox(0.1);
    ExpectFocusOnLetter(main, focused);

    PressChord({VK_MENU}, VK_F4);
    Step("the main window closes");
    ExpectWindowGone(main);
}

// Words cat, lamp, plant, planet; range 3 to 4 saved.
void LetterRange() {
    HWND main = WaitForMainWindow();
    ExpectDealOfOneOf(main, {"cat", "lamp"});
    WaitForClockAtMost(main, 117);

    Step("All Ranges by its access keys: a new deal, the clock goes on");
    PressChord({VK_MENU}, 'O');
    Press('N');
    Press('A');
    ExpectFocusOnLetter(main, 1);
    if (ClockSeconds(main) > 117) {
        Fail("the clock to go on after a range change", std::to_string(ClockSeconds(main)));
    }

    Step("a swap half done, then 6 Letters Only picked with Alt, arrows and Enter");
    Press(VK_SPACE);
    Press(VK_MENU);
    Press(VK_RIGHT);
    Press(VK_DOWN);
    Press(VK_RIGHT);
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_RETURN);
    Board board = ExpectDealOf(main, "planet");
    ExpectFocusOnLetter(main, 1);
    if (ClockSeconds(main) > 117) {
        Fail("the clock to go on after a range change", std::to_string(ClockSeconds(main)));
    }

    Step("the next press starts a new swap: no letter of the old word arrives");
    const std::string letters = Letters(board);
    int focused = 1;
    Press(VK_SPACE);
    MoveFocus(main, focused, 2);
    Press(VK_SPACE);
    std::string swapped = letters;
    std::swap(swapped[0], swapped[1]);
    ExpectLetters(main, swapped);

    ExitFromMenu(main);
}

// One-word list "lamp", range 3 to 4, high score 7, no time setting saved: Ten Times As Long
// picked by its access keys starts a new game at twenty minutes, with the setting's own best.
void TimeAllowed() {
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "lamp");
    WaitForClockAtMost(main, 118);

    Step("Ten Times As Long by its access keys: a new game, the caption counting down from 20:00");
    PressChord({VK_MENU}, 'O');
    Press('T');
    Press('E');
    ExpectDealOf(main, "lamp");
    ExpectFocusOnLetter(main, 1);
    ExpectCaption(main, {"20:00 - Scrambolo!", "19:59 - Scrambolo!"});
    WaitForClockAtMost(main, 1198);

    Step("H tells the best of ten times as long, which has none yet");
    ExpectHighScoreMessage(0);
    ExitFromMenu(main);
}

// One-word list "cat", high score 0: one word rebuilt, the clock runs out twice.
void TimeRunsOut() {
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "cat");
    ExpectCues({kClick});
    int focused = 1;
    RebuildWord(main, "cat", focused);
    ExpectClickForEachArrival();
    Press('J');
    ExpectDealOf(main, "cat");
    ExpectFocusOnLetter(main, 1);
    ExpectRightWordCues(focused);

    Step("the word's two minutes run out with one word guessed");
    WaitForClockAtMost(main, 0);
    MessageBoxView beaten =
        ExpectMessageBox("Time Is Up",
                         "Congradulations! You beat your high score of 0 words! Your new high score is 1 words! "
                         "The word was cat. Play again?",
                         {"Yes", "No"}, 15);
    ExpectCues({kBuzzer});
    WaitUntilTheQuestionTakesKeys();
    AnswerMessageBox(beaten, IDYES);
    Step("Yes: a new game with a fresh clock, the focus on button 1, where it already was: no click");
    ExpectDealOf(main, "cat");
    ExpectFocusOnLetter(main, 1);
    ExpectFreshClock(main);
    ExpectNoCue();
    ExpectHighScoreMessage(1);

    Step("the next word's two minutes run out with nothing guessed, while the player swaps on across the question");
    WaitForClockAtMost(main, 1);
    // Enter presses the focused letter, N does nothing in the game: in the question they would be
    // Yes and No.
    KeepPressingUntilAMessageBoxShows({VK_RETURN, 'N'}, 15, 2.0);
    MessageBoxView missed = ExpectMessageBox("Time Is Up",
                                             "Oops! You didn't beat your high score of 1 words! You guessed 0 words! "
                                             "The word was cat. Play again?",
                                             {"Yes", "No"});
    ExpectCues({kBuzzer});
    WaitUntilTheQuestionTakesKeys();
    AnswerMessageBox(missed, IDNO);
    Step("No: the game ends");
    ExpectWindowGone(main);
}

// No word list anywhere: the player hears why, and the game ends without a window.
void WordListMissing() {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    MessageBoxView box =
        ExpectMessageBox("Error",
                         std::string("The word list jmsit32.dll could not be found or read. It was looked for as ") +
                             system + "\\jmsit32.dll and as " + folder + "\\jmsit32.dll. The program will now exit.",
                         {"OK"}, 20);
    AnswerMessageBox(box, IDOK);
    Step("the game ends: its window closes");
    if (!WaitUntil(NoMainWindowOpen, kPatience)) {
        Fail("no Scrambolo window left", "one still open");
    }
}

// One-word list "lamp", range 3 to 4: a real mouse double-clicks a letter, which is two presses,
// swaps and rebuilds the word by clicks, and asks for the verdict by double-clicking the clock.
void DoubleClick() {
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "lamp");
    ExpectFocusOnLetter(main, 1);
    ExpectCues({kClick});
    const std::string letters = Letters(ReadBoard(main));
    int focused = 1;

    DoubleClickLetter(main, focused, 2);
    Step("a double-click is two presses of the same button: nothing moves, no swap waits");
    ExpectLetters(main, letters);
    ClickLetter(main, focused, 1);
    ClickLetter(main, focused, 3);
    Step("the next two clicks swap exactly their own letters");
    std::string swapped = letters;
    std::swap(swapped[0], swapped[2]);
    ExpectLetters(main, swapped);
    ExpectClickForEachArrival();

    RebuildWordByMouse(main, "lamp", focused);
    ExpectClickForEachArrival();

    const Board board = ReadBoard(main);
    Step("a single click on the clock does nothing");
    ClickOn(board.clock);
    ExpectNoMessageBox(1.0);
    ExpectLetters(main, "lamp");
    ExpectNoCue();
    Step("a double-click on the clock asks for the verdict: the bell and the next word");
    DoubleClickOn(board.clock);
    ExpectDealOf(main, "lamp");
    ExpectFocusOnLetter(main, 1);
    ExpectRightWordCues(focused);
    ExpectFreshClock(main);
    ExitFromMenu(main);
}

// The game copied into a folder of Cyrillic, Greek, Japanese and emoji names, deeper than 260
// characters, with its word list beside it only: it plays, saves there, and a log-off under the
// "Time Is Up" question keeps the new high score. One-word list "lamp", range 3 to 4, no high score.
void AnyFolder() {
    // The cues lie deeper than the sound functions open by name: the game plays them from memory.
    const Cue click{"click.wav", kAsync | kMemory};
    const Cue bell{"bell.wav", kAsync | kMemory};
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "lamp");
    ExpectFocusOnLetter(main, 1);
    ExpectCues({click});
    int focused = 1;
    RebuildWord(main, "lamp", focused);
    Press('J');
    ExpectDealOf(main, "lamp");
    ExpectFocusOnLetter(main, 1);
    std::vector<Cue> heard(static_cast<size_t>(TakeArrivalsOnFirst()), click);
    heard.push_back(bell);
    if (focused != 1) {
        heard.push_back(click);
    }
    ExpectCues(heard);
    ExpectHighScoreMessage(0);

    Step("the word's two minutes run out with one word guessed");
    WaitForClockAtMost(main, 0);
    ExpectMessageBox("Time Is Up",
                     "Congradulations! You beat your high score of 0 words! Your new high score is 1 words! "
                     "The word was lamp. Play again?",
                     {"Yes", "No"}, 15);
    ExpectCues({{"buzzer.wav", kAsync | kMemory}});
    LogOffAndEndProcess(main);
}

// The same folder with no word list anywhere: the message names the folder as it is.
void AnyFolderNoList() {
    MessageBoxView box = ExpectMessageBox("Error",
                                          "The word list jmsit32.dll could not be found or read. It was looked for as "
                                          "C:\\windows\\system32\\jmsit32.dll and as " +
                                              GameFolder() + "\\jmsit32.dll. The program will now exit.",
                                          {"OK"}, 20);
    AnswerMessageBox(box, IDOK);
    Step("the game ends: its window closes");
    if (!WaitUntil(NoMainWindowOpen, kPatience)) {
        Fail("no Scrambolo window left", "one still open");
    }
}

// One-word list "planet": every control a player can reach has a name a screen reader speaks.
void AccessibleNames() {
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "planet");
    Step("every control of the main window has a name");
    ExpectAccessibleNames(main);
    Press('C');
    HWND cheat = WaitForWindow("Cheat");
    ExpectForeground(cheat);
    Step("every control of the Cheat window has a name");
    ExpectAccessibleNames(cheat);
    Press(VK_ESCAPE);
    ExpectWindowGone(cheat);
    ExitFromMenu(main);
}

// The demo a newcomer watches on a virtual display: a hint, a rebuilt word and the next deal, with a
// screenshot of each step in the folder "shots". One-word list "planet", range 6.
void Demo() {
    CreateDirectoryA("shots", nullptr);
    HWND main = WaitForMainWindow();
    ExpectDealOf(main, "planet");
    ExpectFocusOnLetter(main, 1);
    SaveScreenshot("shots\\1-letters-dealt.bmp");

    Press('C');
    Step("the Cheat window shows the hint, the focus on it");
    HWND cheat = WaitForWindow("Cheat");
    HWND pattern = ExpectFocusWhere("the hint text box",
                                    [&](HWND focus) { return ClassOf(focus) == "Edit" && GetParent(focus) == cheat; });
    ExpectText(pattern, "p**n*t");
    SaveScreenshot("shots\\2-hint.bmp");
    Press(VK_ESCAPE);
    ExpectWindowGone(cheat);
    ExpectFocusOnLetter(main, 1);

    int focused = 1;
    RebuildWord(main, "planet", focused);
    SaveScreenshot("shots\\3-word-rebuilt.bmp");
    Press('J');
    Step("the right word: the next deal and a fresh clock");
    ExpectDealOf(main, "planet");
    ExpectFreshClock(main);
    SaveScreenshot("shots\\4-next-word.bmp");
    ExitFromMenu(main);
}

}  // namespace

std::vector<Scenario> ScramboloScenarios() {
    return {
        {"scrambolo_startup", StartUp},
        {"scrambolo_rebuild", RebuildAndCheck},
        {"scrambolo_hints", Hints},
        {"scrambolo_letter_range", LetterRange},
        {"scrambolo_time_up", TimeRunsOut},
        {"scrambolo_time_allowed", TimeAllowed},
        {"scrambolo_missing_word_list", WordListMissing},
        {"scrambolo_double_click", DoubleClick},
        {"scrambolo_any_folder", AnyFolder},
        {"scrambolo_any_folder_no_list", AnyFolderNoList},
        {"scrambolo_accessible_names", AccessibleNames},
        {"demo_scrambolo", Demo},
    };
}

}  // namespace robot
