// Keeps keys typed for the word from answering a question the clock raised.
#pragma once

#include <windows.h>

namespace common::win32 {

// While it lives, no key reaches any window of this thread until the next window of the thread
// (the question's box) has been activated and no key has been pressed for the given seconds,
// however long the typing goes on: the keys already waiting are thrown away at once, and those
// that come in meanwhile are turned into empty messages as they are taken from the queue, whichever
// loop takes them (a message box runs its own). Each press, a held key's repeats too, starts the
// wait again; a key whose press was thrown away is never taken, neither its repeats nor its
// release. Then keys go through at once.
class TypeAheadGuard {
public:
    explicit TypeAheadGuard(double seconds);
    ~TypeAheadGuard();
    TypeAheadGuard(const TypeAheadGuard&) = delete;
    TypeAheadGuard& operator=(const TypeAheadGuard&) = delete;

private:
    static LRESULT CALLBACK DropKeys(int code, WPARAM removal, LPARAM message);
    static LRESULT CALLBACK SeeActivation(int code, WPARAM window, LPARAM details);

    HHOOK keys_ = nullptr;
    HHOOK activations_ = nullptr;
};

}  // namespace common::win32
