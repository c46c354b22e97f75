// A scripted stand-in for the outside world: records what the game asks for, answers from a script.
#pragma once

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/system_port.h"

namespace common::testing {

class FakeSystem : public SystemPort {
public:
    struct Message {
        std::string prompt;
        std::string title;
        MessageButtons buttons;
        TypeAhead typeAhead;
    };
    struct Sound {
        std::string path;
        SoundMode mode;
    };

    // --- What the game did, in order.
    std::vector<Message> messages;
    std::vector<Sound> sounds;
    std::vector<std::string> editedFiles;  // files the text editor was started on
    std::vector<std::string> helpTextsOpened;
    std::vector<std::string> webAddressesOpened;
    std::vector<std::string> writes;  // paths replaced, in order
    int waits = 0;
    int deepestWait = 0;  // the most waits ever inside one another

    // --- The script.
    std::deque<MessageAnswer> answers;              // taken one per box; when empty, OK boxes say Ok, Yes/No boxes Yes
    std::function<void(const Message&)> onMessage;  // runs while a box is up, before it is answered
    std::function<void()> onWait;                   // runs inside each WaitForEvents, as events would
    std::map<std::string, std::string> files;
    std::set<std::string> unwritable;   // paths whose replacement fails (the old content stays)
    std::set<std::string> tooLong;      // paths longer than the system takes: nothing is or can be there
    std::set<std::string> hiddenFiles;  // present in files, but FileExists says no and they are not replaced
    std::set<std::string> unreadable;   // there (locked, a read error): reading fails, a replacement would not
    std::string programFolder = "C:\\Games\\Scrambolo";
    std::string wordListFolder = "C:\\WINDOWS\\SYSTEM";  // the system directory, as on Windows
    std::string dataFolder;                              // empty: the program folder, as on Windows
    std::string savedFilesFolder;                        // empty: the program folder, as on Windows
    char pathSeparator = '\\';
    bool editorStarts = true;
    bool opensSucceed = true;        // help texts and web addresses open
    bool endsWithoutNotice = false;  // a browser's tab: settings are saved when picked

    // --- The clocks: wall time in seconds (local), and a monotonic count that ignores midnight.
    double wallSeconds = 1'800'000'000.0 + 12 * 3600.0;
    double monotonicSeconds = 1000.0;
    double waitStep = 0.25;  // how much time one WaitForEvents lets pass

    void Advance(double seconds) {
        wallSeconds += seconds;
        monotonicSeconds += seconds;
    }

    // Sets the local time of day without touching the monotonic clock.
    void SetTimeOfDay(double secondsSinceMidnight) {
        wallSeconds = std::floor(wallSeconds / 86400.0) * 86400.0 + secondsSinceMidnight;
    }

    using SystemPort::ShowMessage;
    MessageAnswer ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons,
                              TypeAhead typeAhead) override {
        messages.push_back({prompt, title, buttons, typeAhead});
        if (onMessage) {
            onMessage(messages.back());
        }
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }

    void PlayWave(const std::string& path, SoundMode mode) override { sounds.push_back({path, mode}); }

    std::int64_t CurrentDateTime() override { return static_cast<std::int64_t>(std::floor(wallSeconds)); }
    double TimeOfDay() override { return std::fmod(wallSeconds, 86400.0); }
    double MonotonicSeconds() override { return monotonicSeconds; }

    void WaitForEvents(double maxSeconds) override {
        ++waits;
        ++waitDepth_;
        deepestWait = std::max(deepestWait, waitDepth_);
        Advance(maxSeconds < waitStep ? maxSeconds : waitStep);
        if (onWait) {
            onWait();
        }
        --waitDepth_;
    }

    std::map<std::string, std::size_t> readLimits;  // the most bytes each read asked for

    using SystemPort::ReadFile;
    std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) override {
        readLimits[path] = maxBytes;
        if (unreadable.count(path) != 0) {
            return std::nullopt;
        }
        const auto found = files.find(path);
        if (found == files.end()) {
            return std::nullopt;
        }
        return found->second.substr(0, maxBytes + 1);
    }

    bool FileExists(const std::string& path) override {
        return files.count(path) != 0 && hiddenFiles.count(path) == 0 && unreadable.count(path) == 0;
    }

    bool AnythingAt(const std::string& path) override { return files.count(path) != 0 || unreadable.count(path) != 0; }

    SaveOutcome ReplaceWholeFile(const std::string& path, std::string_view bytes) override {
        if (tooLong.count(path) != 0) {
            return SaveOutcome::PathTooLong;
        }
        if (unwritable.count(path) != 0 || hiddenFiles.count(path) != 0) {
            return SaveOutcome::Failed;
        }
        files[path] = std::string(bytes);
        unreadable.erase(path);
        writes.push_back(path);
        return SaveOutcome::Saved;
    }

    bool EndsWithoutNotice() override { return endsWithoutNotice; }
    char PathSeparator() override { return pathSeparator; }
    std::string ProgramFolder() override { return programFolder; }
    std::string WordListFolder() override { return wordListFolder; }
    std::string DataFolder() override { return dataFolder.empty() ? programFolder : dataFolder; }
    std::string SavedFilesFolder() override { return savedFilesFolder.empty() ? programFolder : savedFilesFolder; }

    bool StartTextEditor(const std::string& path) override {
        editedFiles.push_back(path);
        return editorStarts;
    }
    std::string TextEditorName() override { return "NOTEPAD.EXE"; }

    bool OpenHelpText(const std::string& path) override {
        helpTextsOpened.push_back(path);
        return opensSucceed;
    }
    bool OpenWebAddress(const std::string& address) override {
        webAddressesOpened.push_back(address);
        return opensSucceed;
    }

    // Convenience for tests: the names of the sounds played, without their folder.
    std::vector<std::string> SoundNames() const {
        std::vector<std::string> names;
        for (const Sound& sound : sounds) {
            const auto slash = sound.path.find_last_of(pathSeparator);
            names.push_back(slash == std::string::npos ? sound.path : sound.path.substr(slash + 1));
        }
        return names;
    }

private:
    int waitDepth_ = 0;
};

}  // namespace common::testing
