// The letter-range items and diff.dat, the close that saves it, and the File and Help menus.
#include <gtest/gtest.h>

#include "common/maker.h"
#include "common/testing/menu_table_checks.h"
#include "common/time_allowed.h"
#include "scrambolo/window/game_commands.h"
#include "scrambolo/tests/game_fixture.h"

namespace scrambolo {
namespace {

using testing::kDiffPath;
using testing::kHighScorePath;

constexpr const char* kWords = "cat\r\nbird\r\nhorse\r\nplanet\r\nox\r\n";

class MenuTest : public testing::GameTest {};

TEST_F(MenuTest, TheSavedRangeChecksItsItemAndRulesTheFirstWord) {
    system.files[kDiffPath] = "56\r\n";
    Start(kWords);
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptions56});
    EXPECT_GE(Word().size(), 5u);
    EXPECT_EQ(State().PlayWords, (std::vector<std::string_view>{"horse", "planet"}));
}

TEST_F(MenuTest, TheSavedRangeIsReadByTheFieldRuleWithAllRangesForAnythingUnreadable) {
    const std::vector<std::pair<std::string, std::int32_t>> cases = {
        {"-1\r\n", -1}, {"45", 45},      {" 34\r\n", 34},         {"34,56\r\n", 34}, {"6\r\n", 6},
        {"", -1},       {"abc\r\n", -1}, {"99999999999\r\n", -1}, {"\r\n56", -1}};
    for (const auto& [text, expected] : cases) {
        testing::FakeGameWindow freshWindow;
        Game fresh(freshWindow, system, random);
        system.files[kDiffPath] = text;
        fresh.LoadLetterRange();
        EXPECT_EQ(fresh.state.LetterRange, expected) << text;
        EXPECT_EQ(freshWindow.CheckedItems().size(), 1u) << text;
    }
    system.files.erase(kDiffPath);
    Start(kWords);
    EXPECT_EQ(State().LetterRange, kAllRanges);
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptionsAllRanges});
}

TEST_F(MenuTest, AnUnknownSavedRangeChecksNothingDealsAllWordsAndIsWrittenBack) {
    system.files[kDiffPath] = "7\r\n";
    Start(kWords);
    EXPECT_TRUE(window.CheckedItems().empty());
    ASSERT_EQ(system.messages.size(), 1u);  // the player is told that no word fits the range
    EXPECT_EQ(system.messages[0].title, "Scrambolo");
    EXPECT_EQ(State().PlayWords, (std::vector<std::string_view>{"cat", "bird", "horse", "planet"}));
    game.mnuFileExit_Click();
    EXPECT_EQ(system.files[kDiffPath], "7\r\n");
}

TEST_F(MenuTest, APickChecksOneItemDealsAndLeavesClockScoreAndHintsAlone) {
    Start(kWords);
    State().WordsGuessed = 3;
    game.Form_KeyDown(testing::kKeyC, 0);
    const std::string hint = window.hintText;
    Tick(90);
    game.ButtonArray_Click(2);  // a swap half done
    window.focused = 2;
    system.sounds.clear();

    game.mnuOptions6_Click();
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptions6});
    EXPECT_EQ(State().LetterRange, 6);
    EXPECT_EQ(Word(), "planet");
    EXPECT_EQ(window.focused, 1);
    EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"click.wav"});
    EXPECT_FALSE(State().SwapPending);
    EXPECT_EQ(State().WordsGuessed, 3);
    EXPECT_EQ(State().HintsLeft, 9);
    EXPECT_TRUE(window.hintExists);
    EXPECT_EQ(window.hintText, hint);
    Tick(0.25);
    EXPECT_EQ(window.clockText, "00:30");

    game.ButtonArray_Click(4);  // the next press starts a new swap
    EXPECT_TRUE(State().SwapPending);
    EXPECT_EQ(State().SwapFirst, 4);

    game.mnuOptions6_Click();  // the checked item again: still checked, a new deal
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptions6});
    EXPECT_FALSE(State().SwapPending);

    game.mnuOptions34_Click();
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptions34});
    EXPECT_LE(Word().size(), 4u);
    game.mnuOptions45_Click();
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptions45});
    game.mnuOptions56_Click();
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptions56});
    game.mnuOptionsAllRanges_Click();
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptionsAllRanges});
    EXPECT_TRUE(system.messages.empty());
}

