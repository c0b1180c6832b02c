// Start pressed over and over during a run restarts the run in place: the
// tool must take every click and still end on Stop.
#include "scenario.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace e2e {
namespace {

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
