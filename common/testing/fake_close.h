// The close of a test's fake main window, carried out as every platform kit carries it out: once, the unload handler first.
#pragma once

#include <functional>

namespace common::testing {

// Window is a game's window interface; the fake window derives from FakeClose<Window>.
template <typename Window>
class FakeClose : public Window {
public:
    int unloads = 0;      // how often the unload handler ran
    bool ended = false;   // the program ended without the unload handler
    bool closed = false;  // the window has gone

    std::function<void()> onUnload;  // the game's unload handler, run as the real window runs it

    void UnloadMainWindow() override {
        if (closing_) {
            return;
        }
        closing_ = true;
        ++unloads;
        if (onUnload) {
            onUnload();
        }
        closed = true;
    }
    void EndProgram() override {
        if (!closing_) {
            closing_ = true;
            ended = true;
            closed = true;
        }
    }

private:
    // Set as the close begins: a close asked for while the unload handler runs changes nothing.
    bool closing_ = false;
};

}  // namespace common::testing
