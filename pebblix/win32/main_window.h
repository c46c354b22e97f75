// frmMain on Win32: the controls, menu and timer of the game's one window, carrying out its handlers.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/game_run.h"
#include "common/win32/message_pump.h"
#include "common/win32/plain_window.h"
#include "pebblix/logic/game_window.h"
#include "pebblix/logic/game.h"

namespace pebblix::win32 {

class MainWindow final : public GameWindow {
public:
    MainWindow(HINSTANCE instance, common::win32::MessagePump& pump) : instance_(instance), pump_(pump) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // Creates the window, hidden, with its controls laid out; false when Windows refused.
    bool Create();
    void SetGame(Game* game) { game_ = game; }
    HWND Handle() const { return window_; }
    // Its start and close, as every game's on Windows.
    common::win32::GameRun& Run() { return run_; }

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

    // Answers one message of the window (through RouteToWindow).
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateControls();
    void OnCommand(int id, int notification);
    // Shown after start-up, in the foreground, with the focus in txtWord.
    void ShowForPlay(int showCommand);

    HINSTANCE instance_;
    common::win32::MessagePump& pump_;
    Game* game_ = nullptr;
    HWND window_ = nullptr;
    HWND wordName_ = nullptr;
    HWND txtWord_ = nullptr;
    HWND lblWord_ = nullptr;
    HWND txtGuess_ = nullptr;
    HWND cmdEnter_ = nullptr;
    common::win32::FocusMemory focus_;
    HFONT font_ = nullptr;
    HACCEL accelerators_ = nullptr;
    common::win32::GameRun run_{pump_, [this] { StopTimer(); }, [this](int showCommand) { ShowForPlay(showCommand); }};
};

}  // namespace pebblix::win32
