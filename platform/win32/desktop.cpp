// Other windows of the desktop: enumeration, class names and titles.
#include "platform/win32/native.h"

namespace platform {
namespace {

// Our EnumProc is a plain function, not one of the system's calling
// convention, so the system calls forwardEnum, which finds our procedure
// and its context through the lParam.
struct EnumForward {
    EnumProc proc;
    std::intptr_t context;
};

BOOL CALLBACK forwardEnum(HWND hwnd, LPARAM lParam) {
    const auto* forward = reinterpret_cast<const EnumForward*>(lParam);
    return forward->proc(native::fromHwnd(hwnd), forward->context) ? TRUE : FALSE;
}

}  // namespace

bool enumChildWindows(Window parent, EnumProc proc, std::intptr_t context) {
    EnumForward forward{proc, context};
    const auto lParam = reinterpret_cast<LPARAM>(&forward);
    // Windows documents a NULL parent of EnumChildWindows as the top-level
    // windows, but Wine enumerates nothing then; EnumWindows means the same
    // on both.
    if (parent == 0) return EnumWindows(forwardEnum, lParam) != FALSE;
    return EnumChildWindows(native::toHwnd(parent), forwardEnum, lParam) != FALSE;
}

int getClassName(Window window, char* buffer, int size) {
    return GetClassNameA(native::toHwnd(window), buffer, size);
}

int getWindowTextLength(Window window) { return GetWindowTextLengthA(native::toHwnd(window)); }

int getWindowText(Window window, char* buffer, int size) {
    return GetWindowTextA(native::toHwnd(window), buffer, size);
}

bool setWindowText(Window window, const char* text) {
    return SetWindowTextA(native::toHwnd(window), text) != FALSE;
}

}  // namespace platform
