// A started anagram game on the fake window and the fake system, with helpers to play it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/random_source.h"
#include "common/testing/fake_system.h"
#include "scrambolo/tests/fake_game_window.h"
#include "scrambolo/window/game.h"

namespace scrambolo::testing {

inline constexpr const char* kListPath = "C:\\WINDOWS\\SYSTEM\\jmsit32.dll";
inline constexpr const char* kDiffPath = "C:\\Games\\Scrambolo\\diff.dat";
inline constexpr const char* kHighScorePath = "C:\\Games\\Scrambolo\\highscore.dat";
inline constexpr int kKeyH = 72;
inline constexpr int kKeyC = 67;
inline constexpr int kKeyJ = 74;

class GameTest : public ::testing::Test {
protected:
    GameTest() {
        window.onFocus = [this](int index) { game.ButtonArray_GotFocus(index); };
        window.onUnload = [this] { game.Form_Unload(); };
        system.files[kListPath] = "planet\r\n";
        system.files[kDiffPath] = "-1\r\n";
    }

    void Start(const std::string& words) {
        system.files[kListPath] = words;
        ASSERT_TRUE(game.Form_Load());
    }

    GameState& State() { return game.state; }
    std::string Word() { return std::string(State().PlayWords.at(static_cast<std::size_t>(State().CurrentWordIndex))); }

    // Rebuilds the word with real presses of the letter buttons, two at a time.
    void Solve() {
        const std::string word = Word();
        for (std::size_t i = 0; i < word.size(); ++i) {
            const std::string row = window.Row();
            if (row[i] == word[i]) {
                continue;
            }
            const std::size_t from = row.find(word[i], i + 1);
            game.ButtonArray_Click(static_cast<int>(i) + 1);
            game.ButtonArray_Click(static_cast<int>(from) + 1);
        }
        ASSERT_EQ(window.Row(), word);
    }

    // Lets time pass and delivers one clock tick.
    void Tick(double seconds) {
        system.Advance(seconds);
        game.Timer1_Timer();
    }

    int Count(const std::string& sound) {
        int count = 0;
        for (const std::string& name : system.SoundNames()) {
            count += name == sound ? 1 : 0;
        }
        return count;
    }

    common::testing::FakeSystem system;
    FakeGameWindow window;
    common::FoldingRandomSource random;
    Game game{window, system, random};
};

}  // namespace scrambolo::testing
