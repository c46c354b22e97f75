// The end of the player's session (log-off, shutdown) seen by a game, so it can close as its close box does.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>

namespace common::qt {

// Turns SIGTERM and SIGHUP, which a desktop sends its programs when the session ends, into a call
// on the program's own thread, between events. One per program.
class SessionEnd final : public QObject {
public:
    explicit SessionEnd(std::function<void()> onEnd);
    ~SessionEnd() override;

private:
    std::function<void()> onEnd_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace common::qt
