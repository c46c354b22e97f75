// The fault box on Linux: the game's report, modal over every window of the game, then the process ends.
#include "common/qt/fault_exit.h"

#include <QMessageBox>

#include <cstdlib>

#include "common/qt/qt_text.h"

namespace common::qt {

void EndAfterFault(const std::string& what) {
    // Without an owner the box is modal to the whole program: no window of the game takes a key or
    // a click while the player reads it.
    QMessageBox box;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle("Error");
    box.setTextFormat(Qt::PlainText);
    box.setText(FromUtf8(FaultReportFor(what)));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    std::_Exit(1);
}

}  // namespace common::qt
