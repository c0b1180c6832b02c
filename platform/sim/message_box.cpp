// Message boxes: recorded, modal, and closed by the harness (at once, at a
// time it chooses, or after a fixed lifetime).
//
// While a box is up its own loop serves the thread's queue: sent and posted
// messages and painting reach their windows, input to a disabled window is
// dropped. An owner-less MB_TASKMODAL box disables every top-level window
// of the program, a box with an owner disables the owner; they are enabled
// again when it closes. A WM_QUIT ends the box and is raised again for the
// loop beneath, as Windows' modal loops do.
#include "platform/sim/world.h"

namespace sim {

namespace {

constexpr int IdOk = 1;

std::vector<WindowSnapshot> snapshotTopLevel(World& w) {
    std::vector<WindowSnapshot> snapshot;
    for (Window window : childrenOf(w, 0)) {
        const WindowState* s = findOwnWindow(w, window);
        if (s != nullptr) snapshot.push_back({window, s->visible, s->enabled});
    }
    return snapshot;
}

std::vector<Window> disableForBox(World& w, Window owner, unsigned style) {
    std::vector<Window> candidates;
    if ((style & platform::MbTaskModal) != 0 && owner == 0) {
        candidates = childrenOf(w, 0);
    } else if (owner != 0) {
        candidates = {topLevelOf(w, owner)};
    }
    std::vector<Window> disabled;
    for (Window window : candidates) {
        WindowState* s = findOwnWindow(w, window);
        if (s == nullptr || !s->enabled) continue;
        s->enabled = false;
        disabled.push_back(window);
    }
    return disabled;
}

int runModalLoop(World& w, std::size_t box, std::optional<Millis> closesAt) {
    for (;;) {
        if (w.boxes[box].dismissed || (closesAt && w.now >= *closesAt)) return IdOk;
        serveSentMessages(w);
        w.newArrivals = 0;
        const auto message = nextMessage(w, true);
        if (!message) {
            sleepUntilNextEvent(w, closesAt);
        } else if (message->id == platform::wm::Quit) {
            platform::postQuitMessage(static_cast<int>(message->wParam));
            return 0;
        } else if (!isInputMessage(message->id) || acceptsInput(w, message->window)) {
            platform::translateMessage(*message);
            platform::dispatchMessage(*message);
        }
    }
}

}  // namespace

const std::vector<MessageBoxRecord>& Desktop::messageBoxes() const { return world_->boxes; }

void Desktop::dismissMessageBox() {
    if (!world_->openBoxes.empty()) world_->boxes[world_->openBoxes.back()].dismissed = true;
}

void Desktop::dismissMessageBoxesAfter(std::optional<Millis> ms) { world_->boxLifetime = ms; }

}  // namespace sim

namespace platform {

using namespace sim;

int messageBox(Window owner, const char* text, const char* caption, unsigned style) {
    World& w = world();
    if (failing(w, Call::MessageBox)) return 0;
    const std::size_t box = w.boxes.size();
    w.boxes.push_back({owner, optionalText(text), optionalText(caption), style, w.now, std::nullopt,
                       snapshotTopLevel(w), false});
    const std::vector<Window> disabled = disableForBox(w, owner, style);
    const Window previouslyActive = w.active;
    activate(w, 0);
    w.openBoxes.push_back(box);
    std::optional<Millis> closesAt;
    if (w.boxLifetime) closesAt = w.now + *w.boxLifetime;
    const int result = runModalLoop(w, box, closesAt);
    w.openBoxes.pop_back();
    w.boxes[box].closedAt = w.now;
    for (Window window : disabled) {
        if (WindowState* s = findWindow(w, window)) s->enabled = true;
    }
    if (previouslyActive != 0 && effectivelyVisible(w, previouslyActive))
        activate(w, previouslyActive);
    return result;
}

}  // namespace platform
