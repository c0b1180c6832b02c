#include "app/keyboard.h"

namespace keyboard {

KeyAction actionFor(int virtualKey, Modifiers held) {
    const bool none = !held.ctrl && !held.shift && !held.alt;
    const bool shiftAlone = held.shift && !held.ctrl && !held.alt;
    if (virtualKey == platform::VkTab && none) return KeyAction::FocusNext;
    if (virtualKey == platform::VkTab && shiftAlone) return KeyAction::FocusPrevious;
    if (virtualKey == platform::VkEscape && none) return KeyAction::CloseWindow;
    return KeyAction::None;
}

bool acceptsTypedCharacter(platform::WParam code) {
    return code < 32 || code == '-' || (code >= '0' && code <= '9');
}

}  // namespace keyboard
