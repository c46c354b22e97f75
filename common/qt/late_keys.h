// Keys pressed for the game window while a message box was closing, delivered to that window.
#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

namespace common::qt {

// With a screen reader running, Qt hands each key to it and delivers the key only once it has
// answered, to the window that had the keyboard when the key was pressed. Keys pressed right
// after the one that closes a message box were meant for the window beneath it, but are
// delivered to the closed box and lost, and the Alt of an Alt+W then opens the menu bar.
class LateKeys final : public QObject {
public:
    // Takes over a box that has just closed: keys delivered to it from now on go to owner, as if
    // pressed there, once owner has the keyboard again. The box is deleted a moment later, when
    // every key the screen reader was holding for it has come.
    static void Forward(QWidget* closedBox, QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LateKeys(QWidget* closedBox, QWidget* owner);
    bool ForTheBox(QObject* receiver) const;
    void DeliverWaiting();

    QPointer<QWidget> box_;
    QPointer<QWidget> owner_;
    std::vector<std::unique_ptr<QKeyEvent>> waiting_;
};

}  // namespace common::qt
