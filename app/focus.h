// Where the keyboard focus goes inside MainWindow.
#pragma once

#include "app/tab_order.h"

// Moves the focus from the control that has it to the next or previous
// visible and enabled control of the tab order. When the window itself has
// the focus, it stays there.
void moveFocus(tabOrder::Direction direction);

// On deactivation: remembers the control that has the focus, so that it
// gets it back when the window is activated again.
void rememberFocus();

// When the window receives the focus: passes it on to the remembered
// control if that still exists, else to the first visible and enabled
// control of the tab order.
void passFocusToControl();
