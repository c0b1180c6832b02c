// Message pumping on the window thread, and the notice box.
#pragma once

#include <optional>

#include "support/text.h"

// Takes one message, lets MainWindow's keyboard interface see it first,
// then translates and dispatches it. False when the message was WM_QUIT.
bool pumpOneMessage();

// Handles every message waiting in the queue, and those that arrive while
// it runs, then returns true. Returns false as soon as a handler has called
// interruptPendingEvents, leaving the rest of the queue for later.
bool processPendingEvents();

// Asks the processPendingEvents call under way, if any, to return after the
// message in hand, so the handler's caller can act on what it changed.
void interruptPendingEvents();

// True when the last processPendingEvents call was interrupted with
// messages still queued. A wait that sleeps until something new arrives
// must serve those first.
bool messagesLeftBehind();

// A WM_QUIT that the pumping took out of the queue is not acted on there:
// it waits here, with its exit code, for the top-level message loop.
std::optional<int> pendingQuit();

// A task-modal box with one OK button; returns when the user dismissed it.
void showNotice(const Text& text, const Text& title);
