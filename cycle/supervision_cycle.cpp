#include "cycle/supervision_cycle.h"

#include "app/lifecycle.h"
#include "app/main_window.h"
#include "cycle/paced_wait.h"
#include "support/launch.h"
#include "support/pump.h"
#include "support/text.h"
#include "sweep/console_sweep.h"

thread_local std::int32_t stopRequested = 0;

namespace {

// State of the window thread.
thread_local bool runActive = false;
thread_local bool restartRequested = false;

// One phase: `seconds` paced waits, the label showing the prefix and the
// seconds left after each. False when a Start click cut it short.
bool countDown(const char* prefix, std::int32_t seconds, bool& waited) {
    for (std::int32_t tick = 1; tick <= seconds; ++tick) {
        if (restartRequested) return false;
        PacedWait(1);
        waited = true;
        if (restartRequested) return false;
        const double remaining = static_cast<double>(seconds) - static_cast<double>(tick);
        writeControlText(mainWindow.标签6, concatTexts({Text(prefix), numberToText(remaining)}));
    }
    return true;
}

std::int32_t readSeconds(platform::Window box) { return toInteger(readControlText(box)); }

// Launch, run phase, sweep, pause phase. False when a Start click asked for
// a fresh run.
bool runOneCycle(HandleList& list) {
    launchTarget(readControlText(mainWindow.编辑框3));
    bool waited = false;
    if (!countDown("剩余工作倒计时：", readSeconds(mainWindow.编辑框1), waited)) return false;
    ConsoleSweep(list);
    if (!countDown("剩余休息倒计时：", readSeconds(mainWindow.编辑框2), waited)) return false;
    // With both phases at 0 or less nothing above waited: keep serving the
    // window, and launch at most once a second.
    if (!waited && !restartRequested) PacedWait(1);
    return !restartRequested;
}

// A run lasts from a Start click until the process ends or a further Start
// replaces it. Every run has its own list of the console windows found.
void runCycles() {
    HandleList list;
    stopRequested = 0;
    while (stopRequested == 0) {
        if (!runOneCycle(list)) return;
    }
}

}  // namespace

void SupervisionCycle() {
    // A Start during a run replaces the run rather than nesting a new one
    // inside the wait that dispatched the click: window managers refuse
    // messages to deeply nested window procedures, so thousands of nested
    // runs would leave a tool that no longer answers Stop. The click's
    // handler returns at once, the wait that dispatched it returns early,
    // and the running loop begins a fresh run.
    if (runActive) {
        restartRequested = true;
        interruptPendingEvents();
        return;
    }
    runActive = true;
    do {
        restartRequested = false;
        runCycles();
    } while (restartRequested);
    runActive = false;
}

void stopCycle() {
    stopRequested = 1;
    endProgram(0);
}
