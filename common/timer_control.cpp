// The timer control's rules, the same on every platform: what Enabled and Interval make the window's timer do.
#include "common/timer_control.h"

namespace common {

void TimerControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void TimerControl::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Apply();
}

void TimerControl::Apply() {
    if (enabled_ && interval_ > 0) {
        timer_.StartTimer(interval_);
    } else {
        timer_.StopTimer();
    }
}

}  // namespace common
