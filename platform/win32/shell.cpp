// Opening files through the shell, and message boxes.
#include "platform/win32/native.h"

// After windows.h, which it builds on.
#include <shellapi.h>

namespace platform {

std::intptr_t shellExecute(Window owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int showCommand) {
    // The result is an HINSTANCE only by tradition: a number that is above 32
    // on success and an error code otherwise.
    const HINSTANCE result =
        ShellExecuteA(native::toHwnd(owner), verb, file, parameters, directory, showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

int messageBox(Window owner, const char* text, const char* caption, unsigned style) {
    return MessageBoxA(native::toHwnd(owner), text, caption, style);
}

}  // namespace platform
