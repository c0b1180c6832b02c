// The harness's view of the desktop: other programs and their windows,
// and what the program's windows look like.
#include "platform/sim/world.h"

namespace sim {

void Desktop::post(Window window, MessageId id, WParam wParam, LParam lParam) {
    postTo(*world_, {window, id, wParam, lParam});
}

std::size_t Desktop::send(Window window, MessageId id, WParam wParam, LParam lParam) {
    World& w = *world_;
    const std::size_t ticket = w.replies.size();
    w.replies.emplace_back();
    w.sent.push_back({{window, id, wParam, lParam}, ticket});
    return ticket;
}

std::optional<LResult> Desktop::reply(std::size_t ticket) const {
    return ticket < world_->replies.size() ? world_->replies[ticket] : std::nullopt;
}

void Desktop::postQuit(int exitCode) {
    postToQueue(*world_, {0, platform::wm::Quit, static_cast<WParam>(exitCode), 0});
}

void Desktop::switchTo(Window window) {
    // Activation runs window procedures, so it belongs on the program's thread.
    World* w = world_.get();
    at(now(), [w, window] { activate(*w, window); });
}

Window Desktop::foreignWindow(const std::string& className, const std::string& title,
                              bool closesOnWmClose) {
    World& w = *world_;
    WindowState window;
    window.handle = newWindowHandle(w);
    window.serial = w.nextSerial++;
    window.kind = WindowKind::Foreign;
    window.className = className;
    window.text = title;
    window.style = platform::ws::Visible | platform::ws::Caption | platform::ws::SysMenu;
    window.visible = true;
    window.proc = foreignProc;
    window.closesOnWmClose = closesOnWmClose;
    const Window handle = window.handle;
    w.windows.emplace(handle, std::move(window));
    return handle;
}

void Desktop::closeForeignWindow(Window window) {
    const WindowState* s = findWindow(*world_, window);
    if (s != nullptr && s->kind == WindowKind::Foreign) destroyForeign(*world_, window);
}

void Desktop::retitle(Window window, const std::string& title) {
    WindowState* s = findWindow(*world_, window);
    if (s != nullptr && s->kind == WindowKind::Foreign) s->text = title;
}

std::vector<ForeignMessage> Desktop::messagesTo(Window window) const {
    std::vector<ForeignMessage> found;
    for (const ForeignMessage& message : world_->foreignMessages) {
        if (message.window == window) found.push_back(message);
    }
    return found;
}

const WindowState* Desktop::window(Window handle) const { return findWindow(*world_, handle); }

std::vector<Window> Desktop::topLevelWindows() const { return childrenOf(*world_, 0); }

std::vector<Window> Desktop::children(Window parent) const { return childrenOf(*world_, parent); }

Window Desktop::focus() const { return world_->focus; }

Window Desktop::activeWindow() const { return world_->active; }

void Desktop::reuseHandle(Window handle) { world_->reusedHandle = handle; }

void Desktop::setScreen(int width, int height) {
    world_->screenWidth = width;
    world_->screenHeight = height;
}

const std::deque<TextChange>& Desktop::textChanges() const { return world_->textChanges; }

void Desktop::limitTextChanges(std::size_t newest) {
    world_->textChangeLimit = newest;
    trimTextChanges(*world_);
}

}  // namespace sim
