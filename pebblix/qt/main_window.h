// frmMain on Linux: the controls, menu and timer of the game's one window in Qt, carrying out its handlers.
#pragma once

#include <QMainWindow>

#include <string>

#include "common/qt/game_run.h"
#include "common/qt/menu_bar.h"
#include "pebblix/logic/game_window.h"
#include "pebblix/logic/game.h"
#include "pebblix/qt/round_timer.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pebblix::qt {

class MainWindow final : public QMainWindow, public GameWindow {
public:
    MainWindow();

    void SetGame(Game* game) { game_ = game; }
    // Its start and close, as every game's on Linux.
    common::qt::GameRun& Run() { return run_; }

    void SetWordText(const std::string& text) override;
    std::string GuessText() override;
    void SetGuessText(const std::string& text) override;
    void FocusWord() override;
    void FocusGuess() override;
    void SelectAllGuess() override;
    void StartTimer(int milliseconds) override;
    void StopTimer() override;
    void SetMenuCheck(int item, bool checked) override;
    void UnloadMainWindow() override { run_.Close(true); }
    void EndProgram() override { run_.Close(false); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    // What a Windows dialog does with a plain letter while a push button has the focus.
    bool PressAccessKey(QKeyEvent* event);
    void GoToGuessByAccessKey();
    // Shown after start-up, active, with the focus in txtWord.
    void ShowForPlay();

    Game* game_ = nullptr;
    QLineEdit* txtWord_ = nullptr;
    QLabel* lblWord_ = nullptr;
    QLineEdit* txtGuess_ = nullptr;
    QPushButton* cmdEnter_ = nullptr;
    common::qt::MenuBar* menus_ = nullptr;
    RoundTimer tmrWord_;
    common::qt::GameRun run_{*this, [this] { tmrWord_.Shutdown(); }, [this] { ShowForPlay(); }};
};

}  // namespace pebblix::qt
