// The pumping keeps the window served, whatever a WM_QUIT from another
// program does to the queue.
#include <gtest/gtest.h>

#include "support/pump.h"
#include "tool_on_desktop.h"

namespace {

using Write = ToolOnDesktop::Write;

// A window of our own that counts what it is dispatched.
thread_local int userMessages = 0;
thread_local int clicks = 0;

platform::LResult countingProc(platform::Window w, platform::MessageId id, platform::WParam wp,
                               platform::LParam lp)
{
    if (id == platform::wm::User) ++userMessages;
    if (id == platform::wm::LButtonUp) ++clicks;
    return platform::defWindowProc(w, id, wp, lp);
}

TEST(Pump, ServesEverythingQueuedAndKeepsTheFirstQuitPending)
{
    sim::Desktop desk;
    platform::Window window = 0;
    struct Seen {
        bool emptied = false;
        int users = 0, clicks = 0;
        std::optional<int> pending, pendingAfterSecondPump;
        bool secondPump = true;
    } seen;
    desk.start([&] {
        platform::registerWindowClass({"Counting", countingProc, -1});
        platform::WindowSpec spec;
        spec.className = "Counting";
        spec.style = platform::ws::Visible;
        spec.width = spec.height = 10;
        window = platform::createWindow(spec);
        processPendingEvents();  // its first paint
        platform::msgWaitForMultipleObjects(0, nullptr, false, 1000, platform::QsAllEvents);
        seen.emptied = processPendingEvents();
        seen.users = userMessages;
        seen.clicks = clicks;
        seen.pending = pendingQuit();
        platform::postQuitMessage(3);
        seen.secondPump = pumpOneMessage();
        seen.pendingAfterSecondPump = pendingQuit();
        platform::Message left;
        EXPECT_FALSE(platform::peekMessage(left, false));
        return 0;
    });
    desk.runFor(500);
    // Posted messages come before input: a pump that stopped at a posted
    // quit would never again see the click or the message behind it.
    desk.post(window, platform::wm::User);
    desk.postQuit(5);
    desk.click(window);
    desk.postQuit(9);
    desk.post(window, platform::wm::User);
    desk.runFor(500);

    ASSERT_TRUE(desk.exited());
    EXPECT_TRUE(seen.emptied);
    EXPECT_EQ(seen.users, 2);
    EXPECT_EQ(seen.clicks, 1);
    EXPECT_EQ(seen.pending, 5);
    EXPECT_FALSE(seen.secondPump);
    EXPECT_EQ(seen.pendingAfterSecondPump, 5);
}

class QuitDuringACycle : public ::testing::Test, protected ToolOnDesktop {
protected:
    void SetUp() override
    {
        start();
        launchesOpenConsoles();
        setSetting(&MainWindowControls::编辑框1, "3");
        setSetting(&MainWindowControls::编辑框2, "2");
        t0 = desk.now();
        click(&MainWindowControls::按钮1);
        desk.runFor(1500);
        desk.postQuit(7);
        desk.runFor(6000);
    }
    sim::Millis t0 = 0;
};

TEST_F(QuitDuringACycle, LeavesTheCycleAndTheWindowServed)
{
    ASSERT_FALSE(desk.exited());
    const std::vector<Write> writes = writesTo(&MainWindowControls::标签6, t0);
    ASSERT_EQ(writes.size(), 7u);
    EXPECT_EQ(writes.back().at, 7000u);
    EXPECT_EQ(shown(&MainWindowControls::标签6), writes.back().text);  // painted too
    EXPECT_EQ(desk.launches().size(), 2u);
    EXPECT_EQ(countMessages(desk, consolesOpened().at(0), platform::wm::Close), 1u);
}

TEST_F(QuitDuringACycle, StopStillEndsTheToolWithZero)
{
    click(&MainWindowControls::按钮2);
    ASSERT_TRUE(desk.exited());
    EXPECT_EQ(desk.exitCode(), 0);
}

TEST_F(QuitDuringACycle, AFurtherStartStillRestartsTheRun)
{
    const sim::Millis t1 = desk.now();
    click(&MainWindowControls::按钮1);
    desk.runFor(1000);
    EXPECT_EQ(desk.launches().back().time, t1);
    EXPECT_EQ(writesTo(&MainWindowControls::标签6, t1), (std::vector<Write>{{1000, "剩余工作倒计时：2"}}));
}

}  // namespace
