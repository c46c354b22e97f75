// The round timer firing: the game is over; the best score is kept and the player may play again.
#include "pebblix/logic/pebblix_game.h"

#include "pebblix/logic/reports.h"
#include "pebblix/logic/saved_files.h"

namespace pebblix {

void PebblixGame::tmrWord_Timer() {
    window_.SetTimerEnabled(false);
    PlayCue(kGameOverSound);

    const std::string scorePath = SavedFile(kScoreFile);
    std::int16_t HighScore = 0;
    if (system_.FileExists(scorePath)) {
        HighScore = ReadHighScore(system_.ReadFile(scorePath));
    }
    if (state.Score > HighScore && !system_.ReplaceFile(scorePath, FormatScoreFile(state.Score))) {
        system_.ShowMessage(ScoreNotSavedMessage(scorePath), kTitle, common::MessageButtons::Ok);
    }

    const auto answer = system_.ShowMessage(GameOverReport(state.Score, state.WordsGuessed, HighScore), kTitle,
                                            common::MessageButtons::YesNo);
    if (answer == common::MessageAnswer::No) {
        window_.UnloadMainWindow();
        return;
    }
    NewGame();
    window_.FocusWord();
}

}  // namespace pebblix
