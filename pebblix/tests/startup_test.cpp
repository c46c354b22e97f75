// Start-up: options, dictionary places and faults, the welcome question and the first word.
#include <gtest/gtest.h>

#include "pebblix/logic/reports.h"
#include "pebblix/tests/game_fixture.h"

namespace pebblix::testing {
namespace {

using common::MessageAnswer;
using common::MessageButtons;

class Startup : public GameFixture {};

TEST_F(Startup, AsksWelcomeThenDealsTheFirstWordWithFifteenSeconds) {
    system.files[kDictionaryPath] = DictionaryText({"at", "eagle", "tea"});
    system.answers = {MessageAnswer::No};
    const bool started = game.Form_Load();

    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt, "Welcome to Pebblix! Do you want instructions?");
    EXPECT_EQ(system.messages[0].title, "Pebblix");
    EXPECT_EQ(system.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(game.state.SystemDirectory, kSystemDirectory);
    EXPECT_EQ(game.state.WordCount, 3);
    // The only word long enough is dealt, however the draws fall.
    EXPECT_EQ(game.state.CurrentWord, "eagle");
    EXPECT_EQ(window.wordText, "eagle");
    EXPECT_EQ(window.guessText, "");
    EXPECT_TRUE(window.TimerRunning());
    EXPECT_EQ(window.timerInterval, 15000);
    EXPECT_TRUE(game.state.SoundsOn);
    EXPECT_TRUE(window.soundsChecked);
    EXPECT_TRUE(started);
    EXPECT_TRUE(system.writes.empty());
}

TEST_F(Startup, YesShowsTheInstructionsBeforeTheFirstWord) {
    system.files[kDictionaryPath] = DictionaryText({"eagle"});
    system.answers = {MessageAnswer::Yes};
    std::string wordWhileInstructionsOpen = "unset";
    system.onMessage = [&](const common::testing::FakeSystem::Message& message) {
        if (message.buttons == MessageButtons::Ok) {
            wordWhileInstructionsOpen = window.wordText;
        }
    };
    game.Form_Load();
    ASSERT_EQ(system.messages.size(), 2u);
    EXPECT_EQ(system.messages[1].prompt, kInstructions);
    EXPECT_EQ(system.messages[1].title, "Pebblix");
    EXPECT_EQ(wordWhileInstructionsOpen, "");  // the word and its clock come after the boxes
    EXPECT_EQ(window.wordText, "eagle");
}

TEST_F(Startup, OptionsFileSetsSoundsAndTheCheckMark) {
    system.files[kOptionsPath] = "#FALSE#\r\n";
    Start({"eagle"});
    EXPECT_FALSE(game.state.SoundsOn);
    EXPECT_FALSE(window.soundsChecked);
}

TEST_F(Startup, AnOptionsFileThatCannotBeReadKeepsTheSoundsOnAndIsNeverWrittenOver) {
    system.files[kOptionsPath] = "#FALSE#\r\n";
    system.unreadable.insert(kOptionsPath);
    Start({"eagle"});
    EXPECT_TRUE(game.state.SoundsOn);
    EXPECT_TRUE(window.soundsChecked);
    game.mnuOptionsSounds_Click();
    game.mnuFileExit_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix did not save your sound setting: the file C:\\Games\\Pebblix\\pebblixoptions.dat could "
              "not be read when the game started, so it was left as it was.");
    EXPECT_EQ(system.messages[0].title, "Pebblix");
    EXPECT_TRUE(system.writes.empty());
}

TEST_F(Startup, UnreadableOrHiddenOptionsLeaveSoundsOnSilently) {
    system.files[kOptionsPath] = "maybe\r\n";
    Start({"eagle"});
    EXPECT_TRUE(game.state.SoundsOn);
    EXPECT_TRUE(window.soundsChecked);

    // A hidden file does not count as there.
    Game second{window, system, random};
    system.files[kOptionsPath] = "#FALSE#\r\n";
    system.hiddenFiles.insert(kOptionsPath);
    system.answers = {MessageAnswer::No};
    second.Form_Load();
    EXPECT_TRUE(second.state.SoundsOn);
    EXPECT_EQ(system.messages.size(), 1u);  // the welcome question only
}

TEST_F(Startup, ShortSystemDirectoryEndsAtOnce) {
    system.wordListFolder = "C:";
    system.files[kDictionaryPath] = DictionaryText({"eagle"});
    const bool started = game.Form_Load();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "There was an error starting the program, please try again. The program will now exit.");
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_FALSE(started);
    EXPECT_EQ(window.unloads, 0);
    EXPECT_TRUE(system.writes.empty());

