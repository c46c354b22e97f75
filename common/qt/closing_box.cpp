// A message box closed by one of its buttons: the keyboard goes to the window beneath before the box does.
#include "common/qt/closing_box.h"

#include <QAbstractButton>
#include <QCloseEvent>
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

void HandKeyboardTo(QNativeInterface::QX11Application& x11, QWidget& window) {
    xcb_set_input_focus(x11.connection(), XCB_INPUT_FOCUS_PARENT, static_cast<xcb_window_t>(window.winId()),
                        XCB_CURRENT_TIME);
    xcb_flush(x11.connection());
}

}  // namespace

void HandKeyboardBackOnAnswer(QMessageBox& box, QWidget* owner) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (owner == nullptr || x11 == nullptr) {
        return;
    }
    QObject::connect(&box, &QMessageBox::buttonClicked, &box, [&box, x11, owner = QPointer<QWidget>(owner)] {
        QWindow* window = box.windowHandle();
        if (owner == nullptr || !owner->window()->isVisible() || window == nullptr) {
            return;
        }
        HandKeyboardTo(*x11, *owner->window());
        window->installEventFilter(new HideOnClose(box, *window));
    });
}

}  // namespace common::qt
