// Start-up: the system directory, the row of buttons, the counters, the first deal and the bad files.
#include <gtest/gtest.h>

#include "common/word_list.h"

#include "scrambolo/tests/game_fixture.h"

namespace scrambolo {
namespace {

using testing::kDiffPath;
using testing::kHighScorePath;
using testing::kListPath;

class StartupTest : public testing::GameTest {};

TEST_F(StartupTest, LaysOutTheRowDealsAndStartsTheClock) {
    bool shownBeforeDeal = false;
    window.onFocus = [this, &shownBeforeDeal](int index) {
        shownBeforeDeal = window.mainShown;
        game.ButtonArray_GotFocus(index);
    };
    system.files[kHighScorePath] = "12\r\n";
    Start("cat\r\nbird\r\n");

    EXPECT_EQ(State().SystemDirectory, "C:\\WINDOWS\\SYSTEM");
    EXPECT_EQ(State().WordListPath, "C:\\WINDOWS\\SYSTEM\\jmsit32.dll");
    EXPECT_FALSE(window.shown[0]);
    for (int i = 1; i <= 6; ++i) {
        const auto& placed = window.placements[static_cast<std::size_t>(i)];
        EXPECT_EQ(placed.left, 100 + 1000 * (i - 1)) << i;
        EXPECT_EQ(placed.top, 1400) << i;
        EXPECT_EQ(placed.width, 700) << i;
    }
    EXPECT_EQ(window.outerWidth, 6000);
    EXPECT_EQ(window.clockLabel.left, 3000);
    EXPECT_EQ(window.clockLabel.top, 100);
    EXPECT_TRUE(shownBeforeDeal);
    EXPECT_TRUE(window.shown[1] && window.shown[2] && window.shown[3]);
    EXPECT_EQ(window.ShownLetterButtons(), static_cast<int>(Word().size()));

    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(State().HintsLeft, 10);
    EXPECT_FALSE(State().SwapPending);
    EXPECT_EQ(State().HighScore, 12);
    EXPECT_EQ(State().TimeLimit, 120);
    EXPECT_EQ(window.focused, 1);
    EXPECT_EQ(State().ActiveButton, 1);
    EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"click.wav"});
    EXPECT_EQ(window.clockText, "02:00");
    EXPECT_EQ(window.windowCaption, "Scrambolo!");
    EXPECT_TRUE(window.timerOn);
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(system.writes.empty());
}

TEST_F(StartupTest, NoSystemDirectoryShowsOnlyTheErrorAndEnds) {
    system.wordListFolder = "C:";
    system.files[kDiffPath] = "56\r\n";
    EXPECT_FALSE(game.Form_Load());
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "There was an error starting the program, please try again. The program will now exit.");
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_EQ(system.messages[0].buttons, common::MessageButtons::Ok);
    EXPECT_FALSE(window.mainShown);
    EXPECT_FALSE(window.timerOn);
    EXPECT_TRUE(system.writes.empty());
    EXPECT_EQ(system.files[kDiffPath], "56\r\n");

    // Three characters, a drive's root, is a system directory.
    testing::FakeGameWindow rootWindow;
    Game atRoot(rootWindow, system, random);
    system.wordListFolder = "C:\\";
    system.files["C:\\\\jmsit32.dll"] = "planet\r\n";
    EXPECT_TRUE(atRoot.Form_Load());
    EXPECT_EQ(atRoot.state.WordListPath, "C:\\\\jmsit32.dll");
}

TEST_F(StartupTest, AMissingWordListNamesTheFileAndPlacesAndEndsWithoutWriting) {
    system.files.erase(kListPath);
    system.files[kDiffPath] = "45\r\n";
    system.files[kHighScorePath] = "9\r\n";
    EXPECT_FALSE(game.Form_Load());
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_EQ(system.messages[0].prompt,
              "The word list jmsit32.dll could not be found or read. It was looked for as "
              "C:\\WINDOWS\\SYSTEM\\jmsit32.dll and as C:\\Games\\Scrambolo\\jmsit32.dll. The program will now exit.");
    EXPECT_FALSE(window.timerOn);
    EXPECT_TRUE(system.writes.empty());
    EXPECT_FALSE(window.closed);  // the program ends without the close handling
}

