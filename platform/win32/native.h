// Conversions between the platform layer's own handle and rectangle types
// and the Win32 ones. Our handles are integers of pointer width, so every
// conversion is lossless on the 32-bit release and on the 64-bit twin alike.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace platform::native {

inline HWND toHwnd(Window window) { return reinterpret_cast<HWND>(window); }
inline Window fromHwnd(HWND hwnd) { return reinterpret_cast<Window>(hwnd); }

inline HANDLE toHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
inline Handle fromHandle(HANDLE handle) { return reinterpret_cast<Handle>(handle); }

inline HDC toHdc(DeviceContext dc) { return reinterpret_cast<HDC>(dc); }
inline DeviceContext fromHdc(HDC hdc) { return reinterpret_cast<DeviceContext>(hdc); }

inline RECT toRECT(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }
inline Rect fromRECT(const RECT& rect) {
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace platform::native
