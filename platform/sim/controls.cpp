// The built-in controls (edit boxes and push buttons) and the stand-in for
// another program's window.
#include "platform/sim/world.h"

#include <algorithm>

namespace sim {

namespace wm = platform::wm;

namespace {

constexpr WParam CtrlV = 0x16;

void notifyParent(World& w, Window control, unsigned code) {
    const WindowState* s = findWindow(w, control);
    if (s == nullptr || s->parent == 0) return;
    deliver(w, s->parent, wm::Command, makeWParam(static_cast<unsigned>(s->id), code),
            static_cast<LParam>(control));
}

// ---- Edit ----

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Where the character before offset starts; a two-byte character goes whole.
std::size_t previousCharacter(const std::string& text, std::size_t offset) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < offset; i += isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1)
        start = i;
    return start;
}

void insertAtCaret(World& w, Window edit, const std::string& bytes) {
    WindowState& s = *findWindow(w, edit);
    const std::size_t room = s.textLimit > s.text.size() ? s.textLimit - s.text.size() : 0;
    const std::string inserted = bytes.substr(0, room);
    if (inserted.empty()) return;
    s.caret = std::min(s.caret, s.text.size());
    s.text.insert(s.caret, inserted);
    s.caret += inserted.size();
    notifyParent(w, edit, EnChange);
}

void eraseBeforeCaret(World& w, Window edit) {
    WindowState& s = *findWindow(w, edit);
    s.caret = std::min(s.caret, s.text.size());
    if (s.caret == 0) return;
    const std::size_t start = previousCharacter(s.text, s.caret);
    s.text.erase(start, s.caret - start);
    s.caret = start;
    notifyParent(w, edit, EnChange);
}

LResult typeIntoEdit(World& w, Window edit, WParam code) {
    const WindowState& s = *findWindow(w, edit);
    if (s.charFilter != nullptr && !s.charFilter(code)) return 0;
    if (code == static_cast<WParam>(VkBack)) {
        eraseBeforeCaret(w, edit);
    } else if (code == CtrlV) {
        insertAtCaret(w, edit, w.clipboard);
    } else if (code >= 0x20 && code <= 0xFF) {
        insertAtCaret(w, edit, std::string(1, static_cast<char>(code)));
    }
    return 0;
}

// There is no selection: EM_SETSEL only places the caret at its end.
void placeCaret(WindowState& s, WParam start, LParam end) {
    if (start == static_cast<WParam>(-1)) return;
    const bool toEnd = end < 0 || static_cast<std::size_t>(end) > s.text.size();
    s.caret = toEnd ? s.text.size() : static_cast<std::size_t>(end);
}

// ---- Button ----

void clicked(World& w, Window button) { notifyParent(w, button, platform::bm::Clicked); }

}  // namespace

LResult editProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    World& w = world();
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return 0;
    switch (id) {
        case wm::Char: return typeIntoEdit(w, window, wParam);
        case WmPaste: insertAtCaret(w, window, w.clipboard); return 0;
        case wm::SetText:
            s->text = textOf(reinterpret_cast<const char*>(lParam));
            s->caret = 0;
            notifyParent(w, window, EnChange);
            return 1;
        case platform::em::SetSel: placeCaret(*s, wParam, lParam); return 0;
        case platform::em::ScrollCaret: return 1;
        case platform::em::LimitText:
            s->textLimit = wParam == 0 ? EditMaximumLimit : static_cast<std::size_t>(wParam);
            return 0;
        case wm::LButtonDown: moveFocus(w, window); return 0;
        case wm::Paint: paintControl(window); return 0;
        default: return platform::defWindowProc(window, id, wParam, lParam);
    }
}

// Clicked by the left button going down and up on it, or by Space going
// down and up while it has the focus; BM_CLICK plays the mouse part.
LResult buttonProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    World& w = world();
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return 0;
    switch (id) {
        case wm::LButtonDown:
            s->mouseDown = true;
            moveFocus(w, window);
            return 0;
        case wm::LButtonUp:
            if (s->mouseDown) {
                s->mouseDown = false;
                clicked(w, window);
            }
            return 0;
        case wm::KeyDown:
            if (wParam == static_cast<WParam>(platform::VkSpace)) s->spaceDown = true;
            return 0;
        case wm::KeyUp:
            if (wParam == static_cast<WParam>(platform::VkSpace) && s->spaceDown) {
                s->spaceDown = false;
                clicked(w, window);
            }
            return 0;
        case wm::KillFocus:
            s->mouseDown = false;
            s->spaceDown = false;
            return 0;
        case platform::bm::Click:
            deliver(w, window, wm::LButtonDown, MkLButton, 0);
            deliver(w, window, wm::LButtonUp, 0, 0);
            return 0;
        case wm::Paint: paintControl(window); return 0;
        default: return platform::defWindowProc(window, id, wParam, lParam);
    }
}

// Another program's window: it answers text requests and, if it is set to,
// closes on WM_CLOSE as a console window does.
LResult foreignProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    World& w = world();
    WindowState* s = findWindow(w, window);
    if (s == nullptr) return 0;
    if (id == wm::Close) {
        if (s->closesOnWmClose) destroyForeign(w, window);
        return 0;
    }
    return defaultTextMessage(*s, id, wParam, lParam);
}

}  // namespace sim

namespace platform {

bool setCharFilter(Window edit, bool (*accepts)(WParam code)) {
    sim::WindowState* s = sim::findOwnWindow(sim::world(), edit);
    if (s == nullptr || s->kind != sim::WindowKind::Edit) return false;
    s->charFilter = accepts;
    return true;
}

}  // namespace platform
