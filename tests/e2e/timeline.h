// What an observer outside the tool sees over time: the texts of the
// countdown label and the stand-ins' log lines, in the order they happen.
#pragma once

#include "scenario_folder.h"
#include "tool_driver.h"
#include "wait_until.h"

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

struct Observation {
    Milliseconds at;       // since the timeline began
    bool isLabel = false;  // a new countdown text, else a stand-in event
    std::string label;
    StandInEvent standIn;
};

class Timeline {
public:
    // Begins now: log lines written before are not part of it.
    Timeline(const ToolUnderTest& tool, const ScenarioFolder& folder);

    using Done = std::function<bool(const std::vector<Observation>&)>;
    using Report = std::function<void(const Observation&)>;
    // Watches until done holds for what has been seen, passing each new
    // observation to report; false if timeout passed first.
    bool watchUntil(const Done& done, Milliseconds timeout, const Report& report = {});

    const std::vector<Observation>& observations() const { return seen_; }

private:
    void poll(const Report& report);

    const ToolUnderTest& tool_;
    const ScenarioFolder& folder_;
    Milliseconds begin_ = now();
    std::string label_;
    std::size_t logLines_ = 0;
    std::vector<Observation> seen_;
};

// How many stand-in events of that kind have been seen.
std::size_t countStandInEvents(const std::vector<Observation>& seen, const std::string& kind);

// A stretch of a timeline: a countdown text and the stand-in events seen
// after it, before the next text, sorted (events of different processes
// come in no fixed order). The first stretch holds what came before the
// first new text, under an empty one.
struct Stretch {
    std::string label;
    std::vector<std::string> events;
    bool operator==(const Stretch&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Stretch& stretch);

// The observations as stretches, each stand-in event named "<kind> <who>":
// who is the given name of a process the test started itself, else the
// number of a process the tool launched, counted from 1 in launch order.
std::vector<Stretch> stretchesOf(const std::vector<Observation>& seen,
                                 const std::map<DWORD, std::string>& knownProcesses);

}  // namespace e2e
