// preTranslate: the keys MainWindow handles itself before a message is
// translated and dispatched to the control it is addressed to.
#include "app/focus.h"
#include "app/keyboard.h"
#include "app/main_window.h"

namespace {

bool isHeld(int virtualKey) { return platform::getKeyState(virtualKey) < 0; }

keyboard::Modifiers heldModifiers() {
    return {isHeld(platform::VkControl), isHeld(platform::VkShift), isHeld(platform::VkMenu)};
}

bool perform(keyboard::KeyAction action) {
    switch (action) {
        case keyboard::KeyAction::FocusNext: moveFocus(tabOrder::Direction::Forward); return true;
        case keyboard::KeyAction::FocusPrevious:
            moveFocus(tabOrder::Direction::Backward);
            return true;
        case keyboard::KeyAction::CloseWindow:
            // The same path as the close box: the default handling destroys
            // the window, and its destruction ends the program.
            platform::sendMessage(mainWindow.window, platform::wm::Close, 0, 0);
            return true;
        case keyboard::KeyAction::None: return false;
    }
    return false;
}

}  // namespace

bool preTranslate(const platform::Message& message) {
    if (message.id != platform::wm::KeyDown && message.id != platform::wm::SysKeyDown) return false;
    const int virtualKey = static_cast<int>(message.wParam);
    return perform(keyboard::actionFor(virtualKey, heldModifiers()));
}
