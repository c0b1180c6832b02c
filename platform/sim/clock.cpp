// Waitable timers on the virtual clock, and the wait on timers and the
// message queue together.
#include "platform/sim/world.h"

#include <algorithm>
#include <vector>

namespace sim {

namespace {

constexpr std::uint32_t MaxWaitHandles = 63;    // the queue takes the 64th slot
constexpr std::uint64_t UnitsPerMilli = 10000;  // due times count 100 ns

Millis millisRoundedUp(std::uint64_t units) { return (units + UnitsPerMilli - 1) / UnitsPerMilli; }

// A timer whose due time has come is signalled until a wait consumes it.
Timer* timerAt(World& w, Handle handle) {
    const auto found = w.timers.find(handle);
    if (found == w.timers.end()) return nullptr;
    Timer& timer = found->second;
    if (timer.due && *timer.due <= w.now) {
        timer.signalled = true;
        timer.due.reset();
    }
    return &timer;
}

struct Signalled {
    bool failed = false;
    std::optional<std::uint32_t> index;
};

// Which handle ends the wait, consuming the signal of auto-reset timers.
Signalled checkHandles(World& w, const std::vector<Handle>& handles, bool waitAll) {
    std::vector<Timer*> timers;
    for (Handle handle : handles) {
        Timer* timer = timerAt(w, handle);
        if (timer == nullptr) return {true, std::nullopt};
        timers.push_back(timer);
    }
    if (waitAll) {
        if (timers.empty() ||
            !std::all_of(timers.begin(), timers.end(), [](Timer* t) { return t->signalled; })) {
            return {};
        }
        for (Timer* timer : timers)
            timer->signalled = false;
        return {false, 0};
    }
    for (std::uint32_t i = 0; i < timers.size(); ++i) {
        if (timers[i]->signalled) {
            timers[i]->signalled = false;
            return {false, i};
        }
    }
    return {};
}

std::optional<Millis> earliestDue(World& w, const std::vector<Handle>& handles,
                                  std::optional<Millis> deadline) {
    for (Handle handle : handles) {
        const Timer* timer = timerAt(w, handle);
        if (timer != nullptr && timer->due && (!deadline || *timer->due < *deadline))
            deadline = timer->due;
    }
    return deadline;
}

}  // namespace

}  // namespace sim

namespace platform {

using namespace sim;

Handle createWaitableTimer() {
    World& w = world();
    if (failing(w, Call::CreateWaitableTimer)) return 0;
    const Handle handle = w.nextKernelHandle;
    w.nextKernelHandle += 4;
    w.timers.emplace(handle, Timer{});
    return handle;
}

bool setWaitableTimer(Handle timer, std::int64_t dueTime) {
    World& w = world();
    if (failing(w, Call::SetWaitableTimer)) return false;
    const auto found = w.timers.find(timer);
    if (found == w.timers.end()) return false;
    // Negative counts from now; positive is absolute, from the clock's zero.
    const Millis due = dueTime < 0
                           ? w.now + millisRoundedUp(0 - static_cast<std::uint64_t>(dueTime))
                           : millisRoundedUp(static_cast<std::uint64_t>(dueTime));
    found->second = Timer{due, false};
    return true;
}

bool closeHandle(Handle handle) {
    World& w = world();
    if (failing(w, Call::CloseHandle)) return false;
    return w.timers.erase(handle) == 1;
}

// Wakes for input only when something arrived since the queue was last
// looked at (by peekMessage or getMessage): messages that a peek has seen
// and left do not end the wait.
std::uint32_t msgWaitForMultipleObjects(std::uint32_t count, const Handle* handles, bool waitAll,
                                        std::uint32_t milliseconds, std::uint32_t wakeMask) {
    World& w = world();
    if (failing(w, Call::MsgWait) || count > MaxWaitHandles || (count > 0 && handles == nullptr))
        return WaitFailed;
    const std::vector<Handle> waited(handles, handles + count);
    std::optional<Millis> deadline;
    if (milliseconds != Infinite) deadline = w.now + milliseconds;
    for (;;) {
        const Signalled signalled = checkHandles(w, waited, waitAll);
        if (signalled.failed) return WaitFailed;
        if (signalled.index) return WaitObject0 + *signalled.index;
        if ((wakeMask & qs::SendMessage) != 0 && !w.sent.empty()) {
            serveSentMessages(w);
            return WaitObject0 + count;
        }
        if ((w.newArrivals & wakeMask) != 0) return WaitObject0 + count;
        if (deadline && w.now >= *deadline) return WaitTimeout;
        sleepUntilNextEvent(w, earliestDue(w, waited, deadline));
    }
}

std::uint64_t tickCount() { return world().now; }

}  // namespace platform
