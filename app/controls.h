// Finding a control of MainWindow by its handle.
#pragma once

#include "app/layout.h"
#include "platform/platform.h"

// The layout entry of the control with this handle, or nullptr when the
// window is none of MainWindow's controls.
const layout::Control* controlLayoutOf(platform::Window window);
