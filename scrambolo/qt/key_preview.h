// The main window's key preview: every key pressed there reaches the game's key handler first.
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

namespace scrambolo::qt {

// Watches the main window's native window, which gets each key once, before the focused letter
// button does.
class KeyPreview final : public QObject {
public:
    // keyDown gets the Windows key code and the shift state (1 Shift, 2 Ctrl, 4 Alt).
    KeyPreview(QWidget* mainWindow, std::function<void(int keyCode, int shift)> keyDown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int, int)> keyDown_;
};

// The Windows virtual-key code of a key, 0 for a key that has none here.
int WindowsKeyCode(int qtKey);

}  // namespace scrambolo::qt
