// The round timer firing: the game is over; the best score is kept and the player may play again.
#include "pebblix/logic/game.h"

#include "common/saved_file.h"
#include "pebblix/logic/reports.h"
#include "pebblix/logic/saved_files.h"

namespace pebblix {

void Game::tmrWord_Timer() {
    tmrWord_.SetEnabled(false);
    PlayCue(kGameOverSound);

    // Each time setting keeps its own best: a game is judged against the best of the setting it
    // was played at.
    const std::string scorePath = SavedFile(common::FileNameForSetting(kScoreFile, state.TimeSetting));
    const common::SavedFileRead saved = common::ReadSavedFile(system_, scorePath);
    // A file that cannot be read counts as no best score, but what it holds is not written over.
    const std::int16_t HighScore = system_.FileExists(scorePath) ? ReadHighScore(saved.text) : 0;
    // Every box here comes from the clock, while the player may still be typing the guess: keys
    // meant for the guess answer none of them.
    constexpr auto guessKeys = common::TypeAhead::Dropped;
    if (state.Score > HighScore) {
        if (saved.unreadable) {
            system_.ShowMessage(ScoreNotReadMessage(scorePath), kTitle, common::MessageButtons::Ok, guessKeys);
        } else if (const common::SaveOutcome outcome =
                       system_.ReplaceWholeFile(scorePath, FormatScoreFile(state.Score));
                   outcome != common::SaveOutcome::Saved) {
            system_.ShowMessage(ScoreNotSavedMessage(scorePath, outcome), kTitle, common::MessageButtons::Ok,
                                guessKeys);
        }
    }

    const auto answer = system_.ShowMessage(GameOverReport(state.Score, state.WordsGuessed, HighScore), kTitle,
                                            common::MessageButtons::YesNo, guessKeys);
    if (answer == common::MessageAnswer::No) {
        window_.UnloadMainWindow();
        return;
    }
    NewGame();
    window_.FocusWord();
}

}  // namespace pebblix
