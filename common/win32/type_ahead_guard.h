// Keeps keys typed for the word from answering a question the clock raised.
#pragma once

#include <windows.h>

namespace common::win32 {

// While it lives, from its creation to the given seconds later, no key reaches any window of this
// thread: the keys already waiting are thrown away at once, and those that come in meanwhile are
// turned into empty messages as they are taken from the queue, whichever loop takes them (a
// message box runs its own). Afterwards keys go through again, even while it still lives.
class TypeAheadGuard {
public:
    explicit TypeAheadGuard(double seconds);
    ~TypeAheadGuard();
    TypeAheadGuard(const TypeAheadGuard&) = delete;
    TypeAheadGuard& operator=(const TypeAheadGuard&) = delete;

private:
    static LRESULT CALLBACK DropKeys(int code, WPARAM removal, LPARAM message);

    HHOOK hook_ = nullptr;
};

}  // namespace common::win32
