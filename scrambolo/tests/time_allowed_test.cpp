// The time setting: each word's clock scaled, a pick starting a new game, a best kept per setting, timeallowed.dat.
#include <gtest/gtest.h>

#include "scrambolo/tests/game_fixture.h"

namespace scrambolo {
namespace {

using common::TimeAllowedSetting;
using testing::kDiffPath;
using testing::kHighScorePath;
using testing::kKeyC;
using testing::kKeyH;
using testing::kKeyJ;

constexpr const char* kTimePath = "C:\\Games\\Scrambolo\\timeallowed.dat";
constexpr const char* kHighScore10Path = "C:\\Games\\Scrambolo\\highscore10.dat";

class TimeAllowedTest : public testing::GameTest {
protected:
    std::string LastPrompt() { return system.messages.empty() ? "" : system.messages.back().prompt; }
};

TEST_F(TimeAllowedTest, EachSettingGivesEveryWordItsMultipleOfTwoMinutes) {
    const std::vector<std::pair<const char*, std::string>> settings = {
        {"1\r\n", "02:00"}, {"2\r\n", "04:00"}, {"5\r\n", "10:00"}, {"10\r\n", "20:00"}};
    for (const auto& [saved, start] : settings) {
        testing::FakeGameWindow freshWindow;
        Game fresh(freshWindow, system, random);
        system.files[kTimePath] = saved;
        ASSERT_TRUE(fresh.Form_Load());
        EXPECT_EQ(freshWindow.clockText, start) << saved;
        fresh.Timer1_Timer();
        EXPECT_EQ(freshWindow.windowCaption, start + " - Scrambolo!") << saved;
    }

    // Ten times as long: 00:00 for the 1200th second, the end of the game at the 1201st.
    system.files[kTimePath] = "10\r\n";
    Start("planet\r\n");
    ASSERT_EQ(window.timeChecked, TimeAllowedSetting::TenTimesAsLong);
    EXPECT_EQ(window.clockText, "20:00");
    Tick(1.25);
    EXPECT_EQ(window.windowCaption, "19:59 - Scrambolo!");
    Tick(1198.75);
    EXPECT_EQ(window.clockText, "00:00");
    EXPECT_TRUE(system.messages.empty());
    Tick(1);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Time Is Up");

    // A right word, and Yes to "Play again?", each give the next word the same twenty minutes.
    Solve();
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_EQ(window.clockText, "20:00");
}

TEST_F(TimeAllowedTest, APickStartsANewGameAtTheNewTimeAndTheCheckedItemDoesNothing) {
    Start("cat\r\nbird\r\nhorse\r\nplanet\r\n");
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::Standard);
    State().WordsGuessed = 3;
    game.Form_KeyDown(kKeyC, 0);
    Tick(90);
    game.ButtonArray_Click(2);  // a swap half done
    window.focused = 2;
    system.sounds.clear();

    game.mnuTimeAllowed_Click(TimeAllowedSetting::FiveTimesAsLong);
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::FiveTimesAsLong);
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(State().HintsLeft, 10);
    EXPECT_FALSE(State().SwapPending);
    EXPECT_EQ(window.focused, 1);  // a new word dealt, its first letter focused
    EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"click.wav"});
    EXPECT_EQ(window.clockText, "10:00");
    EXPECT_TRUE(window.timerOn);
    EXPECT_EQ(State().LetterRange, kAllRanges);
    // No box, and the abandoned game's three words are saved nowhere, as a range pick saves nothing.
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(system.writes.empty());

    Tick(30);
    const std::string row = window.Row();
    game.mnuTimeAllowed_Click(TimeAllowedSetting::FiveTimesAsLong);
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::FiveTimesAsLong);
    EXPECT_EQ(window.Row(), row);
    Tick(0.25);
    EXPECT_EQ(window.clockText, "09:30");
}

TEST_F(TimeAllowedTest, EachSettingKeepsItsOwnBestAndTheStandardFilesTheirBytes) {
    system.files[kHighScorePath] = "7\r\n";
    system.files[kDiffPath] = "6\r\n";
    system.files[kTimePath] = "10\r\n";
    Start("cat\r\nhorse\r\nplanet\r\n");
    game.Form_KeyDown(kKeyH, 0);
    EXPECT_EQ(LastPrompt(), "Your high score is 0 guessed words!");

    // One word rebuilt, then the twenty minutes run out: the best of ten times as long is beaten.
    Solve();
    game.Form_KeyDown(kKeyJ, 0);
    Tick(1201);
    EXPECT_EQ(LastPrompt(),
              "Congradulations! You beat your high score of 0 words! Your new high score is 1 words! The word was "
              "planet. Play again?");
    EXPECT_EQ(system.files[kHighScore10Path], "1\r\n");
    game.Form_KeyDown(kKeyH, 0);
    EXPECT_EQ(LastPrompt(), "Your high score is 1 guessed words!");

    // Back at Standard the best is Standard's own, and a game that does not reach it is told so.
    game.mnuTimeAllowed_Click(TimeAllowedSetting::Standard);
    EXPECT_EQ(window.clockText, "02:00");
    game.Form_KeyDown(kKeyH, 0);
    EXPECT_EQ(LastPrompt(), "Your high score is 7 guessed words!");
    Solve();
    game.Form_KeyDown(kKeyJ, 0);
    Tick(121);
    EXPECT_EQ(
        LastPrompt(),
        "Oops! You didn't beat your high score of 7 words! You guessed 1 words! The word was planet. Play again?");

    game.mnuFileExit_Click();
    EXPECT_EQ(system.files[kHighScorePath], "7\r\n");
    EXPECT_EQ(system.files[kDiffPath], "6\r\n");
    EXPECT_EQ(system.files[kTimePath], "1\r\n");  // Standard written over the earlier choice
    EXPECT_EQ(system.writes, (std::vector<std::string>{kHighScore10Path, kDiffPath, kTimePath}));
}