TEST_F(StartupTest, AListWithNothingToPlayEndsWithAnError) {
    system.files[kListPath] = "\r\nox\r\naaa\r\n";
    EXPECT_FALSE(game.Form_Load());
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_TRUE(system.writes.empty());
    EXPECT_FALSE(window.timerOn);
    EXPECT_EQ(window.focused, 0);
}

TEST_F(StartupTest, AnEntryWithACharacterThatCannotBeShownIsNeverDealt) {
    // A NUL cuts a button's caption short; other control characters show as nothing or a box.
    Start(std::string("ca\0t\r\n", 6) + "dog\r\nd\x7fg\r\nb\x01rd\r\n");
    for (int deal = 0; deal < 40; ++deal) {
        system.Advance(0.37);
        game.mnuOptionsAllRanges_Click();
        ASSERT_EQ(Word(), "dog");
    }
    EXPECT_TRUE(system.messages.empty());
}

TEST_F(StartupTest, AListOfMoreWordsThanTheGameHoldsIsRefusedNamingTheFileRead) {
    system.files.erase(kListPath);
    std::string words;
    for (std::size_t i = 0; i < kWordListCapacity; ++i) {
        words += "ant\r\n";
    }
    system.files["C:\\Games\\Scrambolo\\jmsit32.dll"] = words + ",";
    EXPECT_FALSE(game.Form_Load());
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
    const std::string tooLarge =
        "The word list C:\\Games\\Scrambolo\\jmsit32.dll is too large: Scrambolo can hold 110000 words at most, in "
        "a file of 16 MB at most. The program will now exit.";
    EXPECT_EQ(system.messages[0].prompt, tooLarge);
    EXPECT_TRUE(system.writes.empty());
    EXPECT_FALSE(window.timerOn);

    testing::FakeGameWindow fullWindow;
    Game full(fullWindow, system, random);
    system.files["C:\\Games\\Scrambolo\\jmsit32.dll"] = words;
    ASSERT_TRUE(full.Form_Load());
    EXPECT_EQ(full.state.AllWords.size(), kWordListCapacity);

    // A file past the byte bound is refused from its first bytes, never read whole.
    testing::FakeGameWindow hugeWindow;
    Game huge(hugeWindow, system, random);
    system.files["C:\\Games\\Scrambolo\\jmsit32.dll"] = std::string(common::kWordListMaxBytes, ',') + "ant";
    system.messages.clear();
    EXPECT_FALSE(huge.Form_Load());
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt, tooLarge);
    EXPECT_EQ(system.readLimits["C:\\Games\\Scrambolo\\jmsit32.dll"], common::kWordListMaxBytes);
}

TEST_F(StartupTest, SavedFilesThatCannotBeReadAreNeverWrittenOver) {
    // Locked by another program: the game plays as if they were missing and says why it keeps them.
    system.files[kHighScorePath] = "40\r\n";
    system.files[kDiffPath] = "6\r\n";
    system.unreadable = {kHighScorePath, kDiffPath};
    Start("cat\r\nplanet\r\n");
    EXPECT_EQ(State().HighScore, 0);
    EXPECT_EQ(State().LetterRange, kAllRanges);

    State().WordsGuessed = 3;
    system.answers = {common::MessageAnswer::No};
    Tick(121);
    ASSERT_EQ(system.messages.size(), 3u);
    EXPECT_EQ(system.messages[1].prompt,
              "Your high score of 3 words was not saved: the file C:\\Games\\Scrambolo\\highscore.dat could not "
              "be read, so it was left as it was.");
    EXPECT_EQ(system.messages[2].prompt,
              "The number of letters you chose was not saved: the file C:\\Games\\Scrambolo\\diff.dat could not "
              "be read when the game started, so it was left as it was.");
    EXPECT_EQ(system.messages[2].title, "Scrambolo");
    EXPECT_TRUE(system.writes.empty());
    EXPECT_TRUE(window.closed);
}

TEST_F(StartupTest, AListBesideTheProgramIsPlayedWhenTheSystemDirectoryHasNone) {
    system.files.erase(kListPath);
    system.files["C:\\Games\\Scrambolo\\jmsit32.dll"] = "horse\r\n";
    ASSERT_TRUE(game.Form_Load());
    EXPECT_EQ(Word(), "horse");
    EXPECT_TRUE(system.messages.empty());
}

}  // namespace
}  // namespace scrambolo
