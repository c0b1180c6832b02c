#include "support/pump.h"

#include "app/main_window.h"
#include "platform/platform.h"

namespace {

// State of the window thread.
thread_local std::optional<int> quitCode;
thread_local int pumpsRunning = 0;
thread_local bool interruptRequested = false;
thread_local bool leftBehind = false;

bool takeInterrupt() {
    const bool requested = interruptRequested;
    interruptRequested = false;
    return requested;
}

// Handles messages until the queue is empty (true) or a handler asks for
// an early return (false).
bool drainQueue() {
    for (;;) {
        platform::Message next;
        const bool waiting = platform::peekMessage(next, false);
        // A message sent by another thread is handled inside the peek.
        if (takeInterrupt()) return false;
        if (!waiting) return true;
        // A WM_QUIT is taken out like any other message and kept pending:
        // posted messages come before input and paint, so a quit left at
        // the head of the queue would starve every click and repaint.
        pumpOneMessage();
        if (takeInterrupt()) return false;
    }
}

}  // namespace

bool pumpOneMessage() {
    platform::Message message;
    const int got = platform::getMessage(message);
    if (got == 0) {
        // Keep the first quit: that is the one the top-level loop would
        // have taken had it been running.
        if (!quitCode) quitCode = static_cast<int>(message.wParam);
        return false;
    }
    if (got < 0) return true;  // nothing was taken
    if (belongsToMainWindow(message.window) && preTranslate(message)) return true;
    platform::translateMessage(message);
    platform::dispatchMessage(message);
    return true;
}

bool processPendingEvents() {
    ++pumpsRunning;
    const bool emptied = drainQueue();
    --pumpsRunning;
    leftBehind = !emptied;
    return emptied;
}

void interruptPendingEvents() {
    // Outside a pump there is nothing to cut short, and a request kept for
    // later would cut short a pump that has nothing to do with it.
    if (pumpsRunning > 0) interruptRequested = true;
}

bool messagesLeftBehind() { return leftBehind; }

std::optional<int> pendingQuit() { return quitCode; }

void showNotice(const Text& text, const Text& title) {
    // No owner and task-modal: every window of the thread is disabled while
    // the box is up. A box that cannot be shown counts as dismissed.
    platform::messageBox(0, text.c_str(), title.c_str(), platform::MbOk | platform::MbTaskModal);
}
