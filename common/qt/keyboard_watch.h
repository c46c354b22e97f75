// Watches the keys as they are pressed, ahead of the screen reader's hold on them.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <cstdint>
#include <optional>

namespace common::qt {

// With a screen reader running, Qt holds each key until the screen reader has seen it and then
// hands back a copy without the key's time, while a shortcut the key makes acts at once. The
// watch sees every press as it comes, by the shortcut check each press gets first, with its time.
//
// It keeps when the last key was pressed (the moment it went down, which a busy program learns
// late but unchanged), so that a question raised while the player types knows how long the
// keyboard has been quiet. And it swallows the copy of a modifier's press handed back after a key
// pressed with it: Alt+H has opened the Help menu by then, and a late Alt would close it again
// (the menu bar takes an Alt pressed and released alone as the way to and from its menus); the
// keys pressed with the modifier have had it already.
class KeyboardWatch final : public QObject {
public:
    KeyboardWatch();
    ~KeyboardWatch() override;

    std::optional<std::uint32_t> LastPress() const { return lastPress_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<std::uint32_t> lastPress_;
    int lastKey_ = 0;
};

// The time a key event carries: the X server's milliseconds, which wrap around after 49 days, so
// two are compared by their difference; 0 in a copy handed back by the screen reader's bridge.
std::uint32_t PressTime(const QKeyEvent& key);
std::int32_t Since(std::uint32_t earlier, std::uint32_t later);

}  // namespace common::qt
