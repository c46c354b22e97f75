// Keeps the time of the last key pressed, and drops modifiers the screen reader hands back too late.
#include "common/qt/keyboard_watch.h"

#include <QCoreApplication>

namespace common::qt {
namespace {

bool IsModifier(int key) {
    return key == Qt::Key_Alt || key == Qt::Key_Meta || key == Qt::Key_Control || key == Qt::Key_Shift;
}

}  // namespace

std::uint32_t PressTime(const QKeyEvent& key) { return static_cast<std::uint32_t>(key.timestamp()); }

std::int32_t Since(std::uint32_t earlier, std::uint32_t later) { return static_cast<std::int32_t>(later - earlier); }

KeyboardWatch::KeyboardWatch() { QCoreApplication::instance()->installEventFilter(this); }

KeyboardWatch::~KeyboardWatch() { QCoreApplication::instance()->removeEventFilter(this); }

bool KeyboardWatch::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (PressTime(key) == 0) {
        // A copy handed back: a modifier's, after another key went down, comes too late.
        return IsModifier(key.key()) && lastKey_ != 0 && lastKey_ != key.key();
    }
    if (!lastPress_ || Since(*lastPress_, PressTime(key)) >= 0) {
        lastPress_ = PressTime(key);
        lastKey_ = key.key();
    }
    return false;
}

}  // namespace common::qt
