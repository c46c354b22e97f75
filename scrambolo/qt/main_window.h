// The anagram game's main window: seven letter buttons, the clock label, the timer and the menus.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <memory>
#include <string>

#include "common/qt/game_run.h"
#include "common/qt/menu_bar.h"
#include "common/qt/window_units.h"
#include "scrambolo/qt/hint_window.h"
#include "scrambolo/qt/key_preview.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_window.h"

namespace scrambolo::qt {

// Carries out the handlers' requests on real widgets and turns Qt events into handler calls.
class MainWindow final : public QMainWindow, public GameWindow {
public:
    // Creates the window and its widgets, hidden, as laid out at design time.
    MainWindow();

    // The game gets the window's events, every key first (its key preview).
    void SetGame(Game* game);
    // Its start and close, as every game's on Linux. The load handler shows the window itself.
    common::qt::GameRun& Run() { return run_; }

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QPushButton* Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int LetterButtonIndex(const QObject* widget) const;

    Game* game_ = nullptr;
    double dpi_;
    common::qt::Twips twips_;
    QWidget* client_;
    std::array<QPushButton*, 7> buttons_{};
    QLabel* clockLabel_;
    QTimer timer_;
    common::qt::MenuBar* menus_ = nullptr;
    QPointer<HintWindow> hint_;
    // The letter button a closing menu has just given the focus back to, until the events of that
    // moment are handled.
    QPointer<QPushButton> focusBackFromMenu_;
    std::unique_ptr<KeyPreview> keyPreview_;
    common::qt::GameRun run_{*this, [this] { timer_.stop(); }, [] {}};
};

}  // namespace scrambolo::qt
