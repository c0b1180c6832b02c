// Polling with a deadline: the program under test answers at its own pace
// (a notice box takes about two seconds to go away under Wine), so every
// wait in these tests watches for the awaited state instead of sleeping a
// fixed time.
#pragma once

#include <windows.h>

namespace e2e {

// Times are in milliseconds throughout: <chrono> cannot be compiled with
// the GBK execution character set (one of its literals has no GBK form).
using Milliseconds = ULONGLONG;

inline Milliseconds now() { return GetTickCount64(); }

// Calls condition until it holds or timeout has passed; true if it held.
template <typename Condition>
bool waitUntil(Condition condition, Milliseconds timeout = 10000)
{
    const Milliseconds deadline = now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (now() >= deadline) return false;
        Sleep(10);
    }
}

}  // namespace e2e
