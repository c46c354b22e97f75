// The real outside world for a game in the browser: message boxes, sounds, clocks, storage, fetches and tabs.
#pragma once

#include <functional>
#include <string>

#include "common/system_port.h"
#include "common/web/page_events.h"

namespace common::web {

// Data files are read from beside the page by their address; saved files live in the browser's
// storage under "<game>/<file name>", so their paths are those keys.
class WebSystem final : public SystemPort {
public:
    explicit WebSystem(std::string gameFolder) : gameFolder_(std::move(gameFolder)) {}

    // Where the page's events go: the game's window turns them into handler calls.
    void SetDispatcher(std::function<void(const PageEvent&)> dispatch) { dispatch_ = std::move(dispatch); }
    // Runs the game's events until the game has ended.
    void RunUntilEnded();
    // The game has closed its window: every wait and message box returns, no event is delivered.
    void EndProgram() { ended_ = true; }
    bool Ended() const { return ended_; }

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
    // A phone ends a background tab without a word to the page.
    bool EndsWithoutNotice() override { return true; }
    char PathSeparator() override { return '/'; }
    std::string ProgramFolder() override;
    std::string WordListFolder() override;
    std::string DataFolder() override;
    std::string SavedFilesFolder() override { return gameFolder_; }
    bool StartTextEditor(const std::string& path) override;
    std::string TextEditorName() override;
    bool OpenHelpText(const std::string& path) override;
    bool OpenWebAddress(const std::string& address) override;

private:
    bool IsSavedFile(const std::string& path) const;
    // Delivers every event waiting; stops early once the game has ended.
    void DeliverWaiting();

    std::string gameFolder_;
    std::function<void(const PageEvent&)> dispatch_;
    bool ended_ = false;
};

}  // namespace common::web
