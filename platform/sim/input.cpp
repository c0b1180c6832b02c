// The user at the keyboard and mouse. Input goes into the program's queue
// as Windows would route it: a click to the window clicked, keys to the
// focus window; input to a hidden or disabled window is dropped.
#include "platform/sim/world.h"

namespace sim {

namespace {

using platform::VkControl;
using platform::VkMenu;
using platform::VkShift;

// The character a US keyboard gives for the key with the held modifiers.
int layoutCharacter(int key, const std::set<int>& held) {
    const bool shift = held.count(VkShift) != 0;
    const bool ctrl = held.count(VkControl) != 0;
    if (held.count(VkMenu) != 0) return -1;
    if (key >= 'A' && key <= 'Z') return ctrl ? key - 'A' + 1 : shift ? key : key - 'A' + 'a';
    if (ctrl) return -1;
    if (key >= '0' && key <= '9') return shift ? ")!@#$%^&*("[key - '0'] : key;
    switch (key) {
        case platform::VkSpace: return ' ';
        case platform::VkReturn: return '\r';
        case VkBack: return 0x08;
        case platform::VkTab: return '\t';
        case platform::VkEscape: return 0x1B;
        case VkOemMinus: return shift ? '_' : '-';
        default: return -1;
    }
}

// The key that types byte; bytes without a key of their own come as
// VK_PACKET, as input injected character by character does.
int keyFor(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') return byte - 'a' + 'A';
    if ((byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')) return byte;
    if (byte == ' ') return platform::VkSpace;
    if (byte == '-') return VkOemMinus;
    return VkPacket;
}

// With Alt held (and not Ctrl) keys come as WM_SYSKEYDOWN / WM_SYSKEYUP.
bool queueKey(World& w, int key, bool down, int character) {
    if (down) w.keysHeld.insert(key);
    const bool alt = w.keysHeld.count(VkMenu) != 0;
    const bool system = alt && w.keysHeld.count(VkControl) == 0;
    if (!down) w.keysHeld.erase(key);
    const Window target = w.focus;
    if (target == 0 || !acceptsInput(w, target)) return false;
    namespace wm = platform::wm;
    const MessageId id =
        down ? (system ? wm::SysKeyDown : wm::KeyDown) : (system ? wm::SysKeyUp : wm::KeyUp);
    const LParam transition = down ? 0 : LParam(3) << 30;
    const LParam lParam = 1 | (alt ? KeyAltContext : 0) | transition;
    queueInput(w, {{target, id, static_cast<WParam>(key), lParam}, down ? character : -1});
    return true;
}

}  // namespace

bool Desktop::click(Window window) {
    World& w = *world_;
    const WindowState* s = findOwnWindow(w, window);
    if (s == nullptr || !acceptsInput(w, window)) return false;
    const Rect client = clientRect(*s);
    const LParam centre = (client.right / 2) | (LParam(client.bottom / 2) << 16);
    queueInput(w, {{window, platform::wm::LButtonDown, MkLButton, centre}, -1});
    queueInput(w, {{window, platform::wm::LButtonUp, 0, centre}, -1});
    return true;
}

bool Desktop::keyDown(int virtualKey) {
    World& w = *world_;
    std::set<int> held = w.keysHeld;
    held.insert(virtualKey);
    return queueKey(w, virtualKey, true, layoutCharacter(virtualKey, held));
}

bool Desktop::keyUp(int virtualKey) { return queueKey(*world_, virtualKey, false, -1); }

bool Desktop::press(int virtualKey) {
    const bool down = keyDown(virtualKey);
    const bool up = keyUp(virtualKey);
    return down && up;
}

bool Desktop::type(std::string_view bytes) {
    bool delivered = true;
    for (const char byte : bytes) {
        const int key = keyFor(static_cast<unsigned char>(byte));
        delivered = queueKey(*world_, key, true, static_cast<unsigned char>(byte)) && delivered;
        delivered = queueKey(*world_, key, false, -1) && delivered;
    }
    return delivered;
}

void Desktop::paste(Window edit, std::string text) {
    world_->clipboard = std::move(text);
    send(edit, WmPaste);
}

}  // namespace sim
