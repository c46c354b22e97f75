// The main window's load and unload handlers, which start and end a run of a game on every platform, and the close they ask of the window.
#pragma once

namespace common {

// The two handlers of a game's main window that start and end a run; each game implements them and
// each platform kit (common/<platform>/game_run.h) calls them.
class GameLifetime {
public:
    // Start-up. False when the program must end at once, without the unload handling; the player
    // has been told why.
    virtual bool Form_Load() = 0;
    // Runs once when the main window is unloaded, whatever unloads it (its close box, Exit, the
    // end of the session, the answer that ends a game): the game saves what it keeps and closes
    // its other windows. The window goes and the program ends afterwards.
    virtual void Form_Unload() = 0;

protected:
    ~GameLifetime() = default;
};

// What a game's handlers ask of its main window to end the program. Implemented by every platform's
// main windows through their kit, and by the tests' fake windows (common/testing/fake_close.h).
class MainWindowClose {
public:
    // Unloads the main window as its close box does: the unload handler runs once, then the window
    // goes and the program ends. Nothing may touch the window afterwards.
    virtual void UnloadMainWindow() = 0;
    // Ends the program at once, without the unload handler, so no file is written.
    virtual void EndProgram() = 0;

protected:
    ~MainWindowClose() = default;
};

}  // namespace common
