// A box or window of the game that goes away gives the keyboard to the window beneath before it goes.
#include "common/qt/closing_box.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

#include <xcb/xcb.h>

namespace common::qt {
namespace {

// Hides the box, without the destruction of its X window that Qt's close brings.
class HideOnClose final : public QObject {
public:
    HideOnClose(QWidget& box, QWindow& window) : QObject(&window), box_(&box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close || box_ == nullptr) {
            return QObject::eventFilter(watched, event);
        }
        box_->hide();
        return true;
    }

private:
    QPointer<QWidget> box_;
};

}  // namespace

void HandKeyboardBackOnAnswer(QMessageBox& box, QWidget* owner) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (owner == nullptr || x11 == nullptr) {
        return;
    }
    QObject::connect(&box, &QMessageBox::buttonClicked, &box, [&box, owner = QPointer<QWidget>(owner)] {
        QWindow* window = box.windowHandle();
        if (owner == nullptr || !owner->window()->isVisible() || window == nullptr) {
            return;
        }
        HandKeyboardTo(*owner->window());
        window->installEventFilter(new HideOnClose(box, *window));
    });
}

void HandKeyboardTo(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || !window.isVisible()) {
        return;
    }
    xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT, static_cast<xcb_window_t>(window.winId()),
                        XCB_CURRENT_TIME);
    xcb_flush(x11->connection());
}

}  // namespace common::qt
