// Every way out of the tool, with its exit code, while idle and while a
// countdown runs; and the quit message that a running cycle outlives.
#include "scenario.h"
#include "wait_until.h"
#include "window_probe.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

void clickStop(const ToolUnderTest& tool) { tool.click(tool.controls().按钮2); }
void pressCloseBox(const ToolUnderTest& tool) { tool.post(tool.mainWindow(), WM_SYSCOMMAND, SC_CLOSE); }
void postClose(const ToolUnderTest& tool) { tool.post(tool.mainWindow(), WM_CLOSE); }
void pressEscape(const ToolUnderTest& tool) { tool.pressKey(VK_ESCAPE); }
void postQuit7(const ToolUnderTest& tool) { tool.postQuit(7); }

struct WayOut {
    const char* name;
    void (*act)(const ToolUnderTest&);
    bool duringCountdown;
    DWORD exitCode;
};

const WayOut waysOut[] = {
    {"StopIdle", clickStop, false, 0},
    {"CloseBoxIdle", pressCloseBox, false, 0},
    {"CloseRequestIdle", postClose, false, 0},
    {"EscapeIdle", pressEscape, false, 0},
    {"QuitIdle", postQuit7, false, 7},
    {"StopCounting", clickStop, true, 0},
    {"CloseBoxCounting", pressCloseBox, true, 0},
    {"CloseRequestCounting", postClose, true, 0},
    {"EscapeCounting", pressEscape, true, 0},
};

class WaysOut : public testing::TestWithParam<WayOut> {};

// With a run time of 2, the sweep would follow the tick after "1": the
// stand-in launched at Start would be asked to close if the tool went on
// after being told to end.
TEST_P(WaysOut, EndTheToolAtOnceWithTheirExitCode)
{
    const WayOut& way = GetParam();
    Scenario scenario(std::string("exit-") + way.name);
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();
    const ToolControls c = tool.controls();
    if (way.duringCountdown) {
        tool.retype(c.编辑框1, "2");
        tool.click(c.按钮1);
        ASSERT_TRUE(waitUntil([&] { return tool.countdownText() == runPrefix + "1"; }));
    }

    way.act(tool);

    EXPECT_EQ(tool.waitForExit(), way.exitCode);
    if (way.duringCountdown) {
        const auto log = scenario.folder.log();
        ASSERT_EQ(log.size(), 1u) << "one launch, at Start";
        settle(scenario.folder, log[0].processId);
        EXPECT_EQ(closeRequestsTo(scenario.folder, log[0].processId), 0u) << "a sweep ran";
    }
}

INSTANTIATE_TEST_SUITE_P(Exit, WaysOut, testing::ValuesIn(waysOut),
                         [](const auto& info) { return std::string(info.param.name); });

// The cycle's own pumping leaves a quit message alone: the tool keeps
// counting and still serves its window.
TEST(Exit, QuitDuringACycleIsOutlivedAndStopStillEndsWithZero)
{
    Scenario scenario("exit-quit-counting");
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();
    const ToolControls c = tool.controls();
    tool.click(c.按钮1);
    ASSERT_TRUE(waitUntil([&] { return tool.countdownText() == runPrefix + "599"; }));

    tool.postQuit(7);

    EXPECT_TRUE(waitUntil([&] { return tool.countdownText() == runPrefix + "597"; }))
        << tool.countdownText();
    EXPECT_TRUE(tool.process().running());
    tool.click(c.按钮2);
    EXPECT_EQ(tool.waitForExit(), 0u);
}

// With no time to wait in either phase the cycle has no one-second wait
// of its own to serve the window in; the tool must still take Stop.
TEST(Exit, StopEndsACycleWithNoTimeToCountDown)
{
    Scenario scenario("exit-no-time");
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();
    const ToolControls c = tool.controls();
    tool.retype(c.编辑框3, "nothing-here.exe");
    tool.retype(c.编辑框1, "0");
    tool.retype(c.编辑框2, "0");
    tool.click(c.按钮1);

    EXPECT_TRUE(tool.pace()) << "the tool stopped serving its window";
    tool.click(c.按钮2);
    EXPECT_EQ(tool.waitForExit(), 0u);
}

// Log-off asks every window first: the tool consents and holds nothing
// up, then leaves its ending to the system, running no code of its own.
TEST(Exit, LogOffIsGrantedAndLeftToTheSystem)
{
    Scenario scenario("exit-log-off");
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();

    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(tool.mainWindow(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000,
                                    &answer));
    EXPECT_EQ(answer, TRUE);
    ASSERT_TRUE(SendMessageTimeoutA(tool.mainWindow(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000,
                                    &answer));
    EXPECT_TRUE(tool.pace());
    EXPECT_TRUE(IsWindowVisible(tool.mainWindow()));
}

}  // namespace
}  // namespace e2e
