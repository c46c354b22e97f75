// Carries out the game logic's requests in the browser through the page's port; no rules of play live here.
#include "common/web/web_system.h"

#include <emscripten.h>

#include <cstdlib>

#include "common/web/page_text.h"

namespace {

// clang-format off
// The prompt and the title are UTF-8, as every message box's.
// A question that drops the type-ahead is given the time the keyboard must be quiet, 0 otherwise.
EM_JS(int, open_message, (const char* prompt, const char* title, int yesNo, int dropTypeAheadMs), {
    return gamePort.openMessage(UTF8ToString(prompt), UTF8ToString(title), yesNo !== 0, dropTypeAheadMs);
});

EM_JS(void, close_message, (int id), { gamePort.closeMessage(id); });

EM_JS(void, play_sound, (const char* url), { gamePort.playSound(UTF8ToString(url)); });

EM_ASYNC_JS(void, play_sound_to_end, (const char* url), { await gamePort.playSound(UTF8ToString(url)); });

EM_JS(double, local_date_time, (), {
    const now = new Date();
    return Math.floor(now.getTime() / 1000) - now.getTimezoneOffset() * 60;
});

EM_JS(double, time_of_day, (), {
    const now = new Date();
    return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds() + now.getMilliseconds() / 1000;
});

EM_JS(double, monotonic_seconds, (), { return performance.now() / 1000; });


EM_ASYNC_JS(char*, fetch_file, (const char* url, double maxBytes, int* length), {
    const data = await gamePort.fetchFile(UTF8ToString(url), maxBytes);
    if (data === null) return 0;
    const copy = _malloc(data.length + 1);
    HEAPU8.set(data, copy);
    HEAP32[length >> 2] = data.length;
    return copy;
});

// A length of -1 tells an entry that could not be read from one that is not there.
EM_JS(char*, read_saved, (const char* key, int* length), {
    const data = gamePort.readSaved(UTF8ToString(key));
    HEAP32[length >> 2] = data === undefined ? -1 : 0;
    if (!data) return 0;
    const copy = _malloc(data.length + 1);
    HEAPU8.set(data, copy);
    HEAP32[length >> 2] = data.length;
    return copy;
});

EM_JS(int, write_saved, (const char* key, const char* bytes, int length), {
    return gamePort.writeSaved(UTF8ToString(key), HEAPU8.slice(bytes, bytes + length)) ? 1 : 0;
});

EM_JS(char*, page_folder, (), { return gamePort.newText(gamePort.pageFolder()); });

EM_JS(int, open_tab, (const char* url), { return gamePort.openTab(UTF8ToString(url)) ? 1 : 0; });
// clang-format on

std::optional<std::string> Bytes(char* data, int length) {
    if (data == nullptr) {
        return std::nullopt;
    }
    std::string bytes(data, static_cast<std::size_t>(length));
    std::free(data);
    return bytes;
}

}  // namespace

namespace common::web {

void WebSystem::RunUntilEnded() {
    while (!ended_) {
        WaitForPageEvent(-1);
        DeliverWaiting();
    }
}

void WebSystem::DeliverWaiting() {
    while (!ended_) {
        const std::optional<PageEvent> event = TakePageEvent();
        if (!event) {
            return;
        }
        if (dispatch_ && event->kind != EventKind::Answer) {
            dispatch_(*event);
        }
    }
}

MessageAnswer WebSystem::ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons,
                                     TypeAhead typeAhead) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    if (ended_) {
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    const int box = open_message(prompt.c_str(), title.c_str(), yesNo ? 1 : 0,
                                 typeAhead == TypeAhead::Dropped ? static_cast<int>(kTypeAheadDropSeconds * 1000) : 0);
    // The box's own loop: the clock's ticks, the focus the page had already moved and the page
    // closing are delivered while it is up, as a modal box lets its owner's timers run. What the
    // player did to the window before the box came and the game has not yet taken (a second
    // Enter on a guess while its cue played) goes nowhere: the window behind a box is out of reach.
    for (;;) {
        WaitForPageEvent(-1);
        while (const std::optional<PageEvent> event = TakePageEvent()) {
            if (event->kind == EventKind::Answer && event->target == box) {
                close_message(box);
                if (!yesNo) {
                    return MessageAnswer::Ok;
                }
                return event->code == 2 ? MessageAnswer::No : MessageAnswer::Yes;
            }
            if (dispatch_ && (event->kind == EventKind::Timer || event->kind == EventKind::Focus ||
                              event->kind == EventKind::Close)) {
                dispatch_(*event);
            }
            if (ended_) {
                // The window went while the box was up: the box goes with it.
                close_message(box);
                return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
            }
        }
    }
}

void WebSystem::PlayWave(const std::string& path, SoundMode mode) {
    if (mode == SoundMode::Async) {
        play_sound(path.c_str());
    } else {
        play_sound_to_end(path.c_str());
    }
}

std::int64_t WebSystem::CurrentDateTime() { return static_cast<std::int64_t>(local_date_time()); }

double WebSystem::TimeOfDay() { return time_of_day(); }

double WebSystem::MonotonicSeconds() { return monotonic_seconds(); }

void WebSystem::WaitForEvents(double maxSeconds) {
    WaitForPageEvent(maxSeconds < 0 ? 0 : maxSeconds);
    DeliverWaiting();
}

bool WebSystem::IsSavedFile(const std::string& path) const { return path.starts_with(gameFolder_ + "/"); }

std::optional<std::string> WebSystem::ReadFile(const std::string& path, std::size_t maxBytes) {
    int length = 0;
    if (IsSavedFile(path)) {
        return Bytes(read_saved(path.c_str(), &length), length);
    }
    return Bytes(fetch_file(path.c_str(), static_cast<double>(maxBytes), &length), length);
}

bool WebSystem::FileExists(const std::string& path) { return ReadFile(path, 0).has_value(); }

bool WebSystem::AnythingAt(const std::string& path) {
    if (!IsSavedFile(path)) {
        return FileExists(path);
    }
    // Storage that failed to read may hold the entry: it counts as there, and is not written over.
    int length = 0;
    const std::optional<std::string> bytes = Bytes(read_saved(path.c_str(), &length), length);
    return bytes.has_value() || length < 0;
}

SaveOutcome WebSystem::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    // The browser's storage writes an entry whole or not at all; full or refused, it fails.
    const bool saved =
        IsSavedFile(path) && write_saved(path.c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
    return saved ? SaveOutcome::Saved : SaveOutcome::Failed;
}

std::string WebSystem::ProgramFolder() { return TakePageText(page_folder()); }

// The word list and the dictionary are beside the page: the page's folder is where they are
// looked for first and second alike.
std::string WebSystem::WordListFolder() { return ProgramFolder(); }

std::string WebSystem::DataFolder() { return ProgramFolder(); }

bool WebSystem::StartTextEditor(const std::string& path) { return open_tab(path.c_str()) != 0; }

std::string WebSystem::TextEditorName() { return "(a new tab of this browser)"; }

// The help text is beside the page, the web address elsewhere: each opens in a tab of its own.
bool WebSystem::OpenHelpText(const std::string& path) { return open_tab(path.c_str()) != 0; }

bool WebSystem::OpenWebAddress(const std::string& address) { return open_tab(address.c_str()) != 0; }

}  // namespace common::web
