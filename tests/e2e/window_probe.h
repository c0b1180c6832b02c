// Reading another process's windows through the window system alone, the
// way any program on the desktop could.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

std::vector<HWND> topLevelWindowsOf(DWORD processId);
// The first top-level window of the process with that class, or null.
HWND findTopLevelWindow(DWORD processId, const std::string& className);
std::string classNameOf(HWND window);
// The window's text as it answers WM_GETTEXT; no value when it does not
// answer in time (the owning thread is not serving messages).
std::optional<std::string> textOf(HWND window);
// The children of parent, topmost first.
std::vector<HWND> childrenInZOrder(HWND parent);
// The window's rectangle in the client coordinates of its parent.
RECT rectInParentClient(HWND child, HWND parent);
// The window with the keyboard focus in the given thread, or null.
HWND focusOf(DWORD threadId);
// True when the window's thread serves a sent message within the timeout.
bool answers(HWND window);

}  // namespace e2e
