// The last word of a game that met a fault: the fault box, then the program ends at once.
#include "scrambolo/qt/handler_guard.h"

#include <cstdlib>

#include "scrambolo/window/game_texts.h"

namespace scrambolo::qt {

void EndAfterFault(const char* what) {
    common::qt::ShowFaultBox(nullptr, "Error", FaultMessage(what));
    // Like the end of a process on Windows: no close handling runs, nothing more is written.
    std::_Exit(1);
}

}  // namespace scrambolo::qt