TEST_F(MenuTest, ARangeWithoutWordsIsToldAndPlayGoesOnWithAllLengths) {
    Start("cat\r\nbird\r\n");
    game.mnuOptions6_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(window.CheckedItems(), std::vector<int>{command::kOptions6});
    EXPECT_EQ(State().LetterRange, 6);
    EXPECT_EQ(window.ShownLetterButtons(), static_cast<int>(Word().size()));
    EXPECT_TRUE(window.timerOn);
}

TEST_F(MenuTest, EveryCloseWritesTheRangeInItsNormalForm) {
    system.files[kDiffPath] = " 34";
    Start(kWords);
    game.Form_KeyDown(testing::kKeyC, 0);
    window.UnloadMainWindow();  // the close box
    EXPECT_EQ(system.files[kDiffPath], "34\r\n");
    EXPECT_FALSE(window.hintExists);
    EXPECT_TRUE(window.closed);
    EXPECT_FALSE(window.timerOn);
    EXPECT_EQ(system.writes, std::vector<std::string>{kDiffPath});
    window.UnloadMainWindow();  // a second close request changes nothing
    EXPECT_EQ(system.writes.size(), 1u);
    EXPECT_EQ(window.callsAfterClose, 0);
}

TEST_F(MenuTest, ExitMidGameWritesTheRangeButNoHighScore) {
    Start(kWords);
    game.mnuOptions6_Click();
    State().WordsGuessed = 50;
    game.mnuFileExit_Click();
    EXPECT_EQ(system.files[kDiffPath], "6\r\n");
    EXPECT_EQ(system.files[kDiffPath].size(), 3u);
    EXPECT_EQ(system.files.count(kHighScorePath), 0u);
    EXPECT_TRUE(system.messages.empty());
}

TEST_F(MenuTest, ARangeThatCannotBeSavedIsToldAndTheCloseGoesOn) {
    Start(kWords);
    system.unwritable.insert(kDiffPath);
    game.mnuOptions45_Click();
    game.mnuFileExit_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "The number of letters you chose could not be saved in C:\\Games\\Scrambolo\\diff.dat. The setting "
              "saved before is kept as it was.");
    EXPECT_EQ(system.files[kDiffPath], "-1\r\n");
    EXPECT_TRUE(window.closed);
}

TEST_F(MenuTest, WhereTheGameMayEndWithoutNoticeAPickIsSavedOrToldAtOnce) {
    system.endsWithoutNotice = true;
    Start(kWords);
    game.mnuOptions45_Click();
    EXPECT_EQ(system.files[kDiffPath], "45\r\n");
    // Another tab picks 5 To 6 afterwards: this tab's close does not put its own pick back.
    system.files[kDiffPath] = "56\r\n";
    game.Form_Unload();
    EXPECT_EQ(system.files[kDiffPath], "56\r\n");
    EXPECT_EQ(system.writes, std::vector<std::string>{kDiffPath});

    // A pick that cannot be saved is told when it is made; the close tries it once more.
    testing::FakeGameWindow secondWindow;
    Game second{secondWindow, system, random};
    secondWindow.onFocus = [&](int index) { second.ButtonArray_GotFocus(index); };
    ASSERT_TRUE(second.Form_Load());
    system.unwritable.insert(kDiffPath);
    second.mnuOptions34_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "The number of letters you chose could not be saved in C:\\Games\\Scrambolo\\diff.dat. The setting "
              "saved before is kept as it was.");
    system.unwritable.clear();
    second.Form_Unload();
    EXPECT_EQ(system.files[kDiffPath], "34\r\n");
    EXPECT_EQ(system.messages.size(), 1u);
}

