// Builds the hint window from its twips layout and turns its keys and button into the Close handler.
#include "scrambolo/qt/cheat_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "scrambolo/qt/handler_guard.h"
#include "common/qt/qt_text.h"
#include "common/qt/window_units.h"

namespace scrambolo::qt {

CheatWindow::CheatWindow(double dpi, std::function<void()> onClose)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      onClose_(std::move(onClose)) {
    const common::qt::Twips twips(dpi);
    setWindowTitle("Cheat");
    setFixedSize(twips(4680), twips(3195));

    // Tab order is creation order: the text, then Close.
    text_ = new QLineEdit("Text1", this);
    text_->setGeometry(twips(50), twips(1320), twips(1215), twips(495));
    text_->setFont(common::qt::PointFont(14.25));
    // The same name a screen reader gives the box on Windows, where a label of no size names it.
    text_->setAccessibleName("Hint:");

    close_ = new QPushButton("&Close", this);
    close_->setGeometry(twips(3000), twips(1320), twips(1215), twips(495));
    close_->setFont(common::qt::PointFont(12));
    connect(close_, &QPushButton::clicked, this, [this] { RunHandler(onClose_); });
}

void CheatWindow::SetText(const std::string& text) {
    text_->setText(common::qt::FromGameText(text));
    // As in a Windows text box given new text, the caret stands before the first letter, where a
    // screen reader reads the whole line from.
    text_->setCursorPosition(0);
}

void CheatWindow::ShowWithFocus() {
    show();
    raise();
    activateWindow();
    text_->setFocus(Qt::OtherFocusReason);
}

void CheatWindow::keyPressEvent(QKeyEvent* event) {
    // Close is the window's cancel button: Esc presses it from anywhere in the window. Enter
    // presses it where it has the focus, as on Windows.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape || (enter && focusWidget() == close_)) {
        close_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CheatWindow::closeEvent(QCloseEvent* event) {
    // The close box closes by way of the game, which destroys the window.
    event->ignore();
    RunHandler(onClose_);
}

}  // namespace scrambolo::qt
