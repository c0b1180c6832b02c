// MainWindow's window procedure, and whether the window's events reach
// their handlers.
#pragma once

#include "platform/platform.h"

platform::LResult mainWindowProc(platform::Window window, platform::MessageId id,
                                 platform::WParam wParam, platform::LParam lParam);

// Events stay muted until the window is built, so that the notifications
// its controls send while they are made run nothing, and from the moment
// the program ends, so that its destruction runs nothing either.
void setEventsMuted(bool muted);

// True once MainWindow has received WM_DESTROY.
bool mainWindowDestructionStarted();
