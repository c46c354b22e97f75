// Loading the dictionary into its slots, its limits, the mended sort, and the binary search.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/field_reader.h"
#include "pebblix/logic/dictionary.h"
#include "pebblix/tests/game_fixture.h"

namespace pebblix {
namespace {

using testing::DictionaryText;
using testing::SlotsOf;

TEST(LoadDictionary, FillsSlotsFromOneByTheFieldRule) {
    WordTable AllWords;
    std::int32_t WordCount = -1;
    // The CR LF after the last word adds no entry; a comma splits a line in two; blanks around a
    // field are dropped; a bare LF ends a line too.
    ASSERT_EQ(LoadDictionary("apple\r\nbar,baz\r\n  cat  \ndog\r\n", AllWords, WordCount), DictionaryLoad::Loaded);
    EXPECT_EQ(WordCount, 5);
    EXPECT_EQ(SlotsOf(AllWords), (std::vector<std::string>{"", "apple", "bar", "baz", "cat", "dog"}));

    ASSERT_EQ(LoadDictionary("", AllWords, WordCount), DictionaryLoad::Loaded);
    EXPECT_EQ(WordCount, 0);
    EXPECT_EQ(AllWords.SlotCount(), 1u);
}

TEST(LoadDictionary, ReadsEveryTextAsTheFieldReaderDoes) {
    // Plain lines take a fast path; everything else goes through the general reader. Both must
    // give the fields of the shared rule (sorted, as the table keeps them).
    for (const std::string text :
         {"", "abc", "a\r\nb", "b\na\n", "a\r\n\r\nb\r\n", "\r\n", "\n", "a\rb\r\n", "a\r", "a\r\r\nb",
          "abcdefgh\r\nijklmnop\rqrstuvwx\r\nyz\r\n", "abcdef\r\nghijklm\r\r\nnop\r\n",
          "\xe9t\xe9\r\n\xff\xfe\xfd\xfc\r\n", "x,y\r\n", "\"q,r\"tail\r\nz\r\n", " pad  \r\n", "tab\tx\r\n",
          "\tlead\r\n", "lf\ncr\rcrlf\r\n"}) {
        std::vector<std::string> expected = common::ReadAllFields(text);
        std::sort(expected.begin(), expected.end());
        expected.insert(expected.begin(), "");
        WordTable AllWords;
        std::int32_t WordCount = -1;
        ASSERT_EQ(LoadDictionary(text, AllWords, WordCount), DictionaryLoad::Loaded);
        EXPECT_EQ(SlotsOf(AllWords), expected) << text;
        EXPECT_EQ(WordCount, static_cast<std::int32_t>(expected.size() - 1)) << text;
    }
}

TEST(LoadDictionary, HoldsExactly110000WordsAndRefusesOneMore) {
    std::string text;
    for (int i = 0; i < kDictionaryCapacity; ++i) {
        text.append("w").append(std::to_string(100000 + i)).append("\r\n");
    }
    WordTable AllWords;
    std::int32_t WordCount = 0;
    ASSERT_EQ(LoadDictionary(text, AllWords, WordCount), DictionaryLoad::Loaded);
    EXPECT_EQ(WordCount, kDictionaryCapacity);
    EXPECT_EQ(AllWords[kDictionaryCapacity], "w209999");

    text += "zzzzz";  // the 110001st entry, even without a line end after it
    EXPECT_EQ(LoadDictionary(text, AllWords, WordCount), DictionaryLoad::TooManyWords);
    EXPECT_EQ(WordCount, 0);

    // The same limits when commas make the fields.
    std::string commas(kDictionaryCapacity, ',');
    ASSERT_EQ(LoadDictionary(commas, AllWords, WordCount), DictionaryLoad::Loaded);
    EXPECT_EQ(WordCount, kDictionaryCapacity);
    EXPECT_EQ(LoadDictionary(commas + ",", AllWords, WordCount), DictionaryLoad::TooManyWords);
}

TEST(LoadDictionary, SortsAListOutOfOrderSoEveryWordCanBeFound) {
    WordTable AllWords;
    std::int32_t WordCount = 0;
    const std::vector<std::string> shuffled{"pear", "apple", "Zebra", "zoo", "fig", "apples", "banana"};
    ASSERT_EQ(LoadDictionary(DictionaryText(shuffled), AllWords, WordCount), DictionaryLoad::Loaded);
    ASSERT_EQ(WordCount, 7);
    // Code order: capitals before lower case, a prefix before the longer word.
    EXPECT_EQ(SlotsOf(AllWords),
              (std::vector<std::string>{"", "Zebra", "apple", "apples", "banana", "fig", "pear", "zoo"}));
    for (const std::string& word : shuffled) {
        EXPECT_NE(FindWord(AllWords, word, 1, WordCount), 0) << word;
    }
}

TEST(FindWord, FindsFirstAndLastSlotsAndNothingElse) {
    WordTable AllWords;
    std::int32_t WordCount = 0;
    LoadDictionary(DictionaryText({"ant", "bee", "cat", "dog", "eel", "fox"}), AllWords, WordCount);
    EXPECT_EQ(FindWord(AllWords, "ant", 1, WordCount), 1);
    EXPECT_EQ(FindWord(AllWords, "fox", 1, WordCount), 6);
    EXPECT_EQ(FindWord(AllWords, "dog", 1, WordCount), 4);
    for (const char* absent : {"", "aardvark", "an", "ants", "cow", "zebra", "Ant"}) {
        EXPECT_EQ(FindWord(AllWords, absent, 1, WordCount), 0) << absent;
    }
    // Only the slots between the bounds are searched, and an empty range finds nothing.
    EXPECT_EQ(FindWord(AllWords, "ant", 2, WordCount), 0);
    EXPECT_EQ(FindWord(AllWords, "ant", 1, 0), 0);
}

TEST(FindWord, FindsEverySlotOfAFullDictionary) {
    std::string text;
    for (int i = 0; i < kDictionaryCapacity; ++i) {
        text.append("w").append(std::to_string(100000 + i)).append("\r\n");
    }
    WordTable AllWords;
    std::int32_t WordCount = 0;
    LoadDictionary(text, AllWords, WordCount);
    for (std::int32_t slot = 1; slot <= WordCount; slot += 997) {
        ASSERT_EQ(FindWord(AllWords, AllWords[slot], 1, WordCount), slot);
    }
    EXPECT_EQ(FindWord(AllWords, AllWords[WordCount], 1, WordCount), WordCount);
    EXPECT_EQ(FindWord(AllWords, "w2099995", 1, WordCount), 0);
}

TEST(HasWordToDeal, NeedsAWordOfFiveLetters) {
    WordTable AllWords;
    std::int32_t WordCount = 0;
    LoadDictionary(DictionaryText({"a", "be", "cat", "dove"}), AllWords, WordCount);
    EXPECT_FALSE(HasWordToDeal(AllWords, WordCount));
    LoadDictionary(DictionaryText({"a", "be", "cat", "dove", "eagle"}), AllWords, WordCount);
    EXPECT_TRUE(HasWordToDeal(AllWords, WordCount));
    LoadDictionary("", AllWords, WordCount);
    EXPECT_FALSE(HasWordToDeal(AllWords, WordCount));
}

}  // namespace
}  // namespace pebblix
