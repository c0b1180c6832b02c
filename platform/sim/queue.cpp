// The program thread's message queue, in the order Windows retrieves from
// it: messages sent from other threads (dispatched on the spot), posted
// messages (a posted WM_QUIT among them, in its place), input, the quit of
// postQuitMessage once nothing else is posted or input, then WM_PAINT for
// windows with an invalid area. The desktop has no window timers.
#include "platform/sim/world.h"

#include <algorithm>

namespace sim {

using platform::Message;
namespace wm = platform::wm;

namespace {

bool isKeyMessage(MessageId id) {
    return id == wm::KeyDown || id == wm::KeyUp || id == wm::SysKeyDown || id == wm::SysKeyUp;
}

// Key state as getKeyState reports it follows the key messages as the
// program takes them, not as the user presses them.
void noteKeyTaken(World& w, const InputMessage& input) {
    const Message& message = input.message;
    if (!isKeyMessage(message.id)) return;
    const int key = static_cast<int>(message.wParam);
    if (message.id == wm::KeyDown || message.id == wm::SysKeyDown) {
        w.keysDown.insert(key);
    } else if (message.id == wm::KeyUp || message.id == wm::SysKeyUp) {
        w.keysDown.erase(key);
    }
    w.lastKey = input;
}

std::optional<Window> windowToPaint(World& w) {
    const WindowState* found = nullptr;
    for (auto& [handle, window] : w.windows) {
        if (!window.invalid || window.kind == WindowKind::Foreign || !effectivelyVisible(w, handle))
            continue;
        if (found == nullptr || window.serial < found->serial) found = &window;
    }
    if (found == nullptr) return std::nullopt;
    return found->handle;
}

void recordForeign(World& w, const Message& message, bool sent) {
    w.foreignMessages.push_back(
        {message.window, message.id, message.wParam, message.lParam, w.now, sent});
}

}  // namespace

bool isInputMessage(MessageId id) {
    return (id >= wm::KeyDown && id <= 0x0108) || (id >= wm::MouseMove && id <= 0x020E);
}

void postToQueue(World& w, const Message& message) {
    w.posted.push_back(message);
    w.newArrivals |= qs::PostMessage;
}

bool postTo(World& w, const Message& message) {
    if (message.window == 0) {
        postToQueue(w, message);
        return true;
    }
    const WindowState* window = findWindow(w, message.window);
    if (window == nullptr) return false;
    if (window->kind != WindowKind::Foreign) {
        postToQueue(w, message);
        return true;
    }
    // The other program takes the message when it next gets the processor:
    // as soon as this one waits.
    recordForeign(w, message, false);
    schedule(w, w.now, [message] {
        deliver(world(), message.window, message.id, message.wParam, message.lParam);
    });
    return true;
}

void queueInput(World& w, const InputMessage& input) {
    w.input.push_back(input);
    w.newArrivals |= isKeyMessage(input.message.id) ? qs::Key : qs::MouseButton;
}

void serveSentMessages(World& w) {
    while (!w.sent.empty()) {
        const SentMessage sent = w.sent.front();
        w.sent.pop_front();
        const Message& m = sent.message;
        const LResult result = deliver(w, m.window, m.id, m.wParam, m.lParam);
        w.replies[sent.ticket] = result;
    }
}

std::optional<Message> nextMessage(World& w, bool remove) {
    if (!w.posted.empty()) {
        const Message message = w.posted.front();
        if (remove) w.posted.pop_front();
        return message;
    }
    if (!w.input.empty()) {
        const InputMessage input = w.input.front();
        if (remove) {
            w.input.pop_front();
            noteKeyTaken(w, input);
        }
        return input.message;
    }
    if (w.quitCode) {
        const Message quit{0, wm::Quit, static_cast<WParam>(*w.quitCode), 0};
        if (remove) w.quitCode.reset();
        return quit;
    }
    if (const auto window = windowToPaint(w)) return Message{*window, wm::Paint, 0, 0};
    return std::nullopt;
}

void forgetMessagesFor(World& w, Window window) {
    std::erase_if(w.posted, [&](const Message& m) { return m.window == window; });
    std::erase_if(w.input, [&](const InputMessage& i) { return i.message.window == window; });
}

LResult deliver(World& w, Window window, MessageId id, WParam wParam, LParam lParam) {
    const WindowState* target = findWindow(w, window);
    if (target == nullptr) return 0;
    return target->proc(window, id, wParam, lParam);
}

}  // namespace sim

namespace platform {

using namespace sim;

int getMessage(Message& message) {
    World& w = world();
    if (failing(w, Call::GetMessage)) return -1;
    for (;;) {
        serveSentMessages(w);
        w.newArrivals = 0;
        if (const auto next = nextMessage(w, true)) {
            message = *next;
            return next->id == wm::Quit ? 0 : 1;
        }
        sleepUntilNextEvent(w, std::nullopt);
    }
}

bool peekMessage(Message& message, bool remove) {
    World& w = world();
    serveSentMessages(w);
    w.newArrivals = 0;
    const auto next = nextMessage(w, remove);
    if (!next) return false;
    message = *next;
    return true;
}

// Turns a key-down into the character its input carries, posted as
// WM_CHAR right behind the messages already posted.
bool translateMessage(const Message& message) {
    World& w = world();
    if (!isKeyMessage(message.id)) return false;
    if (!w.lastKey) return true;
    const InputMessage key = *w.lastKey;
    const Message& taken = key.message;
    const bool same = taken.window == message.window && taken.id == message.id &&
                      taken.wParam == message.wParam && taken.lParam == message.lParam;
    if (same && key.character >= 0 && (message.id == wm::KeyDown || message.id == wm::SysKeyDown)) {
        const MessageId charId = message.id == wm::KeyDown ? wm::Char : WmSysChar;
        postToQueue(w,
                    {message.window, charId, static_cast<WParam>(key.character), message.lParam});
        w.lastKey.reset();
    }
    return true;
}

LResult dispatchMessage(const Message& message) {
    World& w = world();
    if (message.window == 0) return 0;
    return deliver(w, message.window, message.id, message.wParam, message.lParam);
}

LResult sendMessage(Window window, MessageId id, WParam wParam, LParam lParam) {
    World& w = world();
    const WindowState* target = findWindow(w, window);
    if (target == nullptr) return 0;
    if (target->kind == WindowKind::Foreign) recordForeign(w, {window, id, wParam, lParam}, true);
    return deliver(w, window, id, wParam, lParam);
}

bool postMessage(Window window, MessageId id, WParam wParam, LParam lParam) {
    World& w = world();
    if (failing(w, Call::PostMessage)) return false;
    return postTo(w, {window, id, wParam, lParam});
}

void postQuitMessage(int exitCode) {
    World& w = world();
    w.quitCode = exitCode;
    w.newArrivals |= qs::PostMessage;
}

}  // namespace platform
