// Start and Stop: the endless launch / run / sweep / pause loop.
#pragma once

#include <cstdint>

// 0 while the tool may cycle; Stop raises it just before the process ends.
extern thread_local std::int32_t stopRequested;

// Handler of Start. Never returns while the tool runs. A Start during a run
// begins a fresh run in place of the current one.
void SupervisionCycle();

// Handler of Stop: ends the process with exit code 0.
void stopCycle();
