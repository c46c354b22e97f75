// frmMain on Linux: the controls, menu and timer of the game's one window in Qt, carrying out its handlers.
#pragma once

#include <QMainWindow>

#include <string>

#include "common/qt/time_allowed_menu.h"
#include "pebblix/logic/game_window.h"
#include "pebblix/logic/pebblix_game.h"
#include "pebblix/qt/round_timer.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pebblix::qt {

class MainWindow final : public QMainWindow, public GameWindow {
public:
    MainWindow();

    // Runs the load handler, then shows the window with the focus in txtWord; false when the
    // program ended during start-up.
    bool LoadAndShow(PebblixGame& game);

    void SetWordText(const std::string& text) override;
    std::string GuessText() override;
    void SetGuessText(const std::string& text) override;
    void FocusWord() override;
    void FocusGuess() override;
    void SelectAllGuess() override;
    void StartTimer(int milliseconds) override;
    void StopTimer() override;
    void SetSoundsChecked(bool checked) override;
    void SetTimeAllowedCheck(common::TimeAllowedSetting setting) override;
    void UnloadMainWindow() override;
    void EndProgram() override;

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
    // Closes the window and ends the program; the unload handler runs first unless the program is
    // ending at once.
    void Close(bool runUnloadHandler);

    PebblixGame* game_ = nullptr;
    QLineEdit* txtWord_ = nullptr;
    QLabel* lblWord_ = nullptr;
    QLineEdit* txtGuess_ = nullptr;
    QPushButton* cmdEnter_ = nullptr;
    QAction* mnuOptionsSounds_ = nullptr;
    common::qt::TimeAllowedMenu* timeAllowed_ = nullptr;
    RoundTimer tmrWord_;
    bool closing_ = false;
};

}  // namespace pebblix::qt
