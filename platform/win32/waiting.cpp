// Waitable timers, the combined wait on handles and the message queue, and
// the millisecond clock.
#include <array>

#include "platform/win32/native.h"

namespace platform {

Handle createWaitableTimer() {
    return native::fromHandle(CreateWaitableTimerA(nullptr, FALSE, nullptr));
}

bool setWaitableTimer(Handle timer, std::int64_t dueTime) {
    LARGE_INTEGER due{};
    due.QuadPart = dueTime;
    return SetWaitableTimer(native::toHandle(timer), &due, 0, nullptr, nullptr, FALSE) != FALSE;
}

bool closeHandle(Handle handle) { return CloseHandle(native::toHandle(handle)) != FALSE; }

std::uint32_t msgWaitForMultipleObjects(std::uint32_t count, const Handle* handles, bool waitAll,
                                        std::uint32_t milliseconds, std::uint32_t wakeMask) {
    // The system waits on at most MAXIMUM_WAIT_OBJECTS - 1 handles here: one
    // slot goes to the message queue.
    std::array<HANDLE, MAXIMUM_WAIT_OBJECTS - 1> nativeHandles{};
    if (count > nativeHandles.size()) return WaitFailed;
    for (std::uint32_t i = 0; i < count; ++i)
        nativeHandles[i] = native::toHandle(handles[i]);
    return MsgWaitForMultipleObjects(count, nativeHandles.data(), waitAll ? TRUE : FALSE,
                                     milliseconds, wakeMask);
}

std::uint64_t tickCount() { return GetTickCount64(); }

}  // namespace platform
