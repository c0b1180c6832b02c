// Switches that make platform calls fail, for tests of the program's
// failure paths.
#include "platform/sim/world.h"

namespace sim {

bool failing(World& w, Call call) {
    const auto fault = w.faults.find(call);
    if (fault == w.faults.end()) return false;
    if (fault->second > 0 && --fault->second == 0) w.faults.erase(fault);
    return true;
}

void Desktop::failAlways(Call call) { world_->faults[call] = -1; }

void Desktop::failNext(Call call, int times) {
    if (times > 0) {
        world_->faults[call] = times;
    } else {
        world_->faults.erase(call);
    }
}

void Desktop::stopFailing(Call call) { world_->faults.erase(call); }

}  // namespace sim
