// The simulated process's thread, the turns it takes with the harness, and
// the virtual clock that moves only while the program sleeps.
//
// The program runs only while the harness waits in runUntil; whenever it
// would sleep past the harness's limit, sleep with nothing to wake it, or
// end, it hands the turn back and blocks. A process that ended never gets
// its turn again: its thread stays blocked for good, so nothing after
// exitProcess runs, no destructor and no unwinding, and the thread's
// reference keeps the desktop's state alive (and reachable) after the test
// has dropped its Desktop.
#include "platform/sim/world.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <utility>

namespace sim {

namespace {

thread_local World* currentWorld = nullptr;

// Gives the turn to the harness and blocks until it gives it back.
void handOver(World& w, Pause why) {
    std::unique_lock lock(w.mutex);
    w.pause = why;
    w.programsTurn = false;
    w.turnChanged.notify_all();
    w.turnChanged.wait(lock, [&] { return w.programsTurn; });
}

void runDueActions(World& w) {
    while (!w.scheduled.empty() && w.scheduled.begin()->first <= w.now) {
        auto due = w.scheduled.extract(w.scheduled.begin());
        due.mapped()();
    }
}

// The body of the process's thread: waits for the first turn, runs the
// program's main routine, and reports a return from it as the exit.
void runProcess(const std::shared_ptr<World>& w, const std::function<int()>& program) {
    currentWorld = w.get();
    {
        std::unique_lock lock(w->mutex);
        w->turnChanged.wait(lock, [&] { return w->programsTurn || w->abandoned; });
        if (!w->programsTurn) return;
    }
    const int code = program();
    std::lock_guard lock(w->mutex);
    w->exit = Exit{code, w->now, true};
    w->pause = Pause::Exited;
    w->programsTurn = false;
    w->turnChanged.notify_all();
}

}  // namespace

World& world() {
    if (currentWorld == nullptr) {
        // A platform call from a thread that is no simulated process (the
        // test's own thread) has no desktop to act on.
        std::fputs("sim: platform call outside a simulated process\n", stderr);
        std::abort();
    }
    return *currentWorld;
}

bool isProgramThread(const World& w) { return currentWorld == &w; }

void schedule(World& w, Millis time, std::function<void()> action) {
    w.scheduled.emplace(time, std::move(action));
}

void sleepUntilNextEvent(World& w, std::optional<Millis> deadline) {
    std::optional<Millis> next = deadline;
    if (!w.scheduled.empty() && (!next || w.scheduled.begin()->first < *next)) {
        next = w.scheduled.begin()->first;
    }
    if (!next || *next > w.limit) {
        w.now = std::max(w.now, w.limit);
        handOver(w, next ? Pause::TimeLimit : Pause::Idle);
        return;  // the harness may have changed anything: the caller looks again
    }
    w.now = std::max(w.now, *next);
    runDueActions(w);
}

void endProcess(World& w, int code) {
    std::unique_lock lock(w.mutex);
    w.exit = Exit{code, w.now, false};
    w.pause = Pause::Exited;
    w.programsTurn = false;
    w.turnChanged.notify_all();
    for (;;)
        w.turnChanged.wait(lock);
}

Desktop::Desktop() : world_(std::make_shared<World>()) {}

Desktop::~Desktop() {
    std::lock_guard lock(world_->mutex);
    world_->abandoned = true;
    world_->turnChanged.notify_all();
}

void Desktop::start(std::function<int()> program) {
    if (world_->started) throw std::logic_error("sim: a desktop runs one process");
    world_->started = true;
    std::thread(runProcess, world_, std::move(program)).detach();
}

Pause Desktop::runUntil(Millis ms) {
    World& w = *world_;
    if (!w.started) throw std::logic_error("sim: start the program before running it");
    if (isProgramThread(w)) {
        std::fputs("sim: the program cannot run itself (runUntil from a scheduled action)\n",
                   stderr);
        std::abort();
    }
    std::unique_lock lock(w.mutex);
    if (w.exit) {
        w.now = std::max(w.now, ms);
        return Pause::Exited;
    }
    w.limit = ms;
    w.programsTurn = true;
    w.turnChanged.notify_all();
    w.turnChanged.wait(lock, [&] { return !w.programsTurn; });
    return w.pause;
}

Pause Desktop::runFor(Millis ms) { return runUntil(now() + ms); }

Millis Desktop::now() const { return world_->now; }

void Desktop::at(Millis ms, std::function<void()> action) {
    schedule(*world_, ms, std::move(action));
}

std::optional<Exit> Desktop::exit() const { return world_->exit; }

bool Desktop::exited() const { return world_->exit.has_value(); }

int Desktop::exitCode() const {
    if (!world_->exit) throw std::logic_error("sim: the process has not exited");
    return world_->exit->code;
}

}  // namespace sim
