// Drops the keys that come before a question the clock raised, and those that go on after it.
#include "common/qt/type_ahead_drop.h"

#include <QCoreApplication>

#include "common/system_port.h"

namespace common::qt {

TypeAheadDrop::TypeAheadDrop(QWidget* box) : box_(box) { QCoreApplication::instance()->installEventFilter(this); }

TypeAheadDrop::~TypeAheadDrop() { QCoreApplication::instance()->removeEventFilter(this); }

bool TypeAheadDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        quiet_.start();
    }
    switch (event->type()) {
        // A key pressed is first offered as a shortcut, then delivered: the two count as one press.
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            return DropPress(*static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return DropRelease(*static_cast<QKeyEvent*>(event));
        case QEvent::Shortcut:
            return Waiting();
        default:
            return false;
    }
}

bool TypeAheadDrop::Waiting() const {
    return !shown_ || quiet_.elapsed() < static_cast<qint64>(kTypeAheadDropSeconds * 1000.0);
}

bool TypeAheadDrop::DropPress(const QKeyEvent& key) {
    if (Waiting() || (key.isAutoRepeat() && untaken_.contains(key.key()))) {
        quiet_.start();
        untaken_.insert(key.key());
        return true;
    }
    untaken_.remove(key.key());
    return false;
}

bool TypeAheadDrop::DropRelease(const QKeyEvent& key) {
    if (untaken_.contains(key.key())) {
        if (!key.isAutoRepeat()) {
            untaken_.remove(key.key());
        }
        return true;
    }
    return Waiting();
}

}  // namespace common::qt