    // Three characters, a drive's root, is a system directory.
    FakeGameWindow rootWindow;
    Game atRoot{rootWindow, system, random};
    system.wordListFolder = "C:\\";
    system.files["C:\\\\mswnby32.dll"] = DictionaryText({"eagle"});
    system.answers = {MessageAnswer::No};
    EXPECT_TRUE(atRoot.Form_Load());
    EXPECT_EQ(atRoot.state.CurrentWord, "eagle");
}

TEST_F(Startup, DictionaryBesideTheProgramServesWhenTheSystemOneIsMissing) {
    system.files[kProgramFolder + "\\mswnby32.dll"] = DictionaryText({"beside"});
    system.answers = {MessageAnswer::No};
    EXPECT_TRUE(game.Form_Load());
    EXPECT_EQ(game.state.CurrentWord, "beside");

    // The system directory's copy wins when both are there.
    system.files[kDictionaryPath] = DictionaryText({"system"});
    system.answers = {MessageAnswer::No};
    game.Form_Load();
    EXPECT_EQ(game.state.CurrentWord, "system");
}

TEST_F(Startup, MissingDictionaryNamesBothPlacesAndEndsWithoutWriting) {
    const bool started = game.Form_Load();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix cannot read its dictionary, the file mswnby32.dll. It looked for it here:\r\n"
              "C:\\WINDOWS\\SYSTEM32\\mswnby32.dll\r\nC:\\Games\\Pebblix\\mswnby32.dll\r\n"
              "The program will now exit.");
    EXPECT_FALSE(started);
    EXPECT_EQ(window.unloads, 0);
    EXPECT_TRUE(system.writes.empty());
    EXPECT_EQ(random.drawCount, 0);
}

TEST_F(Startup, OversizedDictionaryEndsWithAClearMessage) {
    std::string text;
    for (int i = 0; i <= kDictionaryCapacity; ++i) {
        text.append("word").append(std::to_string(i)).append("\r\n");
    }
    system.files[kDictionaryPath] = text;
    const bool started = game.Form_Load();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_EQ(system.messages[0].prompt,
              "The dictionary C:\\WINDOWS\\SYSTEM32\\mswnby32.dll is too large: Pebblix can hold 110000 words at "
              "most, in a file of 16 MB at most. The program will now exit.");
    EXPECT_FALSE(started);
    EXPECT_TRUE(system.writes.empty());
}

TEST_F(Startup, AFaultyDictionaryBesideTheProgramIsNamedInTheMessage) {
    system.files[kProgramFolder + "\\mswnby32.dll"] = DictionaryText({"a", "ant"});
    const bool started = game.Form_Load();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "The dictionary C:\\Games\\Pebblix\\mswnby32.dll holds no word of five or more letters, so Pebblix "
              "has no word to give you. The program will now exit.");
    EXPECT_FALSE(started);
}

TEST_F(Startup, AnEntryWithACharacterThatCannotBeShownIsNeverDealt) {
    // Zero bytes from a damaged disk sort first; a word with a control character in it is no better.
    system.files[kDictionaryPath] =
        std::string("\0\0\0\0\0\0\r\n", 8) + DictionaryText({"eagle", "pl\x01nets", "zebra"});
    random.draws = {0.1, 0.6, 0.9};  // slots 1, 3 and 4 of four
    system.answers = {MessageAnswer::No};
    game.Form_Load();
    EXPECT_EQ(game.state.CurrentWord, "zebra");
    EXPECT_EQ(window.wordText, "zebra");
    EXPECT_EQ(random.drawCount, 3);

    FakeGameWindow onlyDamagedWindow;
    Game onlyDamaged{onlyDamagedWindow, system, random};
    system.files[kDictionaryPath] = std::string("\0\0\0\0\0\r\n", 7) + DictionaryText({"ant", "pl\x01nets"});
    system.messages.clear();
    EXPECT_FALSE(onlyDamaged.Form_Load());
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
}

TEST_F(Startup, DictionaryWithoutAFiveLetterWordEndsInsteadOfDrawingForEver) {
    system.files[kDictionaryPath] = DictionaryText({"a", "an", "ant", "ants"});
    const bool started = game.Form_Load();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_NE(system.messages[0].prompt.find("no word of five or more letters"), std::string::npos);
    EXPECT_FALSE(started);
    EXPECT_EQ(random.drawCount, 0);
    EXPECT_TRUE(system.writes.empty());
}

TEST_F(Startup, DictionaryOutOfOrderIsSortedSoItsWordsAreAccepted) {
    Start({"zebra", "letter", "tee", "let", "apple"});
    EXPECT_EQ(SlotsOf(game.state.AllWords), (std::vector<std::string>{"", "apple", "let", "letter", "tee", "zebra"}));
    DealNext("letter");
    game.PickWord();
    Guess("tee");
    EXPECT_EQ(game.state.Score, 3);
}

}  // namespace
}  // namespace pebblix::testing
