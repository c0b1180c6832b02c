#include "window_probe.h"

namespace e2e {

namespace {

constexpr UINT answerTimeoutMs = 5000;

struct WindowsOfProcess {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK collectIfOwned(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowsOfProcess*>(context);
    DWORD owner = 0;
    if (GetWindowThreadProcessId(window, &owner) && owner == search->processId)
        search->windows.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindowsOf(DWORD processId)
{
    WindowsOfProcess search{processId, {}};
    // A failed enumeration leaves what was found so far; callers poll.
    EnumWindows(collectIfOwned, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND findTopLevelWindow(DWORD processId, const std::string& className)
{
    for (HWND window : topLevelWindowsOf(processId))
        if (classNameOf(window) == className) return window;
    return nullptr;
}

std::string classNameOf(HWND window)
{
    char name[256];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::optional<std::string> textOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, answerTimeoutMs, &length))
        return std::nullopt;
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_NORMAL, answerTimeoutMs, &copied))
        return std::nullopt;
    text.resize(copied);
    return text;
}

std::vector<HWND> childrenInZOrder(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

RECT rectInParentClient(HWND child, HWND parent)
{
    RECT rect{};
    if (!GetWindowRect(child, &rect)) return rect;
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND focusOf(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

bool answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, answerTimeoutMs, &result) != 0;
}

}  // namespace e2e
