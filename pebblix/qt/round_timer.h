// tmrWord on Linux: a precise, repeating Qt timer, as the Windows timer is, that stays stopped once the window goes.
#pragma once

#include <QTimer>

#include <functional>

namespace pebblix::qt {

class RoundTimer {
public:
    // onFire runs on the program's thread each time the interval has passed while it counts.
    explicit RoundTimer(std::function<void()> onFire);

    // Counts the interval afresh, as SetTimer does on a running Windows timer.
    void Start(int milliseconds);
    void Stop();

    // The window is going away: the timer stops and nothing starts it again.
    void Shutdown();

private:
    QTimer timer_;
    bool shutDown_ = false;
};

}  // namespace pebblix::qt
