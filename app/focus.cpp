#include "app/focus.h"

#include <vector>

#include "app/controls.h"
#include "app/layout.h"
#include "app/main_window.h"

namespace {

thread_local platform::Window rememberedFocus = 0;

// Stored indices in the order Tab visits them; the layout is fixed.
const std::vector<int>& tabStops() {
    static const std::vector<int> stops = tabOrder::order(layout::controls);
    return stops;
}

int tabStopCount() { return static_cast<int>(tabStops().size()); }

platform::Window windowAt(int position) {
    return mainWindow.*layout::controls[tabStops()[position]].handle;
}

bool canTakeFocus(int position) {
    const platform::Window window = windowAt(position);
    return platform::isWindowVisible(window) && platform::isWindowEnabled(window);
}

// -1 for a window outside the tab order, MainWindow itself among them.
int positionOf(platform::Window window) {
    if (window == 0) return -1;
    for (int position = 0; position < tabStopCount(); ++position)
        if (windowAt(position) == window) return position;
    return -1;
}

}  // namespace

void moveFocus(tabOrder::Direction direction) {
    const int from = positionOf(platform::getFocus());
    if (from < 0) return;
    const int to = tabOrder::step(tabStopCount(), from, direction, canTakeFocus);
    // Only SetFocus: an edit box tabbed into keeps its caret and selection.
    if (to != from) platform::setFocus(windowAt(to));
}

void rememberFocus() {
    const platform::Window focused = platform::getFocus();
    if (controlLayoutOf(focused) != nullptr) rememberedFocus = focused;
}

void passFocusToControl() {
    if (rememberedFocus != 0 && platform::isWindow(rememberedFocus)) {
        platform::setFocus(rememberedFocus);
        return;
    }
    const int first = tabOrder::firstUsable(tabStopCount(), canTakeFocus);
    if (first >= 0) platform::setFocus(windowAt(first));
}
