// The keyboard rules of MainWindow: what a key press does, and which typed
// characters the number boxes take. Pure decisions; the window applies them.
#pragma once

#include "platform/platform.h"

namespace keyboard {

struct Modifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

enum class KeyAction {
    None,           // left to the control and the system
    FocusNext,      // Tab
    FocusPrevious,  // Shift+Tab
    CloseWindow,    // Esc
};

// The window's own meaning of a pressed key.
KeyAction actionFor(int virtualKey, Modifiers held);

// Typing filter of the run and pause time boxes: control characters (so
// Backspace and the editing shortcuts keep working), the minus sign and the
// ASCII digits. Pasted text does not pass through here.
bool acceptsTypedCharacter(platform::WParam code);

}  // namespace keyboard
