// The supervision cycle on the simulated desktop: what the user and the
// monitored program see second by second.
#include <gtest/gtest.h>

#include <new>

#include "tool_on_desktop.h"

namespace {

using Write = ToolOnDesktop::Write;
const std::string work = "剩余工作倒计时：";
const std::string rest = "剩余休息倒计时：";

class Cycle : public ::testing::Test, protected ToolOnDesktop {
protected:
    void SetUp() override { start(); }

    // Starts a run with the given settings; returns the time of the click.
    sim::Millis startWith(std::string runTime, std::string pauseTime)
    {
        setSetting(&MainWindowControls::编辑框1, std::move(runTime));
        setSetting(&MainWindowControls::编辑框2, std::move(pauseTime));
        const sim::Millis clickedAt = desk.now();
        click(&MainWindowControls::按钮1);
        return clickedAt;
    }

    std::vector<sim::Millis> launchTimes(sim::Millis since) const
    {
        std::vector<sim::Millis> times;
        for (const sim::Launch& launch : desk.launches()) times.push_back(launch.time - since);
        return times;
    }
};

TEST_F(Cycle, RunThreePauseTwoFollowsTheTimeline)
{
    launchesOpenConsoles();
    const sim::Millis t0 = startWith("3", "2");
    desk.runFor(5500);

    EXPECT_EQ(writesTo(&MainWindowControls::标签6, t0),
              (std::vector<Write>{{1000, work + "2"}, {2000, work + "1"}, {3000, work + "0"},
                                  {4000, rest + "1"}, {5000, rest + "0"}}));
    EXPECT_EQ(launchTimes(t0), (std::vector<sim::Millis>{0, 5000}));

    const sim::Launch& first = desk.launches().front();
    EXPECT_EQ(first.owner, 0u);
    EXPECT_EQ(first.verb, "open");
    EXPECT_EQ(first.file, "click.exe");
    EXPECT_EQ(first.parameters, std::nullopt);
    EXPECT_EQ(first.directory, "");
    EXPECT_EQ(first.showCommand, platform::SwShowNormal);

    // The sweep closes the first console at the end of the run phase.
    const std::vector<sim::ForeignMessage> toFirst = desk.messagesTo(consolesOpened().at(0));
    ASSERT_EQ(toFirst.size(), 1u);
    EXPECT_EQ(toFirst[0].id, platform::wm::Close);
    EXPECT_EQ(toFirst[0].time - t0, 3000u);
    EXPECT_EQ(shown(&MainWindowControls::标签6), rest + "0");
}

TEST_F(Cycle, ASettingEditedDuringAPhaseCountsFromTheNextRead)
{
    const sim::Millis t0 = startWith("10", "1");
    desk.runFor(3500);
    setSetting(&MainWindowControls::编辑框1, "2");
    desk.runFor(10000);

    const std::vector<Write> writes = writesTo(&MainWindowControls::标签6, t0);
    // The phase under way keeps its bound of 10 ...
    EXPECT_EQ(writes.at(9), (Write{10000, work + "0"}));
    EXPECT_EQ(writes.at(10), (Write{11000, rest + "0"}));
    // ... and the next run phase counts 2.
    EXPECT_EQ(writes.at(11), (Write{12000, work + "1"}));
    EXPECT_EQ(writes.at(12), (Write{13000, work + "0"}));
    EXPECT_EQ(launchTimes(t0), (std::vector<sim::Millis>{0, 11000}));
}

TEST_F(Cycle, SettingsThatAreNoNumberGiveAPhaseWithoutTicks)
{
    struct Case {
        const char* runTime;
        std::size_t runWrites;
    };
    for (const Case& c : {Case{"0", 0}, Case{"abc", 0}, Case{"-5", 0}, Case{"2147483648", 0},
                          Case{"\xA3\xB2", 2}}) {  // a full-width 2
        SCOPED_TRACE(c.runTime);
        ToolOnDesktop tool;
        tool.start();
        tool.launchesOpenConsoles();
        tool.setSetting(&MainWindowControls::编辑框1, c.runTime);
        tool.setSetting(&MainWindowControls::编辑框2, "1");
        const sim::Millis t0 = tool.desk.now();
        tool.click(&MainWindowControls::按钮1);
        tool.desk.runFor(100);
        // Without a run countdown the sweep follows the launch at once.
        if (c.runWrites == 0) {
            EXPECT_EQ(countMessages(tool.desk, tool.consolesOpened().at(0), platform::wm::Close), 1u);
        }
        tool.desk.runFor(c.runWrites * 1000 + 1000);
        const std::vector<Write> writes = tool.writesTo(&MainWindowControls::标签6, t0);
        ASSERT_EQ(writes.size(), c.runWrites + 1);
        EXPECT_EQ(writes.back(), (Write{c.runWrites * 1000 + 1000, rest + "0"}));
    }
}

TEST_F(Cycle, AFailedLaunchIsFollowedByTheCountdownAsUsual)
{
    desk.setLaunchResult(2);  // the file was not found
    const sim::Millis t0 = startWith("2", "1");
    desk.runFor(3500);
    EXPECT_EQ(writesTo(&MainWindowControls::标签6, t0),
              (std::vector<Write>{{1000, work + "1"}, {2000, work + "0"}, {3000, rest + "0"}}));
    EXPECT_EQ(launchTimes(t0), (std::vector<sim::Millis>{0, 3000}));
    EXPECT_EQ(desk.messageBoxes().size(), 1u) << "nothing is reported beyond the notice";
}

TEST_F(Cycle, BothPhasesAtZeroLaunchOnceASecondAndStillServeTheWindow)
{
    const sim::Millis t0 = startWith("0", "-1");
    desk.runFor(3500);
    EXPECT_EQ(launchTimes(t0), (std::vector<sim::Millis>{0, 1000, 2000, 3000}));
    EXPECT_TRUE(writesTo(&MainWindowControls::标签6, t0).empty());

    click(&MainWindowControls::按钮2);
    ASSERT_TRUE(desk.exited());
    EXPECT_EQ(desk.exitCode(), 0);
}

TEST_F(Cycle, StopDuringACountdownEndsAtOnceWithNothingAfter)
{
    launchesOpenConsoles();
    const sim::Millis t0 = startWith("3", "2");
    desk.runFor(2500);
    click(&MainWindowControls::按钮2);

    ASSERT_TRUE(desk.exited());
    EXPECT_EQ(desk.exitCode(), 0);
    EXPECT_EQ(desk.exit()->time - t0, 2500u);
    desk.runFor(10000);
    EXPECT_EQ(writesTo(&MainWindowControls::标签6, t0).size(), 2u);
    EXPECT_EQ(desk.launches().size(), 1u);
    EXPECT_EQ(countMessages(desk, consolesOpened().at(0), platform::wm::Close), 0u);
}

TEST_F(Cycle, ASecondStartLaunchesAtOnceAndCountsFromTheRunTimeWithAFreshList)
{
    // A console that ignores WM_CLOSE is listed once more by every sweep of
    // a run, and so asked once more each time; a new run starts its list anew.
    const platform::Window stubborn = desk.foreignWindow("ConsoleWindowClass", monitoredPath, false);
    const sim::Millis t0 = startWith("2", "1");
    desk.runFor(6500);  // sweeps at 2 s and 5 s
    EXPECT_EQ(countMessages(desk, stubborn, platform::wm::Close), 1u + 2u);

    const sim::Millis t1 = desk.now();
    click(&MainWindowControls::按钮1);
    EXPECT_EQ(launchTimes(t0), (std::vector<sim::Millis>{0, 3000, 6000, t1 - t0}));
    desk.runFor(2500);
    EXPECT_EQ(writesTo(&MainWindowControls::标签6, t1),
              (std::vector<Write>{{1000, work + "1"}, {2000, work + "0"}}));
    EXPECT_EQ(countMessages(desk, stubborn, platform::wm::Close), 3u + 1u);
}

// A tick whose timer cannot be had still lasts one second and still serves
// the window.
TEST_F(Cycle, TicksLastASecondWhenTheTimerOrTheWaitFails)
{
    for (sim::Call failing : {sim::Call::CreateWaitableTimer, sim::Call::SetWaitableTimer}) {
        ToolOnDesktop tool;
        tool.start();
        tool.desk.failAlways(failing);
        tool.setSetting(&MainWindowControls::编辑框1, "2");
        const sim::Millis t0 = tool.desk.now();
        tool.click(&MainWindowControls::按钮1);
        tool.desk.runFor(1500);
        tool.click(&MainWindowControls::按钮1);  // served within the tick
        tool.desk.runFor(2000);
        EXPECT_EQ(tool.writesTo(&MainWindowControls::标签6, t0),
                  (std::vector<Write>{{1000, work + "1"}, {2500, work + "1"}, {3500, work + "0"}}));
        EXPECT_LE(tool.desk.openTimers(), 1u);  // the tick under way
    }

    desk.failNext(sim::Call::MsgWait, 1);
    setSetting(&MainWindowControls::编辑框1, "2");
    const sim::Millis t0 = desk.now();
    click(&MainWindowControls::按钮1);
    desk.runFor(2500);
    EXPECT_EQ(writesTo(&MainWindowControls::标签6, t0),
              (std::vector<Write>{{1000, work + "1"}, {2000, work + "0"}}));
}

TEST_F(Cycle, TicksLastASecondEvenWhileEveryWaitFails)
{
    setSetting(&MainWindowControls::编辑框1, "3");
    const sim::Millis t0 = desk.now();
    click(&MainWindowControls::按钮1);
    desk.failNext(sim::Call::MsgWait, 60);
    desk.runFor(2500);
    EXPECT_EQ(writesTo(&MainWindowControls::标签6, t0),
              (std::vector<Write>{{1000, work + "2"}, {2000, work + "1"}}));
    EXPECT_EQ(launchTimes(t0), (std::vector<sim::Millis>{0}));
}

// What the user queued behind a Start during a run is served at once by the
// fresh run, not when something new happens to wake its first wait.
TEST_F(Cycle, InputQueuedBehindARestartingStartIsServedAtOnce)
{
    for (const char* runTime : {"600", "0"}) {
        SCOPED_TRACE(runTime);
        ToolOnDesktop tool;
        tool.start();
        tool.setSetting(&MainWindowControls::编辑框1, runTime);
        tool.setSetting(&MainWindowControls::编辑框2, runTime);
        tool.click(&MainWindowControls::按钮1);
        tool.desk.runFor(2500);
        const sim::Millis t1 = tool.desk.now();
        ASSERT_TRUE(tool.desk.click(tool.control(&MainWindowControls::按钮1)));
        ASSERT_TRUE(tool.desk.click(tool.control(&MainWindowControls::按钮2)));
        tool.desk.runFor(0);
        ASSERT_TRUE(tool.desk.exited());
        EXPECT_EQ(tool.desk.exit()->time, t1);
        EXPECT_EQ(tool.desk.launches().back().time, t1);
    }

    startWith("600", "20");
    desk.runFor(2500);
    ASSERT_TRUE(desk.click(control(&MainWindowControls::按钮1)));
    ASSERT_TRUE(desk.press(platform::VkTab));
    desk.runFor(0);
    EXPECT_EQ(desk.focus(), control(&MainWindowControls::编辑框1));
}

TEST_F(Cycle, MemoryRunningOutDuringARunIsReportedAndEndsWithMinusOne)
{
    startWith("600", "20");
    desk.at(desk.now() + 1500, [] { std::get_new_handler()(); });
    desk.runFor(2000);
    ASSERT_TRUE(desk.exited());
    EXPECT_EQ(desk.exitCode(), -1);
    const sim::MessageBoxRecord& box = desk.messageBoxes().back();
    EXPECT_EQ(box.style, platform::MbIconError | platform::MbOk);
    EXPECT_EQ(box.owner, 0u);
}

}  // namespace
