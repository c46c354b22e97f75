// Re-aims the keys a closed message box receives at the window it belonged to, shortcuts included.
#include "common/qt/late_keys.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

// Qt's own way to try a key as a shortcut of the window that has the keyboard, as a key pressed
// there is tried before it is delivered; exported by Qt GUI for its test library.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* receiver, ulong timestamp, int key,
                                               Qt::KeyboardModifiers modifiers, const QString& text, bool autoRepeat,
                                               ushort count);

namespace common::qt {
namespace {

// The screen reader answers each key within Qt's time for it, a tenth of a second; the box waits
// well beyond what a run of keys pressed together takes.
constexpr int kHoldClosedBoxMilliseconds = 2000;

}  // namespace

void LateKeys::Forward(QWidget* closedBox, QWidget* owner) {
    if (owner == nullptr) {
        delete closedBox;
        return;
    }
    new LateKeys(closedBox, owner);
}

LateKeys::LateKeys(QWidget* closedBox, QWidget* owner) : QObject(owner), box_(closedBox), owner_(owner) {
    QCoreApplication::instance()->installEventFilter(this);
    QTimer::singleShot(kHoldClosedBoxMilliseconds, this, [this] {
        // Out of the way at once: deleted later only once the loop it was made in runs again,
        // which a game waiting inside a handler may not do for a long time.
        QCoreApplication::instance()->removeEventFilter(this);
        delete box_.data();
        deleteLater();
    });
}

bool LateKeys::ForTheBox(QObject* receiver) const {
    if (box_ == nullptr || receiver == nullptr) {
        return false;
    }
    if (receiver == box_->windowHandle()) {
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    return widget != nullptr && (widget == box_ || box_->isAncestorOf(widget));
}

bool LateKeys::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && ForTheBox(watched)) {
        waiting_.emplace_back(static_cast<QKeyEvent*>(event->clone()));
        DeliverWaiting();
        return true;
    }
    if (event->type() == QEvent::WindowActivate && watched == owner_) {
        DeliverWaiting();
    }
    return false;
}

void LateKeys::DeliverWaiting() {
    if (owner_ == nullptr || !owner_->isActiveWindow() || owner_->windowHandle() == nullptr) {
        return;  // until the window beneath has the keyboard again
    }
    // Taken out first: a key may open another box, whose own loop delivers keys in turn.
    std::vector<std::unique_ptr<QKeyEvent>> keys;
    keys.swap(waiting_);
    for (const auto& key : keys) {
        if (owner_ == nullptr) {
            return;
        }
        QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : owner_.data();
        if (key->type() == QEvent::KeyPress &&
            qt_sendShortcutOverrideEvent(focus, key->timestamp(), key->key(), key->modifiers(), key->text(),
                                         key->isAutoRepeat(), static_cast<ushort>(key->count()))) {
            continue;
        }
        QCoreApplication::sendEvent(owner_->windowHandle(), key.get());
    }
}

}  // namespace common::qt
