// F10 for a game window: a shortcut of the window that opens the first menu of its menu bar.
#include "common/qt/menu_keys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace common::qt {

void OpenFirstMenuOnF10(QMainWindow& window) {
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    QObject::connect(menuKey, &QShortcut::activated, &window, [&window] {
        QMenuBar* bar = window.menuBar();
        if (!bar->actions().isEmpty()) {
            bar->setActiveAction(bar->actions().first());
        }
    });
}

}  // namespace common::qt