TEST_F(TimeAllowedTest, TheSettingFileIsReadAndWrittenLikeTheOtherSettings) {
    // Anything but the factor 1, 2, 5 or 10 in its first field is Standard.
    const std::vector<std::pair<std::string, TimeAllowedSetting>> cases = {
        {"2", TimeAllowedSetting::TwiceAsLong},           {" 5\r\n", TimeAllowedSetting::FiveTimesAsLong},
        {"10,2\r\n", TimeAllowedSetting::TenTimesAsLong}, {"", TimeAllowedSetting::Standard},
        {"3\r\n", TimeAllowedSetting::Standard},          {"ten\r\n", TimeAllowedSetting::Standard},
        {"\r\n10", TimeAllowedSetting::Standard}};
    for (const auto& [text, expected] : cases) {
        testing::FakeGameWindow freshWindow;
        Game fresh(freshWindow, system, random);
        system.files[kTimePath] = text;
        fresh.LoadTimeAllowed();
        EXPECT_EQ(freshWindow.timeChecked, expected) << text;
    }

    // A player who never picks leaves no file; a pick is written at the close and read back.
    system.files.erase(kTimePath);
    Start("planet\r\n");
    game.Form_Unload();
    EXPECT_EQ(system.files.count(kTimePath), 0u);
    testing::FakeGameWindow secondWindow;
    Game second(secondWindow, system, random);
    ASSERT_TRUE(second.Form_Load());
    second.mnuTimeAllowed_Click(TimeAllowedSetting::TwiceAsLong);
    second.Form_Unload();
    EXPECT_EQ(system.files[kTimePath], "2\r\n");

    // A file there that cannot be read plays Standard and is never written over; the close says so.
    system.unreadable.insert(kTimePath);
    testing::FakeGameWindow lockedWindow;
    Game locked(lockedWindow, system, random);
    ASSERT_TRUE(locked.Form_Load());
    EXPECT_EQ(lockedWindow.clockText, "02:00");
    locked.mnuTimeAllowed_Click(TimeAllowedSetting::TenTimesAsLong);
    system.writes.clear();
    locked.Form_Unload();
    EXPECT_EQ(system.writes, std::vector<std::string>{kDiffPath});
    EXPECT_EQ(system.files[kTimePath], "2\r\n");
    EXPECT_EQ(system.messages.back().title, "Scrambolo");
}

TEST_F(TimeAllowedTest, WhereTheGameMayEndWithoutNoticeAPickIsSavedAtOnce) {
    system.endsWithoutNotice = true;
    Start("planet\r\n");
    game.mnuTimeAllowed_Click(TimeAllowedSetting::TwiceAsLong);
    EXPECT_EQ(system.files[kTimePath], "2\r\n");
    // Another tab picks Five Times As Long afterwards: this tab's close does not put its own back.
    system.files[kTimePath] = "5\r\n";
    game.Form_Unload();
    EXPECT_EQ(system.files[kTimePath], "5\r\n");
    EXPECT_EQ(system.writes, std::vector<std::string>{kTimePath});
}

TEST_F(TimeAllowedTest, APickInAVerdictsPauseAbandonsTheSolvedWordsGame) {
    Start("planet\r\nhorse\r\n");
    State().WordsGuessed = 2;
    Solve();
    Tick(60);
    std::string dealtByPick;
    system.onWait = [&] {
        if (dealtByPick.empty()) {
            game.mnuTimeAllowed_Click(TimeAllowedSetting::TwiceAsLong);
            dealtByPick = window.Row();
        }
    };
    game.Form_KeyDown(kKeyJ, 0);
    // The word was rebuilt in the game the pick abandoned: it scores in neither.
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(window.Row(), dealtByPick);
    EXPECT_TRUE(window.timerOn);
    system.onWait = nullptr;
    Tick(0.25);
    EXPECT_EQ(window.windowCaption.substr(0, 2), "03");  // the new game's four minutes, running since the pick
}

TEST_F(TimeAllowedTest, APickUnderTimeIsUpKeepsTheBestWithItsSettingAndYesPlaysAtTheNewOne) {
    system.files[kHighScorePath] = "4\r\n";
    Start("planet\r\n");
    State().WordsGuessed = 6;
    system.onMessage = [this](const common::testing::FakeSystem::Message& message) {
        if (message.title == "Time Is Up") {
            game.mnuTimeAllowed_Click(TimeAllowedSetting::TenTimesAsLong);
            EXPECT_FALSE(window.timerOn) << "the clock stays off while the question is up";
        }
    };
    Tick(121);
    EXPECT_EQ(system.files[kHighScorePath], "6\r\n");
    EXPECT_EQ(system.files.count(kHighScore10Path), 0u);
    EXPECT_EQ(State().HighScore, 0);  // ten times as long has no best yet
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(window.clockText, "20:00");
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::TenTimesAsLong);
}

}  // namespace
}  // namespace scrambolo
