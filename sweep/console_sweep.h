// Closing the monitored program's console windows.
#pragma once

#include "platform/platform.h"
#include "support/text.h"
#include "sweep/window_collector.h"

// Adds the console windows open now to list, then asks every listed window
// whose title contains the monitored name to close.
void ConsoleSweep(HandleList& list);

// The window's whole title.
Text readWindowTitle(platform::Window window);

// Posts WM_CLOSE; a window may ignore it, and is then asked again next time.
void requestClose(platform::Window window);
