// Windows of the desktop: classes, creation and destruction, handles, the
// parent tree, geometry and invalid areas.
#include "platform/sim/world.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {

constexpr std::uint32_t WsDisabled = 0x08000000;

bool sameName(const std::string& a, const char* b) {
    const std::string other = b;
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

const WindowClassInfo* findProgramClass(const World& w, const char* name) {
    for (const WindowClassInfo& cls : w.classes) {
        if (sameName(cls.name, name)) return &cls;
    }
    return nullptr;
}

const WindowClassInfo* findClass(const World& w, const char* name) {
    static const WindowClassInfo builtIn[] = {{"Edit", editProc}, {"Button", buttonProc}};
    if (name == nullptr) return nullptr;
    if (const WindowClassInfo* own = findProgramClass(w, name)) return own;
    for (const WindowClassInfo& cls : builtIn) {
        if (sameName(cls.name, name)) return &cls;
    }
    return nullptr;
}

WindowKind kindOf(const WindowClassInfo& cls) {
    if (cls.proc == editProc) return WindowKind::Edit;
    if (cls.proc == buttonProc) return WindowKind::Button;
    return WindowKind::Program;
}

WindowState newWindow(World& w, const WindowClassInfo& cls, const platform::WindowSpec& spec) {
    const bool child = (spec.style & platform::ws::Child) != 0;
    WindowState window;
    window.handle = newWindowHandle(w);
    window.serial = w.nextSerial++;
    window.kind = kindOf(cls);
    window.className = cls.name;
    window.text = textOf(spec.text);
    window.style = spec.style;
    window.exStyle = spec.exStyle;
    window.x = spec.x;
    window.y = spec.y;
    window.width = spec.width;
    window.height = spec.height;
    window.parent = child ? spec.parent : 0;  // an owner is not a parent
    window.id = child ? spec.id : 0;
    window.visible = (spec.style & platform::ws::Visible) != 0;
    window.enabled = (spec.style & WsDisabled) == 0;
    window.textLimit = EditDefaultLimit;
    window.proc = cls.proc;
    return window;
}

}  // namespace

WindowState* findWindow(World& w, Window window) {
    const auto found = w.windows.find(window);
    return found == w.windows.end() ? nullptr : &found->second;
}

WindowState* findOwnWindow(World& w, Window window) {
    WindowState* found = findWindow(w, window);
    return found != nullptr && found->kind != WindowKind::Foreign ? found : nullptr;
}

// Handles step by 2 from 0x10010 and are never those of a live window; a
// destroyed window's value comes back only when the harness asks for it.
Window newWindowHandle(World& w) {
    if (w.reusedHandle) {
        const Window wanted = *w.reusedHandle;
        w.reusedHandle.reset();
        if (w.windows.count(wanted) == 0) return wanted;
    }
    while (w.windows.count(w.nextHandle) != 0)
        w.nextHandle += 2;
    const Window handle = w.nextHandle;
    w.nextHandle += 2;
    return handle;
}

bool effectivelyVisible(World& w, Window window) {
    for (const WindowState* s = findWindow(w, window); s != nullptr; s = findWindow(w, s->parent)) {
        if (!s->visible) return false;
        if (s->parent == 0) return true;
    }
    return false;
}

bool acceptsInput(World& w, Window window) {
    if (!effectivelyVisible(w, window)) return false;
    for (const WindowState* s = findWindow(w, window); s != nullptr; s = findWindow(w, s->parent)) {
        if (!s->enabled) return false;
    }
    return true;
}

Window topLevelOf(World& w, Window window) {
    const WindowState* s = findWindow(w, window);
    while (s != nullptr && s->parent != 0)
        s = findWindow(w, s->parent);
    return s == nullptr ? 0 : s->handle;
}

std::vector<Window> childrenOf(const World& w, Window parent) {
    std::vector<const WindowState*> found;
    for (const auto& [handle, window] : w.windows) {
        if (window.parent == parent) found.push_back(&window);
    }
    std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->serial < b->serial; });
    std::vector<Window> handles;
    for (const WindowState* window : found)
        handles.push_back(window->handle);
    return handles;
}

std::vector<Window> subtree(const World& w, Window root) {
    std::vector<Window> handles{root};
    for (Window child : childrenOf(w, root)) {
        const std::vector<Window> below = subtree(w, child);
        handles.insert(handles.end(), below.begin(), below.end());
    }
    return handles;
}

