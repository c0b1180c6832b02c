// Launching files through the shell: every call is recorded, and a hook of
// the test's may act as the started program would (open a console window).
#include "platform/sim/world.h"

namespace platform {

using namespace sim;

std::intptr_t shellExecute(Window owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int showCommand) {
    constexpr std::intptr_t FileNotFound = 2;
    World& w = world();
    Launch launch{owner,
                  optionalText(verb),
                  optionalText(file),
                  optionalText(parameters),
                  optionalText(directory),
                  showCommand,
                  w.now,
                  w.launchResult};
    if (failing(w, Call::ShellExecute)) {
        launch.result = FileNotFound;
    } else if (w.launchHook) {
        const auto hook = w.launchHook;  // the hook may replace itself
        hook(launch);
    }
    w.launches.push_back(launch);
    return launch.result;
}

}  // namespace platform

namespace sim {

const std::vector<Launch>& Desktop::launches() const { return world_->launches; }

void Desktop::onLaunch(std::function<void(Launch&)> hook) { world_->launchHook = std::move(hook); }

void Desktop::setLaunchResult(std::intptr_t result) { world_->launchResult = result; }

}  // namespace sim
