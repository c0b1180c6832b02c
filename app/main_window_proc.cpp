#include "app/main_window_proc.h"

#include "app/focus.h"
#include "app/main_window.h"
#include "app/window_events.h"
#include "cycle/supervision_cycle.h"

namespace {

using platform::LParam;
using platform::LResult;
using platform::WParam;

thread_local bool eventsMuted = true;
thread_local bool destructionStarted = false;

unsigned highWord(WParam value) { return static_cast<unsigned>((value >> 16) & 0xFFFF); }
unsigned lowWord(WParam value) { return static_cast<unsigned>(value & 0xFFFF); }

LResult onCommand(WParam wParam, LParam lParam) {
    const auto source = static_cast<platform::Window>(lParam);
    if (eventsMuted || source == 0 || highWord(wParam) != platform::bm::Clicked) return 0;
    if (source == mainWindow.按钮1) SupervisionCycle();
    if (source == mainWindow.按钮2) stopCycle();
    return 0;
}

LResult onEditColours(WParam wParam) {
    const auto dc = static_cast<platform::DeviceContext>(wParam);
    platform::setTextColor(dc, platform::rgb(0, 0, 0));
    platform::setBkColor(dc, platform::rgb(255, 255, 255));
    return static_cast<LResult>(platform::getStockObject(platform::StockWhiteBrush));
}

LResult onActivate(platform::Window window, WParam wParam, LParam lParam) {
    if (lowWord(wParam) == platform::WaInactive) rememberFocus();
    return platform::defWindowProc(window, platform::wm::Activate, wParam, lParam);
}

LResult onDestroy() {
    destructionStarted = true;
    if (!eventsMuted) onMainWindowDestroying();
    return 0;
}

}  // namespace

void setEventsMuted(bool muted) { eventsMuted = muted; }

bool mainWindowDestructionStarted() { return destructionStarted; }

LResult mainWindowProc(platform::Window window, platform::MessageId id, WParam wParam,
                       LParam lParam) {
    switch (id) {
        case platform::wm::Command: return onCommand(wParam, lParam);
        case platform::wm::CtlColorEdit: return onEditColours(wParam);
        case platform::wm::Activate: return onActivate(window, wParam, lParam);
        case platform::wm::SetFocus: passFocusToControl(); return 0;
        case platform::wm::Destroy: return onDestroy();
        // Nothing of the tool objects to the session ending, and nothing
        // of it runs when it ends: the system ends the process.
        case platform::wm::QueryEndSession: return 1;
        case platform::wm::EndSession: return 0;
        default: return platform::defWindowProc(window, id, wParam, lParam);
    }
}
