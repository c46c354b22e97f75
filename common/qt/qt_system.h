// The real outside world for a game window on Linux: message boxes, sounds, clocks, files and launches with Qt.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

#include "common/system_port.h"

namespace common::qt {

class CuePlayer;
class KeyboardWatch;

class QtSystem final : public SystemPort {
public:
    // gameFolder names the game's folders: "<prefix>/share/games/<gameFolder>" for its data and
    // "<player's data folder>/<gameFolder>" for its saved files.
    explicit QtSystem(std::string gameFolder);
    ~QtSystem() override;

    // The window that owns message boxes.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    using SystemPort::ShowMessage;
    MessageAnswer ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons,
                              TypeAhead typeAhead) override;
    void PlayWave(const std::string& path, SoundMode mode) override;
    std::int64_t CurrentDateTime() override;
    double TimeOfDay() override;
    double MonotonicSeconds() override;
    void WaitForEvents(double maxSeconds) override;
    using SystemPort::ReadFile;
    std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) override;
    bool FileExists(const std::string& path) override;
    bool AnythingAt(const std::string& path) override;
    SaveOutcome ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
    char PathSeparator() override { return '/'; }
    std::string ProgramFolder() override;
    std::string WordListFolder() override;
    std::string DataFolder() override;
    std::string SavedFilesFolder() override;
    bool StartTextEditor(const std::string& path) override;
    std::string TextEditorName() override;
    bool OpenHelpText(const std::string& path) override;
    bool OpenWebAddress(const std::string& address) override;

private:
    std::string gameFolder_;
    QPointer<QWidget> owner_;
    std::unique_ptr<CuePlayer> cues_;
    // Watched from the start: a question raised while the player types knows when the last key
    // before it was pressed, and a modifier the screen reader hands back late is dropped.
    std::unique_ptr<KeyboardWatch> keyboard_;
};

}  // namespace common::qt
