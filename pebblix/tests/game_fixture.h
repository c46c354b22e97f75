// The game wired to a fake window, a fake system and scripted draws, with a small dictionary ready.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/testing/fake_system.h"
#include "pebblix/logic/dictionary.h"
#include "pebblix/logic/game.h"
#include "pebblix/tests/fake_game_window.h"
#include "common/testing/scripted_random.h"

namespace pebblix::testing {

inline const std::string kProgramFolder = "C:\\Games\\Pebblix";
inline const std::string kSystemDirectory = "C:\\WINDOWS\\SYSTEM32";
inline const std::string kDictionaryPath = kSystemDirectory + "\\mswnby32.dll";
inline const std::string kOptionsPath = kProgramFolder + "\\pebblixoptions.dat";
inline const std::string kScorePath = kProgramFolder + "\\pebblixscor.dat";

// The words as a dictionary file: one a line, CR LF after each.
inline std::string DictionaryText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += word + "\r\n";
    }
    return text;
}

// Every slot of the table, slot 0 included, as strings a test can compare.
inline std::vector<std::string> SlotsOf(const WordTable& AllWords) {
    std::vector<std::string> slots;
    for (std::size_t slot = 0; slot < AllWords.SlotCount(); ++slot) {
        slots.emplace_back(AllWords[static_cast<std::int32_t>(slot)]);
    }
    return slots;
}

class GameFixture : public ::testing::Test {
protected:
    GameFixture() {
        system.programFolder = kProgramFolder;
        system.wordListFolder = kSystemDirectory;
        window.onUnload = [this] { game.Form_Unload(); };
    }

    // Starts the program over this dictionary, answering No to the welcome question, and forgets
    // what start-up showed so a test sees only what it causes.
    void Start(const std::vector<std::string>& words) {
        system.files[kDictionaryPath] = DictionaryText(words);
        system.answers.push_back(common::MessageAnswer::No);
        ASSERT_TRUE(game.Form_Load());
        system.messages.clear();
        system.sounds.clear();
    }

    // Types a guess into txtGuess and presses Check it!.
    void Guess(const std::string& typed) {
        window.guessText = typed;
        game.cmdEnter_Click();
    }

    // Scripts the next draw to land in the middle of this word's slot, so it is dealt next.
    void DealNext(const std::string& word) {
        const std::int32_t slot = FindWord(game.state.AllWords, word, 1, game.state.WordCount);
        ASSERT_NE(slot, 0) << word << " is not in the dictionary";
        random.draws.push_back((slot - 1 + 0.5) / static_cast<double>(game.state.WordCount));
    }

    common::testing::FakeSystem system;
    FakeGameWindow window;
    common::testing::ScriptedRandom random{common::testing::ScriptedRandom::AfterScript::Walk};
    Game game{window, system, random};
};

}  // namespace pebblix::testing
