// The round timer: counts each round's time on a Qt timer exact enough for a fifteen-second round.
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

void RoundTimer::Start(int milliseconds) {
    if (!shutDown_) {
        timer_.start(milliseconds);
    }
}

void RoundTimer::Stop() { timer_.stop(); }

void RoundTimer::Shutdown() {
    shutDown_ = true;
    timer_.stop();
}

}  // namespace pebblix::qt
