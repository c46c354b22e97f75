// frmMain on Win32: the controls, menu and timer of the game's one window, carrying out its handlers.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/plain_window.h"
#include "pebblix/logic/game_window.h"
#include "pebblix/logic/pebblix_game.h"

namespace pebblix::win32 {

class MainWindow final : public GameWindow {
public:
    explicit MainWindow(HINSTANCE instance) : instance_(instance) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // Creates the window, hidden, with its controls laid out; false when Windows refused.
    bool Create(PebblixGame& game);
    // Runs the load handler, then shows the window with the focus in txtWord unless the program
    // ended during start-up.
    void LoadAndShow(int showCommand);

    HWND Handle() const { return window_; }

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

    // Answers one message of the window (through RouteToWindow).
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateControls();
    void OnCommand(int id, int notification);
    // Closes the window; the unload handler runs first unless the program is ending at once.
    void Close(bool runUnloadHandler);

    HINSTANCE instance_;
    PebblixGame* game_ = nullptr;
    HWND window_ = nullptr;
    HWND wordName_ = nullptr;
    HWND txtWord_ = nullptr;
    HWND lblWord_ = nullptr;
    HWND txtGuess_ = nullptr;
    HWND cmdEnter_ = nullptr;
    common::win32::FocusMemory focus_;
    HFONT font_ = nullptr;
    bool closing_ = false;
};

}  // namespace pebblix::win32
