#include "support/launch.h"

#include "platform/platform.h"

void launchTarget(const Text& fileName) {
    // An empty working directory (not NULL) leaves the process's current
    // directory, the tool's own folder, to resolve a bare name. Failures
    // are not reported: the cycle simply goes on and launches again later.
    platform::shellExecute(0, "open", fileName.c_str(), nullptr, "", platform::SwShowNormal);
}
