// The menu commands and the unload handler through the fake window.
#include <gtest/gtest.h>

#include "common/testing/menu_table_checks.h"
#include "common/time_allowed.h"
#include "pebblix/logic/game_commands.h"
#include "pebblix/tests/game_fixture.h"

namespace pebblix::testing {
namespace {

using common::MessageButtons;

class Menus : public GameFixture {
protected:
    void SetUp() override { Start({"eagle", "teacher", "tea"}); }
};

TEST_F(Menus, NewGameReportsTheAbandonedScoreAndStartsOver) {
    game.state.Score = 23;
    game.state.WordsGuessed = 4;
    window.focus = FakeGameWindow::Focus::Guess;
    bool timerStoppedDuringReport = false;
    system.onMessage = [&](const common::testing::FakeSystem::Message&) {
        timerStoppedDuringReport = !window.TimerRunning();
    };
    game.mnuFileNew_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt, "New game started. You ended your previous game with 23 points.");
    EXPECT_EQ(system.messages[0].title, "Pebblix");
    EXPECT_EQ(system.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(timerStoppedDuringReport);
    EXPECT_EQ(game.state.Score, 0);
    EXPECT_EQ(game.state.WordsGuessed, 0);
    EXPECT_EQ(window.focus, FakeGameWindow::Focus::Word);
    EXPECT_TRUE(window.TimerRunning());
    EXPECT_EQ(window.timerInterval, 15000);
    EXPECT_TRUE(system.writes.empty()) << "the abandoned score is not saved";
}

TEST_F(Menus, SoundsTogglesTheCheckMarkAndExitSavesTheStateAtExit) {
    game.mnuOptionsSounds_Click();
    EXPECT_FALSE(game.state.SoundsOn);
    EXPECT_FALSE(window.soundsChecked);
    game.mnuOptionsSounds_Click();
    EXPECT_TRUE(game.state.SoundsOn);
    EXPECT_TRUE(window.soundsChecked);
    EXPECT_TRUE(system.writes.empty()) << "saved only at exit";

    game.mnuFileExit_Click();
    EXPECT_EQ(window.unloads, 1);
    EXPECT_EQ(system.files[kOptionsPath], "#TRUE#\r\n");
}

TEST_F(Menus, OptionsRoundTripWhateverTheFileHeldAtStart) {
    for (const char* held : {"#FALSE#\r\n", "#TRUE#\r\n", "junk"}) {
        for (bool toggle : {false, true}) {
            FakeGameWindow freshWindow;
            Game fresh{freshWindow, system, random};
            freshWindow.onUnload = [&] { fresh.Form_Unload(); };
            system.files[kOptionsPath] = held;
            system.answers = {common::MessageAnswer::No};
            fresh.Form_Load();
            const bool atStart = fresh.state.SoundsOn;
            if (toggle) {
                fresh.mnuOptionsSounds_Click();
            }
            freshWindow.UnloadMainWindow();
            EXPECT_EQ(system.files[kOptionsPath], toggle != atStart ? "#TRUE#\r\n" : "#FALSE#\r\n") << held;

            // The next start reads back what was written.
            FakeGameWindow nextWindow;
            Game next{nextWindow, system, random};
            system.answers = {common::MessageAnswer::No};
            next.Form_Load();
            EXPECT_EQ(next.state.SoundsOn, toggle != atStart);
            EXPECT_EQ(nextWindow.soundsChecked, toggle != atStart);
        }
    }
}

TEST_F(Menus, UnwritableOptionsFileIsReportedAndTheOldOneKept) {
    system.files[kOptionsPath] = "#TRUE#\r\n";
    system.unwritable.insert(kOptionsPath);
    game.mnuOptionsSounds_Click();
    game.Form_Unload();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix could not save your sound setting in C:\\Games\\Pebblix\\pebblixoptions.dat. "
              "The setting saved before is left as it was.");
    EXPECT_EQ(system.files[kOptionsPath], "#TRUE#\r\n");
}

TEST_F(Menus, WhereTheGameMayEndWithoutNoticeSoundsIsSavedOrToldWhenSwitched) {
    system.endsWithoutNotice = true;
    game.mnuOptionsSounds_Click();
    EXPECT_EQ(system.files[kOptionsPath], "#FALSE#\r\n");
    // Another tab switches sounds on again afterwards: this tab's close leaves its choice alone.
    system.files[kOptionsPath] = "#TRUE#\r\n";
    game.Form_Unload();
    EXPECT_EQ(system.files[kOptionsPath], "#TRUE#\r\n");
    EXPECT_EQ(system.writes.size(), 1u);

    system.unwritable.insert(kOptionsPath);
    game.mnuOptionsSounds_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix could not save your sound setting in C:\\Games\\Pebblix\\pebblixoptions.dat. "
              "The setting saved before is left as it was.");
}

