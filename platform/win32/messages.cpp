// The thread's message queue: taking, translating, dispatching, sending and
// posting messages.
#include "platform/win32/native.h"

namespace platform {
namespace {

Message fromMSG(const MSG& msg) {
    return Message{native::fromHwnd(msg.hwnd), msg.message, msg.wParam, msg.lParam};
}

// The time and cursor position of a message are not part of our Message;
// the system keeps both per thread for the message last taken, which is
// where GetMessageTime and GetMessagePos read them.
MSG toMSG(const Message& message) {
    MSG msg{};
    msg.hwnd = native::toHwnd(message.window);
    msg.message = message.id;
    msg.wParam = message.wParam;
    msg.lParam = message.lParam;
    return msg;
}

}  // namespace

int getMessage(Message& message) {
    MSG msg{};
    const BOOL result = GetMessageA(&msg, nullptr, 0, 0);
    if (result != -1) message = fromMSG(msg);
    return result;
}

bool peekMessage(Message& message, bool remove) {
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, 0, 0, remove ? PM_REMOVE : PM_NOREMOVE)) return false;
    message = fromMSG(msg);
    return true;
}

bool translateMessage(const Message& message) {
    const MSG msg = toMSG(message);
    return TranslateMessage(&msg) != FALSE;
}

LResult dispatchMessage(const Message& message) {
    const MSG msg = toMSG(message);
    return DispatchMessageA(&msg);
}

LResult sendMessage(Window window, MessageId id, WParam wParam, LParam lParam) {
    return SendMessageA(native::toHwnd(window), id, wParam, lParam);
}

bool postMessage(Window window, MessageId id, WParam wParam, LParam lParam) {
    return PostMessageA(native::toHwnd(window), id, wParam, lParam) != FALSE;
}

void postQuitMessage(int exitCode) { PostQuitMessage(exitCode); }

}  // namespace platform
