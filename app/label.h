// The labels of MainWindow: child windows that draw their caption
// themselves, on the button face colour, in their own text colour.
#pragma once

#include "platform/platform.h"

platform::LResult labelProc(platform::Window label, platform::MessageId id, platform::WParam wParam,
                            platform::LParam lParam);