TEST_F(Menus, WhereTheGameMayEndWithoutNoticeTheCloseWritesAFirstFileOnly) {
    system.endsWithoutNotice = true;
    system.files.erase(kOptionsPath);
    game.Form_Unload();
    EXPECT_EQ(system.files[kOptionsPath], "#TRUE#\r\n");
}

TEST_F(Menus, HelpAndWebOpenInTheDefaultViewerAndTheRoundGoesOn) {
    game.mnuHelpContents_Click();
    game.mnuHelpVisit_Click();
    EXPECT_EQ(system.helpTextsOpened, std::vector<std::string>{kProgramFolder + "\\readme.txt"});
    EXPECT_EQ(system.webAddressesOpened, std::vector<std::string>{"https://lanternfold.example.org/"});
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(window.TimerRunning());
}

TEST_F(Menus, HelpOrWebThatCannotBeOpenedIsReported) {
    system.opensSucceed = false;
    game.mnuHelpContents_Click();
    game.mnuHelpVisit_Click();
    ASSERT_EQ(system.messages.size(), 2u);
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix could not open the help file C:\\Games\\Pebblix\\readme.txt. The game goes on.");
    EXPECT_EQ(system.messages[1].prompt,
              "Pebblix could not open the web address https://lanternfold.example.org/. The game goes on.");
    EXPECT_FALSE(window.ended);
    EXPECT_TRUE(window.TimerRunning());
}

TEST_F(Menus, AboutBoxLeavesTheCountdownRunning) {
    game.mnuHelpAbout_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "About Pebblix");
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix version 1.0\r\nCopyright (C) 2026 Lanternfold Games\r\n"
              "Support: support@lanternfold.example.org\r\nWeb: https://lanternfold.example.org/");
    EXPECT_TRUE(window.TimerRunning());
}

// The one table every edition's menus come from: buildable, and each item runs its own handler.
TEST_F(Menus, EachItemOfTheCommandTableRunsItsOwnHandler) {
    common::testing::ExpectBuildableMenus(Commands().Entries());
    ASSERT_TRUE(Commands().Run(game, command::kOptionsSounds));
    EXPECT_FALSE(window.soundsChecked);
    EXPECT_FALSE(game.state.SoundsOn);
    ASSERT_TRUE(Commands().Run(game, common::TimeAllowedCommand(common::TimeAllowedSetting::TenTimesAsLong)));
    EXPECT_EQ(window.timeChecked, common::TimeAllowedSetting::TenTimesAsLong);
    ASSERT_TRUE(Commands().Run(game, command::kFileNew));
    EXPECT_EQ(system.messages.back().prompt, "New game started. You ended your previous game with 0 points.");
    ASSERT_TRUE(Commands().Run(game, command::kHelpContents));
    EXPECT_EQ(system.helpTextsOpened.size(), 1u);
    ASSERT_TRUE(Commands().Run(game, command::kHelpVisit));
    EXPECT_EQ(system.webAddressesOpened.size(), 1u);
    ASSERT_TRUE(Commands().Run(game, command::kHelpAbout));
    EXPECT_EQ(system.messages.back().title, "About Pebblix");
    EXPECT_FALSE(Commands().Run(game, command::kHelpMenu));
    EXPECT_FALSE(window.closed);
    ASSERT_TRUE(Commands().Run(game, command::kFileExit));
    EXPECT_TRUE(window.closed);
}

}  // namespace
}  // namespace pebblix::testing
