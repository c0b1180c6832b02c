#include "cycle/paced_wait.h"

#include "platform/platform.h"
#include "support/pump.h"

namespace {

// Waits on the message queue alone until the deadline, measured on the
// monotonic tick count. Serves a tick whose timer could not be had. Should
// even that wait fail, the tick polls the queue: it still lasts its second
// and the window stays served, where ending it early would launch the
// monitored program as fast as the loop runs.
bool waitWithoutTimer(std::uint64_t deadline) {
    for (;;) {
        const std::uint64_t now = platform::tickCount();
        if (now >= deadline) return true;
        const auto left = static_cast<std::uint32_t>(deadline - now);
        const std::uint32_t woke =
            platform::msgWaitForMultipleObjects(0, nullptr, false, left, platform::QsAllEvents);
        if (woke != platform::WaitTimeout && !processPendingEvents()) return false;
    }
}

bool waitOnTimer(platform::Handle timer, std::uint64_t deadline) {
    for (;;) {
        const std::uint32_t woke = platform::msgWaitForMultipleObjects(
            1, &timer, false, platform::Infinite, platform::QsAllEvents);
        if (woke == platform::WaitObject0) return true;
        if (woke == platform::WaitFailed) return waitWithoutTimer(deadline);
        if (!processPendingEvents()) return false;
    }
}

}  // namespace

bool PacedWait(std::int32_t seconds) {
    // Messages that an interrupted pump left in the queue have been seen
    // already and would not wake the wait below: serve them first.
    if (messagesLeftBehind() && !processPendingEvents()) return false;

    // One second is -10,000,000 units of 100 ns: negative means relative.
    const auto dueTime = static_cast<std::int64_t>(static_cast<double>(seconds) * 1000 * -10000.0);
    const std::int64_t millis = dueTime < 0 ? -dueTime / 10000 : 0;
    const std::uint64_t deadline = platform::tickCount() + static_cast<std::uint64_t>(millis);

    const platform::Handle timer = platform::createWaitableTimer();
    const bool armed = timer != 0 && platform::setWaitableTimer(timer, dueTime);
    const bool full = armed ? waitOnTimer(timer, deadline) : waitWithoutTimer(deadline);
    if (timer != 0) platform::closeHandle(timer);
    return full;
}
