// The fault box of both games: the same plain message box as the games' own, shown before the program ends.
#include "common/qt/fault_box.h"

#include <QMessageBox>

#include "common/qt/qt_text.h"

namespace common::qt {

void ShowFaultBox(QWidget* owner, const std::string& title, const std::string& text) {
    QMessageBox box(owner);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(FromUtf8(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(FromUtf8(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace common::qt