TEST_F(MenuTest, WhereTheGameMayEndWithoutNoticeTheCloseWritesAFirstFileOnly) {
    system.endsWithoutNotice = true;
    system.files.erase(kDiffPath);
    Start(kWords);
    game.Form_Unload();
    EXPECT_EQ(system.files[kDiffPath], "-1\r\n");
}

TEST_F(MenuTest, ARangeWhosePathIsTooLongIsToldSo) {
    Start(kWords);
    system.tooLong.insert(kDiffPath);
    game.mnuFileExit_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "The number of letters you chose could not be saved: the path C:\\Games\\Scrambolo\\diff.dat is too "
              "long. The setting saved before is kept as it was.");
    EXPECT_TRUE(window.closed);
}

TEST_F(MenuTest, HelpOpensTheTextInTheEditorAndSaysSoWhenItCannot) {
    system.programFolder = "C:\\Program Files\\Word Games";
    Start(kWords);
    game.mnuHelpContents_Click();
    EXPECT_EQ(system.editedFiles, std::vector<std::string>{"C:\\Program Files\\Word Games\\scrambolo.TXT"});
    EXPECT_TRUE(system.messages.empty());

    system.editorStarts = false;
    game.mnuHelpContents_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "The help could not be opened: the text editor NOTEPAD.EXE could not be started.");
    EXPECT_TRUE(window.timerOn);
    EXPECT_FALSE(window.closed);
}

TEST_F(MenuTest, TheWebItemOpensTheMakersAddressAndSaysSoWhenItCannot) {
    Start(kWords);
    game.mnuHelpWeb_Click();
    ASSERT_EQ(system.webAddressesOpened.size(), 1u);
    EXPECT_EQ(system.webAddressesOpened[0], common::maker::kWebAddress);
    EXPECT_TRUE(system.messages.empty());
    system.opensSucceed = false;
    game.mnuHelpWeb_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt, std::string("The web site ") + common::maker::kWebAddress +
                                             " could not be opened: no web browser could be started.");
}

TEST_F(MenuTest, TheAboutBoxWordForWord) {
    Start(kWords);
    game.mnuHelpAbout_Click();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "About Scrambolo");
    EXPECT_EQ(system.messages[0].buttons, common::MessageButtons::Ok);
    EXPECT_EQ(system.messages[0].prompt,
              "Scrambolo version 1.0\r\nCopyright (C) 2026 Lanternfold Games\r\n"
              "Support: support@lanternfold.example.org\r\nWeb: lanternfold.example.org");
}

// The one table every edition's menus come from: buildable, and each item runs its own handler.
TEST_F(MenuTest, EachItemOfTheCommandTableRunsItsOwnHandler) {
    common::testing::ExpectBuildableMenus(Commands().Entries());
    Start(kWords);
    for (const int item : command::kLetterRanges) {
        ASSERT_TRUE(Commands().Run(game, item));
        EXPECT_EQ(window.CheckedItems(), std::vector<int>{item});
    }
    EXPECT_EQ(State().LetterRange, kAllRanges);
    ASSERT_TRUE(Commands().Run(game, common::TimeAllowedCommand(common::TimeAllowedSetting::TwiceAsLong)));
    EXPECT_EQ(window.timeChecked, common::TimeAllowedSetting::TwiceAsLong);
    EXPECT_EQ(State().TimeSetting, common::TimeAllowedSetting::TwiceAsLong);
    ASSERT_TRUE(Commands().Run(game, command::kHelpContents));
    EXPECT_EQ(system.editedFiles.size(), 1u);
    ASSERT_TRUE(Commands().Run(game, command::kHelpWeb));
    EXPECT_EQ(system.webAddressesOpened.size(), 1u);
    ASSERT_TRUE(Commands().Run(game, command::kHelpAbout));
    EXPECT_EQ(system.messages.back().title, "About Scrambolo");
    EXPECT_FALSE(Commands().Run(game, command::kOptionsMenu));
    EXPECT_FALSE(Commands().Run(game, 1));
    EXPECT_FALSE(window.closed);
    ASSERT_TRUE(Commands().Run(game, command::kFileExit));
    EXPECT_TRUE(window.closed);
}

}  // namespace
}  // namespace scrambolo
