// Which windows the collector lists and which the sweep asks to close.
#include <gtest/gtest.h>

#include <string>

#include "sweep/window_collector.h"
#include "tool_on_desktop.h"

namespace {

constexpr const char* console = "ConsoleWindowClass";

TEST(Collector, ListsByClassIgnoringCaseAfterTheEntriesAlreadyThere)
{
    const std::string longClass(60, 'L');
    struct Case {
        std::string filter;
        std::vector<int> expected;  // indices into the windows below
        std::string filterAfter;
    };
    const std::vector<Case> cases = {
        {console, {1, 2, 4}, console},
        {"consolewindowclass", {1, 2, 4}, "consolewindowclass"},
        {"", {0, 1, 2, 3, 4, 5}, ""},
        {"  \xA1\xA1", {0, 1, 2, 3, 4, 5}, ""},  // blanks only: no filter at all
        {" ConsoleWindowClass", {}, " ConsoleWindowClass"},
        {longClass.substr(0, 49), {5}, longClass.substr(0, 49)},  // 49 bytes are seen
        {longClass, {}, longClass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("filter '" + c.filter + "'");
        sim::Desktop desk;
        const std::vector<platform::Window> windows = {
            desk.foreignWindow("Shell_TrayWnd", ""), desk.foreignWindow(console, "a"),
            desk.foreignWindow("CONSOLEWINDOWCLASS", "b"), desk.foreignWindow("Notepad", "c"),
            desk.foreignWindow(console, "d"), desk.foreignWindow(longClass, "e")};
        HandleList list = {7};
        std::int32_t count = 0;
        Text filter(c.filter);
        desk.start([&] {
            count = collectWindows(0, list, filter);
            return 0;
        });
        desk.runFor(0);

        HandleList expected = {7};
        for (int i : c.expected) expected.push_back(static_cast<std::uint32_t>(windows[i]));
        EXPECT_EQ(list, expected);
        EXPECT_EQ(count, static_cast<std::int32_t>(expected.size()));
        EXPECT_STREQ(filter.c_str(), c.filterAfter.c_str());
    }
}

TEST(Collector, FailuresGiveZeroAndKeepTheList)
{
    for (sim::Call failing : {sim::Call::EnumChildWindows, sim::Call::LocalAlloc}) {
        sim::Desktop desk;
        desk.foreignWindow(console, "a");
        desk.failAlways(failing);
        HandleList list = {7};
        std::int32_t count = -1;
        desk.start([&] {
            Text filter(console);
            count = collectWindows(0, list, filter);
            return 0;
        });
        desk.runFor(0);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(list, HandleList{7});
        EXPECT_EQ(desk.localBlocks(), 0u);
    }
}

class Sweep : public ::testing::Test, protected ToolOnDesktop {
protected:
    void SetUp() override
    {
        start();
        setSetting(&MainWindowControls::编辑框1, "1");
        setSetting(&MainWindowControls::编辑框2, "2");
    }
    // Sweeps come at 1 s, 4 s, 7 s ... after the click.
    void runSweeps(int sweeps)
    {
        click(&MainWindowControls::按钮1);
        desk.runFor(static_cast<sim::Millis>(sweeps - 1) * 3000 + 1500);
    }
    std::size_t closes(platform::Window w) const { return countMessages(desk, w, platform::wm::Close); }
};

TEST_F(Sweep, ClosesConsolesWhoseTitleHoldsTheNameExactly)
{
    struct Case {
        const char* className;
        const char* title;
        std::size_t closes;
    };
    const Case cases[] = {
        {console, "C:\\tools\\click.exe", 1},
        {console, "C:\\TOOLS\\CLICK.EXE", 0},
        {console, "C:\\x\\doubleclick.exe", 1},
        {console, "C:\\Windows\\system32\\cmd.exe", 0},
        {"consolewindowclass", "click.exe", 1},
        {"Notepad", "click.exe - Notepad", 0},
        {console, "", 0},
    };
    std::vector<platform::Window> windows;
    for (const Case& c : cases) windows.push_back(desk.foreignWindow(c.className, c.title, false));
    runSweeps(1);
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_EQ(closes(windows[i]), cases[i].closes) << cases[i].title;
}

TEST_F(Sweep, EverySweepReexaminesTheWholeListOfTheRun)
{
    const platform::Window stubborn = desk.foreignWindow(console, monitoredPath, false);
    const platform::Window closing = desk.foreignWindow(console, monitoredPath);
    const platform::Window other = desk.foreignWindow(console, "C:\\Windows\\system32\\cmd.exe", false);
    runSweeps(3);
    EXPECT_EQ(closes(stubborn), 1u + 2u + 3u);
    EXPECT_EQ(closes(closing), 1u);  // its stale entry is no longer found
    EXPECT_EQ(closes(other), 0u);
}

TEST_F(Sweep, AStaleEntryWhoseHandleWasReusedReachesTheNewWindow)
{
    const platform::Window first = desk.foreignWindow(console, monitoredPath);
    runSweeps(1);
    ASSERT_EQ(desk.window(first), nullptr);
    desk.reuseHandle(first);
    ASSERT_EQ(desk.foreignWindow(console, monitoredPath, false), first);
    desk.runFor(3000);
    // Found anew by this sweep and listed still from the first.
    EXPECT_EQ(closes(first), 1u + 2u);
}

TEST(SweepWithBlankName, ClosesNothingButTheListStillGrows)
{
    for (const char* blank : {"", "  ", "\xA1\xA1"}) {
        SCOPED_TRACE(testing::PrintToString(blank));
        ToolOnDesktop tool;
        tool.start();
        const platform::Window window = tool.desk.foreignWindow(console, ToolOnDesktop::monitoredPath, false);
        tool.setSetting(&MainWindowControls::编辑框1, "1");
        tool.setSetting(&MainWindowControls::编辑框2, "2");
        tool.setSetting(&MainWindowControls::编辑框3, blank);
        tool.click(&MainWindowControls::按钮1);
        tool.desk.runFor(1500);
        EXPECT_EQ(countMessages(tool.desk, window, platform::wm::Close), 0u);
        EXPECT_EQ(tool.desk.launches().back().file, blank);

        tool.setSetting(&MainWindowControls::编辑框3, "click.exe");
        tool.desk.runFor(3000);
        // Listed by the blank sweep and by this one.
        EXPECT_EQ(countMessages(tool.desk, window, platform::wm::Close), 2u);
    }
}

}  // namespace
