// Builds the hint window from its twips layout and turns its keys and button into the Close handler.
#include "scrambolo/qt/hint_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "common/qt/fault_exit.h"
#include "common/qt/qt_text.h"
#include "common/qt/window_units.h"
#include "scrambolo/window/window_layout.h"

namespace scrambolo::qt {

using common::qt::RunHandler;

HintWindow::HintWindow(double dpi, std::function<void()> onClose)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      onClose_(std::move(onClose)) {
    const common::qt::Twips twips(dpi);
    setWindowTitle(kHintWindowCaption);
    setFixedSize(twips(kHintClientWidth), twips(kHintClientHeight));

    // Tab order is creation order: the text, then Close.
    text_ = new QLineEdit(kText1Caption, this);
    text_->setGeometry(twips(kText1.left), twips(kText1.top), twips(kText1.width), twips(kText1.height));
    text_->setFont(common::qt::PointFont(kText1FontPoints));
    // The same name a screen reader gives the box on Windows, where a label of no size names it.
    text_->setAccessibleName(kHintBoxName);

    close_ = new QPushButton(kCmdCloseCaption, this);
    close_->setGeometry(twips(kCmdClose.left), twips(kCmdClose.top), twips(kCmdClose.width), twips(kCmdClose.height));
    close_->setFont(common::qt::PointFont(kCmdCloseFontPoints));
    connect(close_, &QPushButton::clicked, this, [this] { RunHandler(onClose_); });
}

void HintWindow::SetText(const std::string& text) {
    text_->setText(common::qt::FromGameText(text));
    // As in a Windows text box given new text, the caret stands before the first letter, where a
    // screen reader reads the whole line from.
    text_->setCursorPosition(0);
}

void HintWindow::ShowWithFocus() {
    show();
    raise();
    activateWindow();
    text_->setFocus(Qt::OtherFocusReason);
}

void HintWindow::keyPressEvent(QKeyEvent* event) {
    // Close is the window's cancel button: Esc presses it from anywhere in the window. Enter
    // presses it where it has the focus, as on Windows.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape || (enter && focusWidget() == close_)) {
        close_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HintWindow::closeEvent(QCloseEvent* event) {
    // The close box closes by way of the game, which destroys the window.
    event->ignore();
    RunHandler(onClose_);
}

}  // namespace scrambolo::qt
