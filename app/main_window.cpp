#include "app/main_window.h"

#include "app/controls.h"
#include "app/layout.h"

thread_local MainWindowControls mainWindow;

const layout::Control* controlLayoutOf(platform::Window window) {
    if (window == 0) return nullptr;
    for (const layout::Control& control : layout::controls)
        if (mainWindow.*control.handle == window) return &control;
    return nullptr;
}

bool belongsToMainWindow(platform::Window window) {
    return window != 0 && (window == mainWindow.window || controlLayoutOf(window) != nullptr);
}

Text readControlText(platform::Window control) {
    // One byte more than the length for the terminator; the value ends at
    // the first zero byte whatever the call leaves behind.
    const int length = platform::getWindowTextLength(control);
    Text text = blankText(length + 1);
    if (platform::getWindowText(control, text.buffer(), text.bufferSize()) <= 0) return Text();
    return text;
}

void writeControlText(platform::Window control, const Text& text) {
    platform::setWindowText(control, text.c_str());
    // A label draws only when it paints: the new caption shows at the next
    // dispatch, and of several writes before it only the last.
    const layout::Control* entry = controlLayoutOf(control);
    if (entry != nullptr && entry->kind == layout::ControlKind::Label)
        platform::invalidateRect(control, false);
}
