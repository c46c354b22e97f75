// A setting the player picks and the game keeps in a file of its own: the file, what start-up found there, when the setting is written, and what the player is told when it cannot be.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/saved_file.h"
#include "common/system_port.h"

namespace common {

// On the desktop a setting is saved at every close, which always comes with notice. Where the game
// may end without notice (a browser's tab), it is saved the moment it is picked, and the close
// saves it again only after a pick whose save failed, so that another copy's later pick is never
// put back. A setting whose file the game always keeps also gets a first file at such a close.
// A file that was there at start-up but could not be read is never written over: what it holds is
// not known.
class SavedSetting {
public:
    enum class FirstFile { AtClose, OnlyWhenPicked };

    // What the player is told, in the game's words, with the file's path.
    struct Messages {
        std::string title;
        std::function<std::string(const std::string& path)> notRead;
        std::function<std::string(const std::string& path, SaveOutcome outcome)> notSaved;
    };

    // bytes gives the file's bytes for the setting's value now, or nothing when there is nothing
    // to keep.
    SavedSetting(SystemPort& system, std::string fileName, FirstFile firstFile, Messages messages,
                 std::function<std::optional<std::string>()> bytes);

    // The file in the saved-files folder.
    std::string Path() const;
    // Start-up: what the file holds, if it could be read.
    SavedFileRead Load();
    // The player picked a value.
    void Picked();
    // The main window closes.
    void AtClose();

private:
    // Writes the value, or tells the player why it was not written; told once, until a pick.
    void Save();

    SystemPort& system_;
    std::string fileName_;
    FirstFile firstFile_;
    Messages messages_;
    std::function<std::optional<std::string>()> bytes_;
    bool unreadable_ = false;
    bool unsaved_ = false;
};

}  // namespace common
