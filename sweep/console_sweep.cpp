#include "sweep/console_sweep.h"

#include "app/main_window.h"

namespace {

// An empty or blank name would be found in every title and close every
// console on the desktop, whatever program it belongs to.
bool namesNothing(const Text& name) { return textLength(trimBothEnds(name)) == 0; }

}  // namespace

void ConsoleSweep(HandleList& list) {
    Text consoleClass("ConsoleWindowClass");
    collectWindows(0, list, consoleClass);

    // Every entry gathered since Start is examined again, not only the
    // windows found now; the name is read afresh for each, as the user may
    // be editing it.
    const std::size_t count = list.size();
    for (std::size_t position = 0; position < count; ++position) {
        const platform::Window window = listedWindow(list[position]);
        const Text title = readWindowTitle(window);
        const Text name = readControlText(mainWindow.编辑框3);
        if (namesNothing(name)) continue;
        if (findText(title, name, false) > 0) requestClose(window);
    }
}

Text readWindowTitle(platform::Window window) {
    const auto size =
        static_cast<std::int32_t>(static_cast<double>(platform::getWindowTextLength(window)) + 1);
    Text buffer = blankText(size);
    platform::getWindowText(window, buffer.buffer(), size);
    return duplicateText(buffer);
}

void requestClose(platform::Window window) {
    platform::postMessage(window, platform::wm::Close, 0, 0);
}
