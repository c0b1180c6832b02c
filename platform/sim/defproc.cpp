// What a window does with a message its procedure leaves to the system.
#include "platform/sim/world.h"

namespace sim {

LResult defaultTextMessage(WindowState& window, MessageId id, WParam wParam, LParam lParam) {
    switch (id) {
        case platform::wm::SetText:
            window.text = textOf(reinterpret_cast<const char*>(lParam));
            return 1;
        case platform::wm::GetText:
            return copyTruncated(window.text, reinterpret_cast<char*>(lParam),
                                 static_cast<int>(wParam));
        case platform::wm::GetTextLength: return static_cast<LResult>(window.text.size());
        default: return 0;
    }
}

}  // namespace sim

namespace platform {

using namespace sim;

LResult defWindowProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    World& w = world();
    WindowState* s = findOwnWindow(w, window);
    if (s == nullptr) return 0;
    switch (id) {
        case wm::Close: destroyWindow(window); return 0;
        case wm::QueryEndSession: return 1;
        case wm::SysKeyDown:
            if (wParam == VkF4 && (lParam & KeyAltContext) != 0) {
                postToQueue(w, {topLevelOf(w, window), wm::SysCommand, ScClose, 0});
            }
            return 0;
        case wm::SysCommand:
            if ((wParam & 0xFFF0) == ScClose) deliver(w, window, wm::Close, 0, 0);
            return 0;
        case wm::Activate:
            if ((wParam & 0xFFFF) != WaInactive) moveFocus(w, window);
            return 0;
        case wm::Paint: s->invalid = false; return 0;
        case wm::SetIcon: {
            Handle& slot = wParam == IconBig ? s->bigIcon : s->smallIcon;
            const Handle previous = slot;
            slot = static_cast<Handle>(lParam);
            return static_cast<LResult>(previous);
        }
        case wm::SetFont: s->font = static_cast<Handle>(wParam); return 0;
        default: return defaultTextMessage(*s, id, wParam, lParam);
    }
}

}  // namespace platform
