// Start pressed during a run restarts the run in place: an immediate
// launch, the countdown from the full run time and a list of console
// windows begun afresh; pressed over and over, the tool must take every
// click and still end on Stop.
#include "scenario.h"
#include "timeline.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace e2e {
namespace {

TEST(Restart, StartDuringAPauseLaunchesAtOnceAndBeginsAFreshRun)
{
    Scenario scenario("restart-fresh");
    ToolUnderTest& tool = scenario.tool;
    const auto stays = startStandIn(scenario.folder, "click.exe", "--stay");
    tool.passNotice();
    const ToolControls c = tool.controls();
    tool.retype(c.编辑框1, "2");
    tool.retype(c.编辑框2, "3");
    tool.click(c.按钮1);
    ASSERT_TRUE(waitUntil([&] { return tool.countdownText() == pausePrefix + "2"; }));
    settle(scenario.folder, stays->processId());
    ASSERT_EQ(closeRequestsTo(scenario.folder, stays->processId()), 1u);

    Timeline timeline(tool, scenario.folder);
    tool.click(c.按钮1);
    ASSERT_TRUE(timeline.watchUntil(
        [](const auto& seen) {
            return !seen.empty() && seen.back().isLabel && seen.back().label == pausePrefix + "2";
        },
        10000));

    // The run before the restart listed the console once; a list carried
    // over would have it asked twice more in this sweep.
    const std::vector<Stretch> expected = {
        {"", {"start 1"}},
        {runPrefix + "1", {}},
        {runPrefix + "0", {"close 1", "close stays", "end 1"}},
        {pausePrefix + "2", {}},
    };
    EXPECT_EQ(stretchesOf(timeline.observations(), {{stays->processId(), "stays"}}), expected);
}

TEST(Restart, TenThousandStartClicksDuringARunThenStopEndsWithZero)
{
    constexpr int clicks = 10000;
    Scenario scenario("restart");
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();
    const ToolControls c = tool.controls();
    // A name the shell finds nothing under: every click launches nothing.
    tool.retype(c.编辑框3, "nothing-here.exe");

    const Milliseconds begin = now();
    for (int click = 0; click < clicks; ++click) {
        tool.post(c.按钮1, BM_CLICK);
        ASSERT_TRUE(tool.pace()) << "the tool stopped answering after " << click << " clicks";
    }
    std::printf("%d Start clicks taken in %llu ms\n", clicks, now() - begin);

    // The last click began a fresh run from the full run time.
    EXPECT_TRUE(waitUntil([&] { return tool.countdownText() == runPrefix + "599"; }))
        << tool.countdownText();
    tool.click(c.按钮2);
    EXPECT_EQ(tool.waitForExit(), 0u);
    EXPECT_TRUE(scenario.folder.log().empty());
}

}  // namespace
}  // namespace e2e
