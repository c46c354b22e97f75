// The last word of a game that met a fault: an "Error" box, then the program ends at once.
#include "scrambolo/qt/handler_guard.h"

#include <QMessageBox>
#include <QString>

#include <cstdlib>

namespace scrambolo::qt {

void EndAfterFault(const char* what) {
    QMessageBox box;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle("Error");
    box.setTextFormat(Qt::PlainText);
    box.setText(QString("Scrambolo met a problem it cannot recover from and will now close (") +
                QString::fromUtf8(what) + "). Your saved high score and settings are kept as they were.");
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    // Like the end of a process on Windows: no close handling runs, nothing more is written.
    std::_Exit(1);
}

}  // namespace scrambolo::qt
