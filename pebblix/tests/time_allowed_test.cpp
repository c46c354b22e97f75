// The time setting: each word's time scaled, a pick starting a new game, a best kept per setting, pebblixtime.dat.
#include <gtest/gtest.h>

#include "pebblix/tests/game_fixture.h"

namespace pebblix::testing {
namespace {

using common::MessageAnswer;
using common::TimeAllowedSetting;

const std::string kTimePath = kProgramFolder + "\\pebblixtime.dat";
const std::string kScore5Path = kProgramFolder + "\\pebblixscor5.dat";

class TimeAllowedTest : public GameFixture {
protected:
    const std::string& LastPrompt() const { return system.messages.back().prompt; }
};

TEST_F(TimeAllowedTest, TenTimesAsLongGivesTheFirstWord150SecondsAndNeverLessThan50) {
    system.files[kTimePath] = "10\r\n";
    Start({"eagle", "planet", "plane", "teacher", "tea"});
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::TenTimesAsLong);
    EXPECT_EQ(window.timerInterval, 150000);

    game.state.Score = 600;
    game.state.CurrentWord = "planet";
    Guess("plane");
    EXPECT_EQ(window.timerInterval, 50000);

    // Yes after the time runs out: a new game, its first word again 150 seconds.
    system.answers = {MessageAnswer::Yes};
    game.tmrWord_Timer();
    EXPECT_EQ(window.timerInterval, 150000);
}

TEST_F(TimeAllowedTest, APickEndsTheGameAsNewGameDoesAndTheCheckedItemDoesNothing) {
    Start({"eagle", "teacher", "tea"});
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::Standard);
    game.state.Score = 23;
    game.state.WordsGuessed = 4;
    window.focus = FakeGameWindow::Focus::Guess;
    bool timerStoppedDuringReport = false;
    system.onMessage = [&](const common::testing::FakeSystem::Message&) {
        timerStoppedDuringReport = !window.TimerRunning();
    };

    game.mnuTimeAllowed_Click(TimeAllowedSetting::TwiceAsLong);
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::TwiceAsLong);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(LastPrompt(), "New game started. You ended your previous game with 23 points.");
    EXPECT_TRUE(timerStoppedDuringReport);
    EXPECT_EQ(game.state.Score, 0);
    EXPECT_EQ(game.state.WordsGuessed, 0);
    EXPECT_EQ(window.focus, FakeGameWindow::Focus::Word);
    EXPECT_TRUE(window.TimerRunning());
    EXPECT_EQ(window.timerInterval, 30000);
    EXPECT_TRUE(system.writes.empty()) << "the abandoned score is not saved";

    const int restarts = window.timerRestarts;
    const std::string word = window.wordText;
    game.mnuTimeAllowed_Click(TimeAllowedSetting::TwiceAsLong);
    EXPECT_EQ(window.timeChecked, TimeAllowedSetting::TwiceAsLong);
    EXPECT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(window.timerRestarts, restarts);
    EXPECT_EQ(window.wordText, word);
}

TEST_F(TimeAllowedTest, EachSettingKeepsItsOwnBestAndTheStandardFilesTheirBytes) {
    system.files[kScorePath] = " 40 \r\n";
    system.files[kOptionsPath] = "#FALSE#\r\n";
    system.files[kTimePath] = "5\r\n";
    Start({"eagle", "teacher", "tea"});

    game.state.Score = 12;
    game.state.WordsGuessed = 3;
    system.answers = {MessageAnswer::Yes};
    game.tmrWord_Timer();
    EXPECT_NE(LastPrompt().find("You beat your old high score, which was 0! Play again?"), std::string::npos);
    EXPECT_EQ(system.files[kScore5Path], " 12 \r\n");
    EXPECT_EQ(window.timerInterval, 75000);

    // Back at Standard a game is judged against Standard's best.
    game.mnuTimeAllowed_Click(TimeAllowedSetting::Standard);
    game.state.Score = 30;
    game.state.WordsGuessed = 5;
    system.answers = {MessageAnswer::No};
    game.tmrWord_Timer();
    EXPECT_NE(LastPrompt().find("You did not beat your high score of 40. Play again?"), std::string::npos);

    EXPECT_EQ(window.unloads, 1);
    EXPECT_EQ(system.files[kScorePath], " 40 \r\n");
    EXPECT_EQ(system.files[kOptionsPath], "#FALSE#\r\n");
    EXPECT_EQ(system.files[kTimePath], "1\r\n");  // Standard written over the earlier choice
    EXPECT_EQ(system.writes, (std::vector<std::string>{kScore5Path, kOptionsPath, kTimePath}));
}

TEST_F(TimeAllowedTest, TheSettingFileIsKeptLikeTheOptionsFile) {
    // Never picked: no file. Picked: written at the unload and read back at the next start.
    Start({"eagle", "teacher", "tea"});
    window.UnloadMainWindow();
    EXPECT_EQ(system.files.count(kTimePath), 0u);
    FakeGameWindow secondWindow;
    Game second{secondWindow, system, random};
    secondWindow.onUnload = [&] { second.Form_Unload(); };
    system.answers = {MessageAnswer::No};
    ASSERT_TRUE(second.Form_Load());
    second.mnuTimeAllowed_Click(TimeAllowedSetting::TenTimesAsLong);
    secondWindow.UnloadMainWindow();
    EXPECT_EQ(system.files[kTimePath], "10\r\n");

    // A file there that cannot be read plays Standard and is never written over.
    system.unreadable.insert(kTimePath);
    FakeGameWindow lockedWindow;
    Game locked{lockedWindow, system, random};
    system.answers = {MessageAnswer::No};
    ASSERT_TRUE(locked.Form_Load());
    EXPECT_EQ(lockedWindow.timerInterval, 15000);
    locked.mnuTimeAllowed_Click(TimeAllowedSetting::TwiceAsLong);
    system.writes.clear();
    locked.Form_Unload();
    EXPECT_EQ(system.writes, std::vector<std::string>{kOptionsPath});
    EXPECT_EQ(system.files[kTimePath], "10\r\n");
}

TEST_F(TimeAllowedTest, WhereTheGameMayEndWithoutNoticeAPickIsSavedAtOnce) {
    system.endsWithoutNotice = true;
    system.files[kOptionsPath] = "#TRUE#\r\n";
    Start({"eagle", "teacher", "tea"});
    game.mnuTimeAllowed_Click(TimeAllowedSetting::FiveTimesAsLong);
    EXPECT_EQ(system.files[kTimePath], "5\r\n");
    // Another tab picks Standard afterwards: this tab's close does not put its own back.
    system.files[kTimePath] = "1\r\n";
    game.Form_Unload();
    EXPECT_EQ(system.files[kTimePath], "1\r\n");
    EXPECT_EQ(system.writes, std::vector<std::string>{kTimePath});
}

}  // namespace
}  // namespace pebblix::testing
