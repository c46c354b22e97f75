// Carries out the game logic's requests with Qt and POSIX on Linux; no rules of play live here.
#include "common/qt/qt_system.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "common/posix/player_folders.h"
#include "common/qt/closing_box.h"
#include "common/qt/cue_player.h"
#include "common/qt/keyboard_watch.h"
#include "common/qt/late_keys.h"
#include "common/qt/qt_text.h"
#include "common/qt/type_ahead_drop.h"
#include "common/text_file.h"

namespace common::qt {
namespace {

constexpr const char* kTextViewer = "xdg-open";

// A Yes/No box has no cancel: Esc and the close button leave it open, so a habitual Esc under a
// question never answers it.
class QuestionWithoutEscape : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            return true;
        }
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

QtSystem::QtSystem(std::string gameFolder)
    : gameFolder_(std::move(gameFolder)),
      cues_(std::make_unique<CuePlayer>(gameFolder_)),
      keyboard_(std::make_unique<KeyboardWatch>()) {}

QtSystem::~QtSystem() = default;

MessageAnswer QtSystem::ShowMessage(const std::string& prompt, const std::string& title, MessageButtons buttons,
                                    TypeAhead typeAhead) {
    // Kept a moment after it closes, for the keys pressed for the window beneath it.
    QMessageBox& box = *new QMessageBox(owner_.data());
    std::optional<TypeAheadDrop> keysForTheWord;
    if (typeAhead == TypeAhead::Dropped) {
        keysForTheWord.emplace(&box, *keyboard_);
    }
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(FromUtf8(title));
    box.setText(FromUtf8(prompt));
    box.setTextFormat(Qt::PlainText);
    QuestionWithoutEscape noEscape;
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.installEventFilter(&noEscape);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    // Taken over the moment it closes, within the key that closes it: the screen reader may hand
    // back that key and the next ones together, and the next ones reach the closed box before
    // its own loop has returned.
    QObject::connect(&box, &QDialog::finished, &box, [&box, owner = owner_] { LateKeys::Forward(&box, owner.data()); });
    HandKeyboardBackOnAnswer(box, owner_.data());
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::No ? MessageAnswer::No : MessageAnswer::Yes;
}

void QtSystem::PlayWave(const std::string& path, SoundMode mode) {
    if (mode == SoundMode::Async) {
        cues_->Play(path);
    } else {
        cues_->PlayToEnd(path);
    }
}

std::int64_t QtSystem::CurrentDateTime() {
    // Local wall-clock seconds, following changes of the system time and the time zone's offset.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<std::int64_t>(now) + local.tm_gmtoff;
}

double QtSystem::TimeOfDay() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + static_cast<double>(now.tv_nsec) / 1e9;
}

double QtSystem::MonotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void QtSystem::WaitForEvents(double maxSeconds) {
    // The timer only wakes the wait; whatever arrives first ends it, and everything waiting is
    // then delivered.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxSeconds <= 0 ? 0 : static_cast<int>(maxSeconds * 1000.0 + 0.5));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::optional<std::string> QtSystem::ReadFile(const std::string& path, std::size_t maxBytes) {
    return ReadWholeFile(path, maxBytes);
}

bool QtSystem::FileExists(const std::string& path) { return RegularFileExists(path); }

bool QtSystem::AnythingAt(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    // A path that cannot even be looked at may hide a saved file: count it as taken. Nothing can be
    // at one too long for the system.
    if (error) {
        return error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory &&
               error != std::errc::filename_too_long;
    }
    return status.type() != std::filesystem::file_type::not_found;
}

SaveOutcome QtSystem::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    // The saved-files folder is made on the first save, not before.
    const SaveOutcome folder = posix::MakeFolders(path.substr(0, path.find_last_of('/')));
    return folder == SaveOutcome::Saved ? common::ReplaceWholeFile(path, bytes) : folder;
}

std::string QtSystem::ProgramFolder() { return posix::ProgramFolder(); }

std::string QtSystem::WordListFolder() {
    // Installed, the program sits in <prefix>/games and its data in <prefix>/share/games/<game>.
    const std::string program = ProgramFolder();
    return program.substr(0, program.find_last_of('/')) + "/share/games/" + gameFolder_;
}

std::string QtSystem::DataFolder() {
    const std::string installed = WordListFolder();
    std::error_code error;
    return std::filesystem::is_directory(installed, error) ? installed : ProgramFolder();
}

std::string QtSystem::SavedFilesFolder() {
    // Without a home folder to keep them in, the scores stay beside the program, as on Windows.
    const std::string dataFolder = posix::PlayerDataFolder();
    return dataFolder.empty() ? ProgramFolder() : dataFolder + "/" + gameFolder_;
}

bool QtSystem::StartTextEditor(const std::string& path) {
    return QProcess::startDetached(kTextViewer, {FromUtf8(path)});
}

std::string QtSystem::TextEditorName() { return kTextViewer; }

bool QtSystem::OpenHelpText(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(FromUtf8(path)));
}

bool QtSystem::OpenWebAddress(const std::string& address) { return QDesktopServices::openUrl(QUrl(FromUtf8(address))); }

}  // namespace common::qt
