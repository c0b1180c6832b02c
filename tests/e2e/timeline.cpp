#include "timeline.h"

#include <algorithm>

namespace e2e {

Timeline::Timeline(const ToolUnderTest& tool, const ScenarioFolder& folder)
    : tool_(tool), folder_(folder), label_(tool.countdownText()), logLines_(folder.log().size())
{
}

bool Timeline::watchUntil(const Done& done, Milliseconds timeout, const Report& report)
{
    return waitUntil(
        [&] {
            poll(report);
            return done(seen_);
        },
        timeout);
}

void Timeline::poll(const Report& report)
{
    // The log is read before the label: whatever the log shows happened
    // before this read of the label, so an event caused by a label change
    // (the sweep after the last tick, the launch after the pause) is never
    // recorded ahead of that change.
    const auto log = folder_.log();
    const std::string label = tool_.countdownText();
    const Milliseconds at = now() - begin_;
    std::vector<Observation> fresh;
    if (label != label_) {
        label_ = label;
        fresh.push_back({at, true, label, {}});
    }
    for (; logLines_ < log.size(); ++logLines_) fresh.push_back({at, false, {}, log[logLines_]});
    for (const auto& observation : fresh) {
        seen_.push_back(observation);
        if (report) report(observation);
    }
}

std::size_t countStandInEvents(const std::vector<Observation>& seen, const std::string& kind)
{
    return std::count_if(seen.begin(), seen.end(), [&](const Observation& observation) {
        return !observation.isLabel && observation.standIn.kind == kind;
    });
}

std::ostream& operator<<(std::ostream& out, const Stretch& stretch)
{
    out << "[" << stretch.label << ":";
    for (const auto& event : stretch.events) out << " " << event;
    return out << "]";
}

std::vector<Stretch> stretchesOf(const std::vector<Observation>& seen,
                                 const std::map<DWORD, std::string>& knownProcesses)
{
    std::vector<Stretch> stretches{{"", {}}};
    std::map<DWORD, std::string> names = knownProcesses;
    int launches = 0;
    for (const auto& observation : seen) {
        if (observation.isLabel) {
            stretches.push_back({observation.label, {}});
            continue;
        }
        const StandInEvent& event = observation.standIn;
        if (!names.count(event.processId)) names[event.processId] = std::to_string(++launches);
        stretches.back().events.push_back(event.kind + " " + names[event.processId]);
    }
    for (auto& stretch : stretches) std::sort(stretch.events.begin(), stretch.events.end());
    return stretches;
}

}  // namespace e2e
