#include "scenario.h"

#include "wait_until.h"
#include "window_probe.h"

#include <stdexcept>

namespace e2e {

namespace {

std::size_t logged(const ScenarioFolder& folder, const std::string& kind, DWORD standIn)
{
    return eventsOf(folder.log(), kind, standIn).size();
}

}  // namespace

Scenario::Scenario(const std::string& name)
    : elsewhere("C:\\e2e\\elsewhere"),
      folder("C:\\e2e\\" + name),
      tool(folder.placeToolAndStandIn(), elsewhere.path())
{
}

std::unique_ptr<ChildProcess> startStandIn(const ScenarioFolder& folder, const std::string& exe,
                                           const std::string& arguments)
{
    auto standIn = std::make_unique<ChildProcess>(
        "\"" + folder.file(exe) + "\" " + arguments, folder.path());
    if (!waitUntil([&] { return logged(folder, "start", standIn->processId()) > 0; }))
        throw std::runtime_error("stand-in " + exe + " did not start");
    return standIn;
}

void settle(const ScenarioFolder& folder, DWORD standIn)
{
    const std::size_t marks = logged(folder, "mark", standIn);
    HWND window = findTopLevelWindow(standIn, "ConsoleWindowClass");
    if (!window || !PostMessageA(window, WM_APP, 0, 0))
        throw std::runtime_error("cannot reach the stand-in's window");
    if (!waitUntil([&] { return logged(folder, "mark", standIn) > marks; }))
        throw std::runtime_error("the stand-in did not answer");
}

std::size_t closeRequestsTo(const ScenarioFolder& folder, DWORD standIn)
{
    return logged(folder, "close", standIn);
}

}  // namespace e2e
