// Our window classes. The system calls window procedures with its own
// calling convention (__stdcall on the 32-bit build), ours are plain
// functions, so every class we register gets forwardToClassProc as its
// procedure, which finds our procedure by the class atom of the window.
// The atom is known from the first message of a window on, so WM_NCCREATE,
// WM_CREATE and the other messages sent during CreateWindowExA reach our
// procedure too.
#include <utility>
#include <vector>

#include "platform/win32/native.h"

namespace platform {
namespace {

// Classes are registered and their windows run on the window thread only;
// a program registers a handful, so a short list serves.
std::vector<std::pair<ATOM, WindowProc>>& registeredClasses() {
    static std::vector<std::pair<ATOM, WindowProc>> classes;
    return classes;
}

WindowProc procOfClass(ATOM atom) {
    for (const auto& [registered, proc] : registeredClasses())
        if (registered == atom) return proc;
    return nullptr;
}

LRESULT CALLBACK forwardToClassProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    const WindowProc proc = procOfClass(static_cast<ATOM>(GetClassWord(hwnd, GCW_ATOM)));
    if (proc == nullptr) return DefWindowProcA(hwnd, id, wParam, lParam);
    return proc(native::fromHwnd(hwnd), id, wParam, lParam);
}

}  // namespace

bool registerWindowClass(const WindowClass& windowClass) {
    WNDCLASSA nativeClass{};
    nativeClass.lpfnWndProc = forwardToClassProc;
    nativeClass.hInstance = GetModuleHandleA(nullptr);
    // The system's arrow cursor is always there; were it missing all the
    // same, a class without a cursor of its own still works.
    nativeClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // A system colour index plus one is how a class names that colour's brush.
    if (windowClass.backgroundSysColour >= 0)
        nativeClass.hbrBackground = reinterpret_cast<HBRUSH>(
            static_cast<std::intptr_t>(windowClass.backgroundSysColour + 1));
    nativeClass.lpszClassName = windowClass.name;
    const ATOM atom = RegisterClassA(&nativeClass);
    if (atom == 0) return false;
    registeredClasses().emplace_back(atom, windowClass.proc);
    return true;
}

LResult defWindowProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    return DefWindowProcA(native::toHwnd(window), id, wParam, lParam);
}

}  // namespace platform
