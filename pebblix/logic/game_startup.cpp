// Start-up, unload with the saved settings, and the dealing of games and words.
#include "pebblix/logic/game.h"

#include <utility>

#include "common/saved_file.h"
#include "common/time_allowed_commands.h"
#include "common/word_list.h"
#include "pebblix/logic/dictionary.h"
#include "pebblix/logic/game_commands.h"
#include "pebblix/logic/reports.h"
#include "pebblix/logic/saved_files.h"
#include "pebblix/logic/word_rules.h"

namespace pebblix {

using common::MessageAnswer;
using common::MessageButtons;

bool Game::Form_Load() {
    state.SystemDirectory = system_.WordListFolder();
    if (state.SystemDirectory.size() < 3) {
        system_.ShowMessage(kSystemDirectoryError, kErrorTitle, MessageButtons::Ok);
        return false;
    }

    const common::SavedFileRead options = sounds_.Load();
    // A file that cannot be read keeps the sounds on, as a missing one does.
    state.SoundsOn = system_.FileExists(sounds_.Path()) && options.text ? ReadSoundsOn(*options.text) : true;
    if (!state.SoundsOn) {
        window_.SetMenuCheck(command::kOptionsSounds, false);
    }
    // The time setting's file is taken as the options file is: one that FileExists does not see
    // (hidden, a system file) counts as missing.
    const common::SavedFileRead time = timeAllowed_.Load();
    state.TimeSetting = system_.FileExists(timeAllowed_.Path()) ? common::TimeAllowedFromFile(time.text)
                                                                : common::TimeAllowedSetting::Standard;
    common::CheckTimeAllowed(window_, state.TimeSetting);

    if (!FindAndLoadDictionary()) {
        return false;
    }

    if (system_.ShowMessage(kWelcomeQuestion, kTitle, MessageButtons::YesNo) == MessageAnswer::Yes) {
        system_.ShowMessage(kInstructions, kTitle, MessageButtons::Ok);
    }
    NewGame();
    return true;
}

// The dictionary lives in the system directory; a copy beside the program serves when that one is
// missing, so the game also runs from a folder of its own. False, the player told why, when there
// is none the game can play from.
bool Game::FindAndLoadDictionary() {
    const std::string systemPath = system_.JoinPath(state.SystemDirectory, kDictionaryFile);
    const std::string besidePath = system_.JoinPath(system_.ProgramFolder(), kDictionaryFile);
    std::string path = systemPath;
    auto text = system_.ReadFile(systemPath, common::kWordListMaxBytes);
    if (!text) {
        path = besidePath;
        text = system_.ReadFile(besidePath, common::kWordListMaxBytes);
    }
    if (!text) {
        system_.ShowMessage(DictionaryMissingMessage(systemPath, besidePath), kErrorTitle, MessageButtons::Ok);
        return false;
    }
    if (LoadDictionary(std::move(*text), state.AllWords, state.WordCount) == DictionaryLoad::TooManyWords) {
        system_.ShowMessage(DictionaryTooLargeMessage(path), kErrorTitle, MessageButtons::Ok);
        return false;
    }
    // PickWord draws until it meets a word it may deal; without one it would draw for ever.
    if (!HasWordToDeal(state.AllWords, state.WordCount)) {
        system_.ShowMessage(DictionaryWithoutLongWordMessage(path), kErrorTitle, MessageButtons::Ok);
        return false;
    }
    return true;
}

void Game::Form_Unload() {
    sounds_.AtClose();
    timeAllowed_.AtClose();
}

void Game::NewGame() {
    state.Score = 0;
    state.ShortWordsUsed = 0;
    state.WordsGuessed = 0;
    PickWord();
    window_.SetWordText(state.CurrentWord);
    window_.SetGuessText("");
}

void Game::PickWord() {
    do {
        random_.Reseed(system_.TimeOfDay());
        const std::int32_t slot = SlotFromDraw(random_.Draw(), state.WordCount);
        state.CurrentWord = state.AllWords[slot];
    } while (!CanDeal(state.CurrentWord));
    tmrWord_.SetEnabled(false);
    tmrWord_.SetEnabled(true);
    tmrWord_.SetInterval(TimeAllowed(state.Score, state.TimeSetting));
}

void Game::PlayCue(const char* waveFile) {
    if (state.SoundsOn) {
        system_.PlayWave(DataFile(waveFile), common::SoundMode::Sync);
    }
}

std::string Game::DataFile(const char* name) { return system_.JoinPath(system_.DataFolder(), name); }

std::string Game::SavedFile(std::string_view name) { return system_.JoinPath(system_.SavedFilesFolder(), name); }

}  // namespace pebblix