void invalidateTree(World& w, Window window) {
    for (Window handle : subtree(w, window)) {
        WindowState* s = findOwnWindow(w, handle);
        if (s == nullptr || !effectivelyVisible(w, handle)) continue;
        s->invalid = true;
        w.newArrivals |= qs::Paint;
    }
}

void destroyForeign(World& w, Window window) {
    w.windows.erase(window);
    forgetMessagesFor(w, window);
}

platform::Rect clientRect(const WindowState& window) {
    int width = window.width;
    int height = window.height;
    const bool framed = (window.style & platform::ws::Caption) == platform::ws::Caption;
    if (window.parent == 0 && framed) {
        width -= 2 * FrameSize;
        height -= 2 * FrameSize + CaptionHeight;
    }
    if ((window.exStyle & platform::ws::ExStaticEdge) != 0) {
        width -= 2;
        height -= 2;
    }
    return {0, 0, std::max(width, 0), std::max(height, 0)};
}

}  // namespace sim

namespace platform {

using namespace sim;

bool registerWindowClass(const WindowClass& windowClass) {
    World& w = world();
    if (failing(w, Call::RegisterWindowClass)) return false;
    if (windowClass.name == nullptr || *windowClass.name == '\0' || windowClass.proc == nullptr)
        return false;
    if (findProgramClass(w, windowClass.name) != nullptr) return false;
    w.classes.push_back({windowClass.name, windowClass.proc});
    return true;
}

Window createWindow(const WindowSpec& spec) {
    World& w = world();
    if (failing(w, Call::CreateWindow)) return 0;
    const WindowClassInfo* cls = findClass(w, spec.className);
    if (cls == nullptr) return 0;
    const bool child = (spec.style & ws::Child) != 0;
    if (child && findOwnWindow(w, spec.parent) == nullptr) return 0;
    WindowState window = newWindow(w, *cls, spec);
    const Window handle = window.handle;
    w.windows.emplace(handle, std::move(window));
    invalidateTree(w, handle);
    if (deliver(w, handle, wm::Create, 0, 0) == -1) {
        destroyWindow(handle);
        return 0;
    }
    return findWindow(w, handle) != nullptr ? handle : 0;
}

// WM_DESTROY goes to the window, then to its children, depth first; then
// they are gone. A window already being destroyed is not destroyed again.
bool destroyWindow(Window window) {
    World& w = world();
    if (failing(w, Call::DestroyWindow)) return false;
    const WindowState* target = findOwnWindow(w, window);
    if (target == nullptr || target->destroying) return false;
    const std::vector<Window> doomed = subtree(w, window);
    for (Window handle : doomed)
        findWindow(w, handle)->destroying = true;
    const auto isDoomed = [&](Window handle) {
        return std::find(doomed.begin(), doomed.end(), handle) != doomed.end();
    };
    if (isDoomed(w.focus)) w.focus = 0;
    if (isDoomed(w.active)) w.active = 0;
    for (Window handle : doomed)
        deliver(w, handle, wm::Destroy, 0, 0);
    for (Window handle : doomed) {
        w.windows.erase(handle);
        forgetMessagesFor(w, handle);
    }
    return true;
}

bool moveWindow(Window window, int x, int y, int width, int height, bool repaint) {
    World& w = world();
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return false;
    s->x = x;
    s->y = y;
    s->width = width;
    s->height = height;
    if (repaint) invalidateTree(w, window);
    return true;
}

bool isWindow(Window window) { return findWindow(world(), window) != nullptr; }

bool isWindowVisible(Window window) { return effectivelyVisible(world(), window); }

bool isWindowEnabled(Window window) {
    const WindowState* s = findWindow(world(), window);
    return s != nullptr && s->enabled;
}

Window getParent(Window window) {
    const WindowState* s = findWindow(world(), window);
    return s == nullptr ? 0 : s->parent;
}

int getDlgCtrlId(Window window) {
    const WindowState* s = findWindow(world(), window);
    return s == nullptr ? 0 : s->id;
}

Rect getClientRect(Window window) {
    const WindowState* s = findWindow(world(), window);
    return s == nullptr ? Rect{} : clientRect(*s);
}

// Only what shows can be invalid: a hidden window (or one inside a hidden
// parent) is painted whole when it is shown.
bool invalidateRect(Window window, [[maybe_unused]] bool erase) {
    World& w = world();
    if (window == 0) {
        for (Window top : childrenOf(w, 0))
            invalidateTree(w, top);
        return true;
    }
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return false;
    if (s->kind != WindowKind::Foreign && effectivelyVisible(w, window)) {
        s->invalid = true;
        w.newArrivals |= qs::Paint;
    }
    return true;
}

}  // namespace platform
