// A scripted demonstration of the tool for scripts/run.sh: two cycles of
// run time 3 and pause time 2, with the timeline printed as it happens.
// At the moments worth a picture it prints "screenshot <name>" and waits
// for a line on its input, so that the script can take the picture while
// the screen shows that moment.
#include "scenario.h"
#include "timeline.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

namespace {

using namespace e2e;

// The tool's texts are in the ANSI code page; the terminal reads UTF-8.
std::string forTerminal(const std::string& ansi)
{
    if (ansi.empty()) return ansi;
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansi.size(), nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansi.size(), wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return wideLength > 0 && length > 0 ? utf8 : ansi;
}

void say(const std::string& line)
{
    std::printf("%s\n", forTerminal(line).c_str());
    std::fflush(stdout);
}

void screenshot(const char* name)
{
    say(std::string("screenshot ") + name);
    // Without anyone to take the picture the input is closed, and the
    // demonstration goes on at once.
    char answer[64];
    if (!std::fgets(answer, sizeof answer, stdin)) say("(no picture taken)");
}

std::string describe(const Observation& observation)
{
    char at[32];
    std::snprintf(at, sizeof at, "%7.3f s  ", observation.at / 1000.0);
    if (observation.isLabel) return at + std::string("countdown label: ") + observation.label;
    const StandInEvent& event = observation.standIn;
    const std::string pid = " (process " + std::to_string(event.processId) + ")";
    if (event.kind == "start") return at + std::string("launched ") + event.path + pid;
    if (event.kind == "close") return at + std::string("close request to ") + event.path + pid;
    if (event.kind == "end") return at + std::string("ended: ") + event.path + pid;
    return at + event.kind + " " + event.path + pid;
}

int demonstrate()
{
    Scenario scenario("demo");
    ToolUnderTest& tool = scenario.tool;
    say("started " + scenario.folder.file("korvalis.exe") + " from " + scenario.elsewhere.path());
    HWND notice = tool.waitForNotice();
    say("notice: " + tool.textOf(notice));
    screenshot("notice");
    tool.dismissNotice();
    say("main window shown: " + tool.textOf(tool.mainWindow()));

    const ToolControls c = tool.controls();
    tool.retype(c.编辑框1, "3");
    tool.retype(c.编辑框2, "2");
    say("run time 3 s, pause time 2 s, program " + tool.textOf(c.编辑框3) + "; Start");
    Timeline timeline(tool, scenario.folder);
    tool.click(c.按钮1);
    bool pictured = false;
    const auto report = [&](const Observation& observation) {
        say(describe(observation));
        if (!pictured && observation.isLabel) {
            screenshot("countdown");
            pictured = true;
        }
    };
    if (!timeline.watchUntil([](const auto& seen) { return countStandInEvents(seen, "start") == 3; },
                             30000, report)) {
        say("the cycle did not come round twice in 30 s");
        return 1;
    }
    say("Stop");
    tool.click(c.按钮2);
    const auto code = tool.waitForExit();
    say(code ? "the tool ended with exit code " + std::to_string(*code) : "the tool did not end");
    return code == 0u ? 0 : 1;
}

}  // namespace

int main()
{
    try {
        return demonstrate();
    } catch (const std::exception& failure) {
        say(std::string("demonstration failed: ") + failure.what());
        return 1;
    }
}
