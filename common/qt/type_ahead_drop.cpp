// Drops the keys that come before a question the clock raised, and those that go on after it.
#include "common/qt/type_ahead_drop.h"

#include <QCoreApplication>

#include "common/qt/keyboard_watch.h"
#include "common/system_port.h"

namespace common::qt {
namespace {

constexpr std::int32_t kQuietMilliseconds = static_cast<std::int32_t>(kTypeAheadDropSeconds * 1000.0);

}  // namespace

TypeAheadDrop::TypeAheadDrop(QWidget* box, const KeyboardWatch& keyboard)
    : box_(box), lastPress_(keyboard.LastPress()) {
    QCoreApplication::instance()->installEventFilter(this);
}

TypeAheadDrop::~TypeAheadDrop() { QCoreApplication::instance()->removeEventFilter(this); }

bool TypeAheadDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::Show && !shown_.isValid()) {
        shown_.start();
    }
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            return DropPress(*static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return DropRelease(*static_cast<QKeyEvent*>(event));
        case QEvent::Shortcut:
            return last_ && last_->dropped;
        default:
            return false;
    }
}

bool TypeAheadDrop::DropPress(const QKeyEvent& key) {
    const std::uint32_t time = PressTime(key);
    if (time == 0) {
        // A copy handed back: decided when it came, or pressed before the question, for the word.
        return droppedLast_.value(key.key(), true);
    }
    if (last_ && last_->time == time && last_->key == key.key()) {
        return last_->dropped;
    }
    // The box takes a key once it has been up for the while and the key came the while after the
    // one before it; a key held since it was dropped is still the same press.
    const bool waiting = !shown_.isValid() || shown_.elapsed() < kQuietMilliseconds ||
                         (lastPress_ && Since(*lastPress_, time) < kQuietMilliseconds) ||
                         (key.isAutoRepeat() && untaken_.contains(key.key()));
    if (!lastPress_ || Since(*lastPress_, time) > 0) {
        lastPress_ = time;
    }
    last_ = Decision{time, key.key(), waiting};
    droppedLast_.insert(key.key(), waiting);
    if (waiting) {
        untaken_.insert(key.key());
    } else {
        untaken_.remove(key.key());
    }
    return waiting;
}

bool TypeAheadDrop::DropRelease(const QKeyEvent& key) {
    if (untaken_.contains(key.key())) {
        if (!key.isAutoRepeat()) {
            untaken_.remove(key.key());
        }
        return true;
    }
    return !shown_.isValid();
}

}  // namespace common::qt
