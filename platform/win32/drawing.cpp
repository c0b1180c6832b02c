// Screen metrics, stock objects, icons from our resources, and painting.
#include "platform/win32/native.h"

namespace platform {

int getSystemMetrics(int index) { return GetSystemMetrics(index); }

Handle getStockObject(int index) { return native::fromHandle(GetStockObject(index)); }

Handle loadIconResource(const char* name, int size) {
    return native::fromHandle(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

void paintWindow(Window window, Painter painter) {
    const HWND hwnd = native::toHwnd(window);
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd, &paint);
    if (dc == nullptr) return;
    painter(window, native::fromHdc(dc), native::fromRECT(paint.rcPaint));
    EndPaint(hwnd, &paint);
}

bool fillRectWithSysColour(DeviceContext dc, const Rect& rect, int sysColour) {
    const HBRUSH brush = GetSysColorBrush(sysColour);
    if (brush == nullptr) return false;
    const RECT area = native::toRECT(rect);
    return FillRect(native::toHdc(dc), &area, brush) != 0;
}

Handle selectObject(DeviceContext dc, Handle object) {
    return native::fromHandle(SelectObject(native::toHdc(dc), native::toHandle(object)));
}

int setBkMode(DeviceContext dc, int mode) { return SetBkMode(native::toHdc(dc), mode); }

Colour setTextColor(DeviceContext dc, Colour colour) {
    return SetTextColor(native::toHdc(dc), colour);
}

Colour setBkColor(DeviceContext dc, Colour colour) { return SetBkColor(native::toHdc(dc), colour); }

int drawText(DeviceContext dc, const char* text, Rect rect, unsigned format) {
    RECT area = native::toRECT(rect);
    return DrawTextA(native::toHdc(dc), text, -1, &area, format);
}

}  // namespace platform
