// Class names and window texts of any window, the program's or another
// program's, with Win32 truncation: a buffer of size bytes takes at most
// size - 1 bytes and a terminating zero, and the count copied is returned.
// Also the enumeration of windows.
#include "platform/sim/world.h"

#include <algorithm>
#include <cstring>

namespace sim {

int copyTruncated(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

std::string textOf(const char* text) { return text == nullptr ? std::string() : std::string(text); }

void trimTextChanges(World& w) {
    while (w.textChanges.size() > w.textChangeLimit)
        w.textChanges.pop_front();
}

std::optional<std::string> optionalText(const char* text) {
    if (text == nullptr) return std::nullopt;
    return std::string(text);
}

}  // namespace sim

namespace platform {

using namespace sim;

int getClassName(Window window, char* buffer, int size) {
    World& w = world();
    if (failing(w, Call::GetClassName)) return 0;
    const WindowState* s = findWindow(w, window);
    return s == nullptr ? 0 : copyTruncated(s->className, buffer, size);
}

// The program's own windows answer through their procedure; another
// program's window is read without asking it.
int getWindowTextLength(Window window) {
    World& w = world();
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return 0;
    if (s->kind == WindowKind::Foreign) return static_cast<int>(s->text.size());
    return static_cast<int>(deliver(w, window, wm::GetTextLength, 0, 0));
}

int getWindowText(Window window, char* buffer, int size) {
    World& w = world();
    if (failing(w, Call::GetWindowText) || buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return 0;
    if (s->kind == WindowKind::Foreign) return copyTruncated(s->text, buffer, size);
    return static_cast<int>(deliver(w, window, wm::GetText, static_cast<WParam>(size),
                                    reinterpret_cast<LParam>(buffer)));
}

bool setWindowText(Window window, const char* text) {
    World& w = world();
    if (failing(w, Call::SetWindowText)) return false;
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return false;
    if (s->kind == WindowKind::Foreign) {
        s->text = textOf(text);
        return true;
    }
    w.textChanges.push_back({window, textOf(text), w.now});
    trimTextChanges(w);
    return deliver(w, window, wm::SetText, 0,
                   reinterpret_cast<LParam>(text == nullptr ? "" : text)) != 0;
}

// Parent 0 lists the top-level windows, the program's and other programs',
// oldest first; another parent lists its descendants depth first. Windows
// destroyed by the callback are skipped. False when the callback stops it.
bool enumChildWindows(Window parent, EnumProc proc, std::intptr_t context) {
    World& w = world();
    if (failing(w, Call::EnumChildWindows) || proc == nullptr) return false;
    if (parent != 0 && findWindow(w, parent) == nullptr) return false;
    std::vector<Window> listed = childrenOf(w, 0);
    if (parent != 0) {
        listed = subtree(w, parent);
        listed.erase(listed.begin());
    }
    for (Window window : listed) {
        if (findWindow(w, window) != nullptr && !proc(window, context)) return false;
    }
    return true;
}

}  // namespace platform
