// The anagram game's main window: seven letter buttons, the clock label, the timer and the menus.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "common/win32/game_run.h"
#include "common/win32/message_pump.h"
#include "common/win32/plain_window.h"
#include "scrambolo/win32/hint_window.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_window.h"

namespace scrambolo::win32 {

// Carries out the handlers' requests on real controls and turns Windows messages into handler calls.
class MainWindow final : public GameWindow {
public:
    MainWindow(HINSTANCE instance, common::win32::MessagePump& pump);
    ~MainWindow() override;

    // Creates the window and its controls, hidden, as laid out at design time.
    bool Create();
    // The game gets the window's events, every key first (its key preview).
    void SetGame(Game* game);
    HWND Handle() const { return window_; }
    // Its start and close, as every game's on Windows. The load handler shows the window itself.
    common::win32::GameRun& Run() { return run_; }

    void SetButtonCaption(int index, const std::string& caption) override;
    void SetButtonShown(int index, bool shown) override;
    void FocusButton(int index) override;
    std::string ButtonCaption(int index) override;
    void PlaceButton(int index, int left, int top, int width) override;
    void SetOuterWidth(int width) override;
    void PlaceClockLabel(int left, int top) override;
    void ShowMainWindow() override;
    void SetClockText(const std::string& text) override;
    std::string ClockText() override;
    void SetWindowCaption(const std::string& text) override;
    void StartTimer(int milliseconds) override;
    void StopTimer() override;
    void SetMenuCheck(int item, bool checked) override;
    bool HintWindowExists() override;
    void CreateHintWindow() override;
    void SetHintText(const std::string& text) override;
    void ShowHintWindow() override;
    void CloseHintWindow() override;
    void UnloadMainWindow() override { run_.Close(true); }
    void EndProgram() override { run_.Close(false); }

    // Answers one message of the window (through RouteToWindow).
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnCommand(int id, int code);
    int LetterButtonIndex(HWND control) const;
    int Pixels(int twips) const;

    HINSTANCE instance_;
    common::win32::MessagePump& pump_;
    Game* game_ = nullptr;
    HintWindow hint_;
    HWND window_ = nullptr;
    std::array<HWND, 7> buttons_{};
    HWND clockLabel_ = nullptr;
    // Focus put back on reactivation is not the player moving it: no focus event then.
    common::win32::FocusMemory focus_;
    int dpi_ = 96;
    HFONT buttonFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    HACCEL accelerators_ = nullptr;
    common::win32::GameRun run_{pump_, [this] { StopTimer(); }, [](int) {}};
};

}  // namespace scrambolo::win32
