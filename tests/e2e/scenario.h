// The usual arrangement of a scenario and the stand-ins it starts itself.
#pragma once

#include "child_process.h"
#include "scenario_folder.h"
#include "tool_driver.h"

#include <memory>
#include <string>

namespace e2e {

// The tool and the stand-in in a folder of the scenario's own,
// C:\e2e\<name>, and the tool started from another folder, so that
// whatever it finds through a bare file name must come from its own.
struct Scenario {
    explicit Scenario(const std::string& name);

    ScenarioFolder elsewhere;
    ScenarioFolder folder;
    ToolUnderTest tool;
};

// Starts the stand-in exe of folder (with --stay it ignores close
// requests) and waits until its window is up.
std::unique_ptr<ChildProcess> startStandIn(const ScenarioFolder& folder, const std::string& exe,
                                           const std::string& arguments = "");
// Waits until the stand-in has handled every message posted to it so far.
void settle(const ScenarioFolder& folder, DWORD standIn);
// How many close requests the stand-in has handled.
std::size_t closeRequestsTo(const ScenarioFolder& folder, DWORD standIn);

}  // namespace e2e
