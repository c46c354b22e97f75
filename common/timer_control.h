// A timer control as the handlers know it; each game's GameWindow (Win32, Qt, browser, the tests' fakes) runs its WindowTimer.
#pragma once

namespace common {

// The one timer of a game's main window, as its platform runs it. The handlers never call it
// themselves: a TimerControl decides when it counts and how long.
class WindowTimer {
public:
    virtual ~WindowTimer() = default;

    // Counts the interval down afresh, whether or not it was counting, and fires the window's
    // timer handler each time the interval has passed, until it is stopped.
    virtual void StartTimer(int milliseconds) = 0;
    virtual void StopTimer() = 0;
};

// Fires once per Interval while Enabled; an interval of 0 never fires. Switching it on, or setting
// its interval, starts its countdown afresh: the time a handler gives is counted from that moment.
class TimerControl {
public:
    // As the window was designed; the window's timer is not counting yet, as neither game's timer
    // does when it is made (switched off, or with an interval of 0).
    TimerControl(WindowTimer& timer, bool enabled, int interval)
        : timer_(timer), enabled_(enabled), interval_(interval) {}

    bool Enabled() const { return enabled_; }
    int Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    void SetInterval(int milliseconds);

private:
    void Apply();

    WindowTimer& timer_;
    bool enabled_;
    int interval_;
};

}  // namespace common
