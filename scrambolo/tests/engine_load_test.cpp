// Loading the word list and the high score: field rules, the copy beside the program, bad files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/testing/fake_system.h"
#include "scrambolo/engine/puzzle_engine.h"
#include "scrambolo/engine/word_rules.h"
#include "scrambolo/tests/fake_game_window.h"

namespace scrambolo {
namespace {

using Words = std::vector<std::string_view>;

class LoadTest : public ::testing::Test {
protected:
    LoadTest() {
        state.WordListPath = "C:\\WINDOWS\\SYSTEM\\jmsit32.dll";
        state.LetterRange = kAllRanges;
    }

    Words Entries() const { return Words(state.AllWords.begin(), state.AllWords.end()); }

    const std::string besideProgram = "C:\\Games\\Scrambolo\\jmsit32.dll";
    const std::string highScorePath = "C:\\Games\\Scrambolo\\highscore.dat";
    common::testing::FakeSystem system;
    testing::FakeGameWindow window;
    common::FoldingRandomSource random;
    GameState state;
    PuzzleEngine engine{state, window, random, system};
};

TEST_F(LoadTest, EntriesFollowTheFieldRuleAndKeepTheirCase) {
    system.files[state.WordListPath] = "cat\r\ndog\r\n";
    EXPECT_EQ(engine.LoadWordList(), LoadResult::Dealt);
    EXPECT_EQ(Entries(), (Words{"cat", "dog"}));

    system.files[state.WordListPath] = "ape,bee\r\n\"Cat\"\r\n  owl  \nyak";
    engine.LoadWordList();
    EXPECT_EQ(Entries(), (Words{"ape", "bee", "Cat", "owl", "yak"}));
    EXPECT_EQ(window.ShownLetterButtons(), 3);
}

TEST_F(LoadTest, TheListBesideTheProgramServesWhenTheSystemDirectoryHasNone) {
    system.files[besideProgram] = "planet\r\n";
    EXPECT_EQ(engine.LoadWordList(), LoadResult::Dealt);
    EXPECT_EQ(Entries(), Words{"planet"});
    EXPECT_EQ(state.WordListPath, "C:\\WINDOWS\\SYSTEM\\jmsit32.dll");

    system.files[state.WordListPath] = "cat\r\n";
    engine.LoadWordList();
    EXPECT_EQ(Entries(), Words{"cat"});  // the system directory's list comes first
}

TEST_F(LoadTest, AMissingListIsReportedWithTheFileAndBothPlacesLooked) {
    state.AllWords = {"old"};
    EXPECT_EQ(engine.LoadWordList(), LoadResult::WordListMissing);
    EXPECT_EQ(Entries(), Words{"old"});
    EXPECT_EQ(window.focused, 0);
    const std::string message = engine.WordListMissingMessage();
    EXPECT_NE(message.find("jmsit32.dll"), std::string::npos);
    EXPECT_NE(message.find(state.WordListPath), std::string::npos);
    EXPECT_NE(message.find(besideProgram), std::string::npos);
}

TEST_F(LoadTest, AnEmptyOrUnplayableListIsReportedNotDealt) {
    system.files[state.WordListPath] = "";
    EXPECT_EQ(engine.LoadWordList(), LoadResult::NoDealableWord);
    EXPECT_TRUE(state.AllWords.empty());
    system.files[state.WordListPath] = "\r\n\r\naa\r\nzzz\r\n";
    EXPECT_EQ(engine.LoadWordList(), LoadResult::NoDealableWord);
    EXPECT_EQ(window.focused, 0);
}

TEST_F(LoadTest, TheHighScoreIsTheFirstFieldOrZero) {
    system.files[state.WordListPath] = "cat\r\n";
    const std::vector<std::pair<std::string, std::int32_t>> cases = {{"17\r\n", 17},
                                                                     {"17,4\r\n", 17},
                                                                     {" 17", 17},
                                                                     {"", 0},
                                                                     {"seven\r\n", 0},
                                                                     {"12abc", 0},
                                                                     {"2147483647\r\n", 2147483647},
                                                                     {"2147483648\r\n", 0},
                                                                     {"99999999999999999999", 0},
                                                                     {"\r\n5", 0}};
    for (const auto& [text, expected] : cases) {
        state.HighScore = -99;
        system.files[highScorePath] = text;
        engine.LoadWordList();
        EXPECT_EQ(state.HighScore, expected) << text;
    }
    system.files.erase(highScorePath);
    state.HighScore = -99;
    engine.LoadWordList();
    EXPECT_EQ(state.HighScore, 0);
}

TEST(WordRules, DealableWordsAndRanges) {
    EXPECT_TRUE(IsDealable("cat"));
    EXPECT_TRUE(IsDealable("eel"));
    EXPECT_TRUE(IsDealable("planet"));
    EXPECT_FALSE(IsDealable("ox"));
    EXPECT_FALSE(IsDealable("planets"));
    EXPECT_FALSE(IsDealable("aaaa"));
    EXPECT_FALSE(IsDealable("ca t"));
    EXPECT_FALSE(IsDealable(std::string("ca\0t", 4)));
    EXPECT_FALSE(IsDealable("ca\tt"));
    EXPECT_FALSE(IsDealable("d\x7fg"));
    EXPECT_TRUE(IsDealable("caf\xe9"));
    EXPECT_TRUE(
        IsDealable("\x8a"
                   "af\x9c"));
    EXPECT_FALSE(IsDealable("caf\x81")) << "a byte the code page leaves undefined is shown as nothing";
    EXPECT_FALSE(
        IsDealable("\x9d"
                   "cat"));
    EXPECT_FALSE(IsDealable(""));
    EXPECT_TRUE(FitsLetterRange(2, kAllRanges));
    EXPECT_FALSE(FitsLetterRange(5, kRange34));
    EXPECT_FALSE(FitsLetterRange(4, 7));
}

}  // namespace
}  // namespace scrambolo
