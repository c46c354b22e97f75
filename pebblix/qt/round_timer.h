// tmrWord on Linux: a Qt timer that keeps the Windows timer's rules, which the game's handlers rely on.
#pragma once

#include <QTimer>

#include <functional>

namespace pebblix::qt {

class RoundTimer {
public:
    // onFire runs on the program's thread each time an interval has passed while switched on.
    explicit RoundTimer(std::function<void()> onFire);

    // Created switched on with an interval of 0, which never fires. Switching it on, or setting
    // its interval, starts the countdown afresh, as SetTimer does on a running timer.
    void SetEnabled(bool enabled);
    void SetInterval(int milliseconds);

    // The window is going away: the timer stops and nothing starts it again.
    void Shutdown();

private:
    void Apply();

    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 0;
    bool shutDown_ = false;
};

}  // namespace pebblix::qt
