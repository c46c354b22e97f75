// The timer control's rules: an interval of 0 never counts, switching off always stops, and every
// switch on or new interval counts afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/timer_control.h"

namespace common {
namespace {

class RecordingTimer : public WindowTimer {
public:
    void StartTimer(int milliseconds) override { calls.push_back("start " + std::to_string(milliseconds)); }
    void StopTimer() override { calls.push_back("stop"); }

    std::vector<std::string> calls;
};

TEST(TimerControl, CountsOnlyWhileOnWithAnIntervalAndAfreshOnEveryChange) {
    RecordingTimer timer;
    TimerControl round(timer, true, 0);  // on, with no interval yet: it never fires
    round.SetEnabled(true);
    round.SetInterval(15000);
    round.SetInterval(15000);  // the same interval again still counts from now
    round.SetEnabled(false);
    round.SetInterval(13000);  // a new interval while off does not start it
    round.SetEnabled(true);
    round.SetEnabled(true);
    round.SetInterval(0);
    EXPECT_EQ(timer.calls, (std::vector<std::string>{"stop", "start 15000", "start 15000", "stop", "stop",
                                                     "start 13000", "start 13000", "stop"}));
    EXPECT_TRUE(round.Enabled());
    EXPECT_EQ(round.Interval(), 0);
}

}  // namespace
}  // namespace common
