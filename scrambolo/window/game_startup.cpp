// Start-up of the anagram game: system directory, button row, saved range, word list, first deal, clock.
#include "scrambolo/window/game.h"

#include "common/field_reader.h"
#include "common/field_values.h"
#include "common/saved_file.h"
#include "common/time_allowed_commands.h"
#include "scrambolo/window/game_commands.h"

namespace scrambolo {
namespace {

// The row of letter buttons, in twips: 700 wide, 300 apart, from 100 across, 1400 down.
constexpr int kButtonWidth = 700;
constexpr int kButtonTop = 1400;
constexpr int kFirstButtonLeft = 100;
constexpr int kButtonStep = 1000;
constexpr int kClockTop = 100;

}  // namespace

Game::Game(GameWindow& window, common::SystemPort& system, common::RandomSource& random)
    : window_(window), system_(system), engine_(state, window, random, system) {}

bool Game::Form_Load() {
    if (!LocateSystemDirectory()) {
        return false;
    }
    window_.SetButtonShown(0, false);
    // The row is laid out on the nominal twips, so the window width does not drift with the
    // pixel rounding of each button.
    int left = kFirstButtonLeft;
    for (int index = 1; index <= 6; ++index) {
        window_.PlaceButton(index, left, kButtonTop, kButtonWidth);
        window_.SetButtonShown(index, true);
        if (index < 6) {
            left += kButtonStep;
        }
    }
    const int outerWidth = left + kFirstButtonLeft + kButtonWidth + 100;
    window_.SetOuterWidth(outerWidth);
    window_.PlaceClockLabel(outerWidth / 2, kClockTop);
    window_.ShowMainWindow();

    LoadLetterRange();
    LoadTimeAllowed();
    const LoadResult loaded = engine_.LoadWordList();
    if (loaded == LoadResult::WordListMissing) {
        system_.ShowMessage(engine_.WordListMissingMessage(), "Error", common::MessageButtons::Ok);
        return false;
    }
    if (loaded == LoadResult::WordListTooLarge) {
        system_.ShowMessage(engine_.WordListTooLargeMessage(), "Error", common::MessageButtons::Ok);
        return false;
    }
    if (!SettleDeal(loaded == LoadResult::Dealt ? DealResult::Dealt : DealResult::NoDealableWord)) {
        system_.ShowMessage("The word list holds no word of 3 to 6 letters to play. The program will now exit.",
                            "Error", common::MessageButtons::Ok);
        return false;
    }

    state.SwapPending = false;
    state.WordsGuessed = 0;
    state.HintsLeft = 10;
    StartClock();
    return true;
}

bool Game::LocateSystemDirectory() {
    state.SystemDirectory = system_.WordListFolder();
    if (state.SystemDirectory.size() < 3) {
        system_.ShowMessage("There was an error starting the program, please try again. The program will now exit.",
                            "Error", common::MessageButtons::Ok);
        return false;
    }
    state.WordListPath = system_.JoinPath(state.SystemDirectory, kWordListName);
    return true;
}

void Game::LoadLetterRange() {
    const common::SavedFileRead saved = letterRange_.Load();
    // A missing, empty or unreadable setting starts with every range, the widest choice.
    state.LetterRange = common::ParseInt32(common::ReadFirstField(saved.text.value_or(""))).ValueOr(kAllRanges);
    switch (state.LetterRange) {
        case kRange6:
            window_.SetMenuCheck(command::kOptions6, true);
            break;
        case kRange34:
            window_.SetMenuCheck(command::kOptions34, true);
            break;
        case kRange45:
            window_.SetMenuCheck(command::kOptions45, true);
            break;
        case kRange56:
            window_.SetMenuCheck(command::kOptions56, true);
            break;
        case kAllRanges:
            window_.SetMenuCheck(command::kOptionsAllRanges, true);
            break;
        default:
            break;
    }
}

void Game::LoadTimeAllowed() {
    state.TimeSetting = common::TimeAllowedFromFile(timeAllowed_.Load().text);
    common::CheckTimeAllowed(window_, state.TimeSetting);
}

bool Game::SettleDeal(DealResult result) {
    if (result == DealResult::NoDealableWord) {
        if (engine_.ApplyFallbackRange() != DealResult::Dealt) {
            return false;
        }
        system_.ShowMessage(
            "The word list has no words for this number of letters, so words of 3 to 6 letters are dealt instead.",
            "Scrambolo", common::MessageButtons::Ok);
    }
    ++deals_;
    return true;
}

void Game::DealWord() { SettleDeal(engine_.DealWord()); }

std::string_view Game::CurrentWord() const {
    const auto index = static_cast<std::size_t>(state.CurrentWordIndex);
    return state.CurrentWordIndex >= 0 && index < state.PlayWords.size() ? state.PlayWords[index] : std::string_view();
}

std::string Game::DataFile(const char* name) { return system_.JoinPath(system_.DataFolder(), name); }

std::string Game::SavedFile(std::string_view name) { return system_.JoinPath(system_.SavedFilesFolder(), name); }

void Game::PlayCue(const char* name) { system_.PlayWave(DataFile(name), common::SoundMode::Async); }

}  // namespace scrambolo
