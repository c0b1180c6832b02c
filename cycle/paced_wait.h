// The one-second tick of every countdown: time passes while the window
// keeps being served.
#pragma once

#include <cstdint>

// Waits `seconds`, dispatching the window messages that arrive meanwhile.
// True once the time has passed; false when a handler cut the wait short
// (see interruptPendingEvents).
bool PacedWait(std::int32_t seconds);
