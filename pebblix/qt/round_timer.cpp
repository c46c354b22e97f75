// The round timer: the handlers' Enabled and Interval turned into starting and stopping a Qt timer.
#include "pebblix/qt/round_timer.h"

#include <utility>

namespace pebblix::qt {

RoundTimer::RoundTimer(std::function<void()> onFire) {
    // A coarse Qt timer may fire several hundred milliseconds early on a fifteen-second round.
    timer_.setTimerType(Qt::PreciseTimer);
    // Repeating, like the Windows timer: the handler switches it off when it fires. A firing held
    // up by a cue or a handler is delivered once, late, never twice.
    timer_.setSingleShot(false);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onFire));
}

void RoundTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void RoundTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Apply();
}

void RoundTimer::Shutdown() {
    shutDown_ = true;
    Apply();
}

void RoundTimer::Apply() {
    if (enabled_ && interval_ > 0 && !shutDown_) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

}  // namespace pebblix::qt
