// Creating our windows and controls, and their state: visibility, position,
// size, relations and invalid areas.
#include "platform/win32/native.h"

namespace platform {

Window createWindow(const WindowSpec& spec) {
    // For a child the menu argument carries its id; a top-level window has
    // no menu.
    const bool child = (spec.style & ws::Child) != 0;
    const HMENU menuOrId =
        child ? reinterpret_cast<HMENU>(static_cast<std::intptr_t>(spec.id)) : nullptr;
    const HWND hwnd = CreateWindowExA(spec.exStyle, spec.className, spec.text, spec.style, spec.x,
                                      spec.y, spec.width, spec.height, native::toHwnd(spec.parent),
                                      menuOrId, GetModuleHandleA(nullptr), nullptr);
    return native::fromHwnd(hwnd);
}

bool destroyWindow(Window window) { return DestroyWindow(native::toHwnd(window)) != FALSE; }

bool showWindow(Window window, int showCommand) {
    return ShowWindow(native::toHwnd(window), showCommand) != FALSE;
}

bool moveWindow(Window window, int x, int y, int width, int height, bool repaint) {
    return MoveWindow(native::toHwnd(window), x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

bool isWindow(Window window) { return IsWindow(native::toHwnd(window)) != FALSE; }

bool isWindowVisible(Window window) { return IsWindowVisible(native::toHwnd(window)) != FALSE; }

bool isWindowEnabled(Window window) { return IsWindowEnabled(native::toHwnd(window)) != FALSE; }

Window getParent(Window window) { return native::fromHwnd(GetParent(native::toHwnd(window))); }

int getDlgCtrlId(Window window) { return GetDlgCtrlID(native::toHwnd(window)); }

Rect getClientRect(Window window) {
    RECT rect{};
    if (!GetClientRect(native::toHwnd(window), &rect)) return Rect{};
    return native::fromRECT(rect);
}

bool invalidateRect(Window window, bool erase) {
    return InvalidateRect(native::toHwnd(window), nullptr, erase ? TRUE : FALSE) != FALSE;
}

}  // namespace platform
