// Making MainWindow and taking it down.
#pragma once

// Builds MainWindow hidden, with its eleven controls shown inside it, and
// raises no event while doing so. False when a window class, the window or
// one of its controls cannot be made.
bool buildMainWindow();

// Destroys MainWindow, if it is still there, without raising any of its
// events; the program is ending. Safe from inside the window's own
// destruction.
void destroyMainWindowQuietly();
