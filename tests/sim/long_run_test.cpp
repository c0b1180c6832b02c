// Long stories in virtual time: thousands of Start clicks, a month of
// cycles. They print what they cost in wall time and memory.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <time.h>

#include <iostream>

#include "tool_on_desktop.h"

namespace {

class Figures {
public:
    explicit Figures(const char* what) : what_(what), started_(monotonicSeconds()) {}
    ~Figures()
    {
        const double seconds = monotonicSeconds() - started_;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::cout << what_ << ": " << seconds << " s wall, peak memory "
                  << usage.ru_maxrss / 1024 << " MiB\n";
    }

private:
    // <chrono> cannot be compiled with the GBK execution character set.
    static double monotonicSeconds()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }

    const char* what_;
    double started_;
};

TEST(LongRun, TenThousandStartClicksEachBeginAFreshRun)
{
    Figures figures("10,000 Start clicks");
    ToolOnDesktop tool;
    tool.start();
    tool.setSetting(&MainWindowControls::编辑框3, "nothing-here.exe");
    tool.click(&MainWindowControls::按钮1);

    constexpr int clicks = 10000;
    std::size_t immediate = 0;
    for (int i = 0; i < clicks; ++i) {
        tool.desk.runFor(250);
        const sim::Millis clickedAt = tool.desk.now();
        tool.click(&MainWindowControls::按钮1);
        if (tool.desk.launches().back().time == clickedAt) ++immediate;
    }
    EXPECT_EQ(immediate, static_cast<std::size_t>(clicks));
    EXPECT_EQ(tool.desk.launches().size(), static_cast<std::size_t>(clicks) + 1);

    // The last run counts from the run time like the first.
    const sim::Millis lastClick = tool.desk.now();
    tool.desk.runFor(2000);
    EXPECT_EQ(tool.writesTo(&MainWindowControls::标签6, lastClick),
              (std::vector<ToolOnDesktop::Write>{{1000, "剩余工作倒计时：599"},
                                                 {2000, "剩余工作倒计时：598"}}));
    tool.click(&MainWindowControls::按钮2);
    ASSERT_TRUE(tool.desk.exited());
    EXPECT_EQ(tool.desk.exitCode(), 0);
}

TEST(LongRun, AMonthOfCyclesClosesEachLaunchedConsoleAndNothingElse)
{
    Figures figures("a virtual month of 600/20 cycles");
    ToolOnDesktop tool;
    tool.start();
    tool.desk.limitTextChanges(16);
    const platform::Window other =
        tool.desk.foreignWindow("ConsoleWindowClass", "C:\\Windows\\system32\\cmd.exe", false);
    tool.launchesOpenConsoles();
    const sim::Millis t0 = tool.desk.now();
    tool.click(&MainWindowControls::按钮1);

    constexpr sim::Millis month = 30ull * 24 * 3600 * 1000;
    constexpr sim::Millis cycle = 620 * 1000;
    tool.desk.runFor(month);

    const std::size_t cycles = month / cycle + 1;
    ASSERT_EQ(tool.desk.launches().size(), cycles);
    for (std::size_t i = 0; i < cycles; ++i)
        ASSERT_EQ(tool.desk.launches()[i].time - t0, i * cycle) << "cycle " << i;

    // Each console is asked to close once, by the sweep of its own cycle;
    // the last one's sweep is still to come.
    const std::vector<platform::Window> consoles = tool.consolesOpened();
    ASSERT_EQ(consoles.size(), cycles);
    for (std::size_t i = 0; i + 1 < cycles; ++i) {
        const std::vector<sim::ForeignMessage> messages = tool.desk.messagesTo(consoles[i]);
        ASSERT_EQ(messages.size(), 1u) << "console " << i;
        ASSERT_EQ(messages[0].id, platform::wm::Close);
        ASSERT_EQ(messages[0].time - t0, i * cycle + 600 * 1000);
    }
    EXPECT_TRUE(tool.desk.messagesTo(consoles.back()).empty());
    EXPECT_TRUE(tool.desk.messagesTo(other).empty());
    EXPECT_NE(tool.desk.window(other), nullptr);
}

}  // namespace
