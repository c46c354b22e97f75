// When a picked setting is written, and what the player is told when it is not.
#include "common/saved_setting.h"

#include <utility>

namespace common {

SavedSetting::SavedSetting(SystemPort& system, std::string fileName, FirstFile firstFile, Messages messages,
                           std::function<std::optional<std::string>()> bytes)
    : system_(system),
      fileName_(std::move(fileName)),
      firstFile_(firstFile),
      messages_(std::move(messages)),
      bytes_(std::move(bytes)) {}

std::string SavedSetting::Path() const { return system_.JoinPath(system_.SavedFilesFolder(), fileName_); }

SavedFileRead SavedSetting::Load() {
    SavedFileRead read = ReadSavedFile(system_, Path());
    unreadable_ = read.unreadable;
    return read;
}

void SavedSetting::Picked() {
    unsaved_ = true;
    if (system_.EndsWithoutNotice()) {
        Save();
    }
}

void SavedSetting::AtClose() {
    if (!system_.EndsWithoutNotice() || unsaved_ || (firstFile_ == FirstFile::AtClose && !system_.FileExists(Path()))) {
        Save();
    }
}

void SavedSetting::Save() {
    const std::string path = Path();
    unsaved_ = false;
    if (unreadable_) {
        system_.ShowMessage(messages_.notRead(path), messages_.title, MessageButtons::Ok);
        return;
    }
    const std::optional<std::string> bytes = bytes_();
    if (!bytes) {
        return;
    }
    if (const SaveOutcome outcome = system_.ReplaceWholeFile(path, *bytes); outcome != SaveOutcome::Saved) {
        unsaved_ = true;
        system_.ShowMessage(messages_.notSaved(path, outcome), messages_.title, MessageButtons::Ok);
    }
}

}  // namespace common
