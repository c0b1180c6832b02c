// The supervision cycle seen from outside: the launches through the shell
// from the tool's own folder, the two countdowns, and the sweep that asks
// matching console windows, and only those, to close.
#include "scenario.h"
#include "timeline.h"
#include "wait_until.h"
#include "window_probe.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(Cycle, RunThreePauseTwoLaunchesCountsDownAndClosesMatchingConsolesOnly)
{
    Scenario scenario("timeline");
    ToolUnderTest& tool = scenario.tool;
    // A stand-in of the same name in the folder the tool is started from,
    // which must never be launched.
    scenario.elsewhere.place(builtStandIn(), "click.exe");
    scenario.folder.place(builtStandIn(), "other.exe");
    // A console of the monitored program that ignores close requests,
    // and one of another program.
    const auto stays = startStandIn(scenario.folder, "click.exe", "--stay");
    const auto other = startStandIn(scenario.folder, "other.exe");
    tool.passNotice();
    const ToolControls c = tool.controls();
    tool.retype(c.编辑框1, "3");
    tool.retype(c.编辑框2, "2");

    Timeline timeline(tool, scenario.folder);
    tool.click(c.按钮1);
    ASSERT_TRUE(timeline.watchUntil(
        [](const auto& seen) { return countStandInEvents(seen, "start") == 3; }, 30000));
    settle(scenario.folder, stays->processId());

    const std::string w = runPrefix, p = pausePrefix;
    // The console that stays open is listed again by every sweep of the
    // run: one close request in the first sweep, two in the second.
    const std::vector<Stretch> expected = {
        {"", {"start 1"}},
        {w + "2", {}}, {w + "1", {}}, {w + "0", {"close 1", "close stays", "end 1"}},
        {p + "1", {}}, {p + "0", {"start 2"}},
        {w + "2", {}}, {w + "1", {}}, {w + "0", {"close 2", "close stays", "close stays", "end 2"}},
        {p + "1", {}}, {p + "0", {"start 3"}},
    };
    const auto stretches = stretchesOf(timeline.observations(),
                                       {{stays->processId(), "stays"}, {other->processId(), "other"}});
    EXPECT_EQ(stretches, expected);

    EXPECT_TRUE(scenario.elsewhere.log().empty());
    EXPECT_TRUE(other->running());
    // Every launch found the program in the tool's own folder.
    for (const auto& observation : timeline.observations()) {
        if (observation.isLabel || observation.standIn.kind != "start") continue;
        EXPECT_EQ(observation.standIn.path, scenario.folder.file("click.exe"));
        std::printf("launch at %llu ms\n", observation.at);
    }
}

struct EmptyName {
    const char* name;
    std::string text;
};

class NamesOfNothing : public testing::TestWithParam<EmptyName> {};

// A name that is empty or blank would be found in every title: the sweep
// must then close no console at all.
TEST_P(NamesOfNothing, CloseNoConsole)
{
    Scenario scenario(std::string("name-") + GetParam().name);
    ToolUnderTest& tool = scenario.tool;
    const auto console = startStandIn(scenario.folder, "click.exe");
    tool.passNotice();
    const ToolControls c = tool.controls();
    tool.retype(c.编辑框3, GetParam().text);
    tool.retype(c.编辑框1, "1");
    tool.retype(c.编辑框2, "1");

    tool.click(c.按钮1);
    ASSERT_TRUE(waitUntil([&] { return tool.countdownText() == pausePrefix + "0"; }));
    settle(scenario.folder, console->processId());

    EXPECT_EQ(closeRequestsTo(scenario.folder, console->processId()), 0u);
}

INSTANTIATE_TEST_SUITE_P(Cycle, NamesOfNothing,
                         testing::Values(EmptyName{"Emptied", ""}, EmptyName{"Blank", "   "}),
                         [](const auto& info) { return std::string(info.param.name); });

// Start-up makes the tool's own folder the current directory; in the root
// of a drive that is the root itself, not the drive's current directory.
// A bare name would not show it (the shell looks beside the calling program
// first), so the name given is relative to the current directory.
TEST(Cycle, RelativeNamesResolveInTheToolsOwnFolder)
{
    for (const char* place : {"C:\\", "C:\\e2e\\own-folder"}) {
        SCOPED_TRACE(place);
        ScenarioFolder elsewhere("C:\\e2e\\elsewhere");
        elsewhere.place(builtStandIn(), "click.exe");
        ScenarioFolder own(place);
        ToolUnderTest tool(own.placeToolAndStandIn(), elsewhere.path());
        tool.passNotice();
        tool.retype(tool.controls().编辑框3, ".\\click.exe");

        tool.click(tool.controls().按钮1);

        ASSERT_TRUE(waitUntil([&] { return !own.log().empty(); })) << "no launch";
        EXPECT_EQ(own.log()[0].path, own.file("click.exe"));
        EXPECT_TRUE(elsewhere.log().empty());
        tool.click(tool.controls().按钮2);
        EXPECT_EQ(tool.waitForExit(), 0u);
    }
}

TEST(Cycle, TwoInstancesRunSideBySide)
{
    Scenario scenario("two");
    ToolUnderTest second(scenario.folder.file("korvalis.exe"), scenario.elsewhere.path());
    HWND firstNotice = scenario.tool.waitForNotice();
    HWND secondNotice = second.waitForNotice();
    EXPECT_NE(firstNotice, secondNotice);
    scenario.tool.dismissNotice();
    second.dismissNotice();
    EXPECT_NE(scenario.tool.mainWindow(), second.mainWindow());

    scenario.tool.click(scenario.tool.controls().按钮2);

    EXPECT_EQ(scenario.tool.waitForExit(), 0u);
    EXPECT_TRUE(second.process().running());
    EXPECT_TRUE(IsWindowVisible(second.mainWindow()));
    second.click(second.controls().按钮2);
    EXPECT_EQ(second.waitForExit(), 0u);
}

}  // namespace
}  // namespace e2e
