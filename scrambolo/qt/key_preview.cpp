// Hands each key pressed in the main window to the game's key handler, with its Windows key code.
#include "scrambolo/qt/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWindow>

#include "common/qt/fault_exit.h"

namespace scrambolo::qt {

using common::qt::RunHandler;

int WindowsKeyCode(int qtKey) {
    // Letters and digits carry the same codes in both worlds.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return 0x70 + (qtKey - Qt::Key_F1);
    }
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0x09;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 0x0D;
        case Qt::Key_Shift:
            return 0x10;
        case Qt::Key_Control:
            return 0x11;
        case Qt::Key_Escape:
            return 0x1B;
        case Qt::Key_Space:
            return 0x20;
        case Qt::Key_Left:
            return 0x25;
        case Qt::Key_Up:
            return 0x26;
        case Qt::Key_Right:
            return 0x27;
        case Qt::Key_Down:
            return 0x28;
        default:
            return 0;
    }
}

KeyPreview::KeyPreview(QWidget* mainWindow, std::function<void(int, int)> keyDown) : keyDown_(std::move(keyDown)) {
    mainWindow->winId();
    mainWindow->windowHandle()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject*, QEvent* event) {
    // Menus and message boxes are windows of their own and take their keys. The menu bar, while
    // the keyboard walks it, and keys held with Alt, which Windows gives to the menu instead of
    // the window, are not the game's either.
    if (event->type() != QEvent::KeyPress || qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const int keyCode = WindowsKeyCode(key->key());
    if (modifiers.testFlag(Qt::AltModifier) || keyCode == 0) {
        return false;
    }
    const int shift =
        (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0);
    RunHandler([&] { keyDown_(keyCode, shift); });
    // The key then goes on to the focused control as usual.
    return false;
}

}  // namespace scrambolo::qt
