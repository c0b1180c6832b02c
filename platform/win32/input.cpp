// Keyboard focus and key state.
#include "platform/win32/native.h"

namespace platform {

Window setFocus(Window window) { return native::fromHwnd(SetFocus(native::toHwnd(window))); }

Window getFocus() { return native::fromHwnd(GetFocus()); }

short getKeyState(int virtualKey) { return GetKeyState(virtualKey); }

}  // namespace platform
