// When a setting the player picks is written to its file: at every close, or at once where a game may end without notice.
#pragma once

#include <string>

#include "common/system_port.h"

namespace common {

// On the desktop a setting is saved at every close, which always comes with notice. Where the game
// may end without notice (a browser's tab), it is saved the moment it is picked, and the close
// saves it again only after a pick whose save failed, so that another copy's later pick is never
// put back. A setting whose file the game always keeps also gets a first file at such a close.
class SettingSave {
public:
    enum class FirstFile { AtClose, OnlyWhenPicked };

    explicit SettingSave(FirstFile firstFile) : firstFile_(firstFile) {}

    // The player picked the setting; true when it is to be saved now.
    bool Picked(SystemPort& system) {
        unsaved_ = true;
        return system.EndsWithoutNotice();
    }

    // Whether the close saves the setting, kept in the file at path.
    bool DueAtClose(SystemPort& system, const std::string& path) const {
        return !system.EndsWithoutNotice() || unsaved_ ||
               (firstFile_ == FirstFile::AtClose && !system.FileExists(path));
    }

    // A save begins: what it finds (an unreadable file, a write that fails) is told once.
    void Saving() { unsaved_ = false; }

    // The save failed: the close tries again.
    void Failed() { unsaved_ = true; }

private:
    FirstFile firstFile_;
    bool unsaved_ = false;
};

}  // namespace common
