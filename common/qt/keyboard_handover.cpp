// Gives the X server's keyboard focus to a window directly, as a closing box's last act.
#include "common/qt/keyboard_handover.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace common::qt {

void HandKeyboardTo(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (window == nullptr || x11 == nullptr || !window->isVisible()) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, static_cast<xcb_window_t>(window->winId()),
                        XCB_CURRENT_TIME);
    xcb_flush(connection);
}

}  // namespace common::qt
