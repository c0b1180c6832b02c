// Showing windows, activation, the keyboard focus and the key state.
#include "platform/sim/world.h"

namespace sim {

// The previous active window hears WA_INACTIVE, the new one WA_ACTIVE
// (whose default handling gives it the focus). With no window active the
// focus goes nowhere.
void activate(World& w, Window window) {
    const Window previous = w.active;
    if (previous == window) return;
    w.active = window;
    if (previous != 0) {
        deliver(w, previous, platform::wm::Activate, platform::WaInactive,
                static_cast<LParam>(window));
    }
    if (window != 0) {
        deliver(w, window, platform::wm::Activate, WaActive, static_cast<LParam>(previous));
    } else {
        moveFocus(w, 0);
    }
}

Window moveFocus(World& w, Window window) {
    const Window previous = w.focus;
    if (previous == window) return previous;
    w.focus = window;
    if (previous != 0) deliver(w, previous, platform::wm::KillFocus, window, 0);
    if (window != 0 && w.focus == window) deliver(w, window, platform::wm::SetFocus, previous, 0);
    return previous;
}

}  // namespace sim

namespace platform {

using namespace sim;

namespace {

void hide(World& w, Window window) {
    findWindow(w, window)->visible = false;
    if (w.active == window) activate(w, 0);
    for (Window handle : subtree(w, window)) {
        if (handle == w.focus) moveFocus(w, 0);
    }
}

}  // namespace

// SW_SHOW and SW_SHOWNORMAL activate a top-level window; every other
// command but SW_HIDE shows without activating.
bool showWindow(Window window, int showCommand) {
    World& w = world();
    if (failing(w, Call::ShowWindow)) return false;
    WindowState* s = findOwnWindow(w, window);
    if (s == nullptr) return false;
    const bool wasVisible = s->visible;
    if (showCommand == SwHide) {
        if (wasVisible) hide(w, window);
        return wasVisible;
    }
    s->visible = true;
    if (!wasVisible) invalidateTree(w, window);
    if ((showCommand == SwShow || showCommand == SwShowNormal) && s->parent == 0)
        activate(w, window);
    return wasVisible;
}

Window setFocus(Window window) {
    World& w = world();
    if (window != 0 && findOwnWindow(w, window) == nullptr) return 0;
    return moveFocus(w, window);
}

Window getFocus() { return world().focus; }

short getKeyState(int virtualKey) {
    constexpr short Down = static_cast<short>(0xFF80);
    return world().keysDown.count(virtualKey) != 0 ? Down : 0;
}

}  // namespace platform
