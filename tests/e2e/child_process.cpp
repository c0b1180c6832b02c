#include "child_process.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace e2e {

ChildProcess::ChildProcess(const std::string& commandLine, const std::string& currentDirectory)
{
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.c_str(), &startup, &info_)) {
        throw std::runtime_error("cannot start " + commandLine + " (error " +
                                 std::to_string(GetLastError()) + ")");
    }
}

ChildProcess::~ChildProcess()
{
    if (running() && !TerminateProcess(info_.hProcess, 255)) {
        // Nothing more can be done here; the harness ends the Wine session
        // after the run, which ends whatever is left.
        std::fprintf(stderr, "e2e: cannot end process %lu\n", info_.dwProcessId);
    }
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::optional<DWORD> ChildProcess::waitForExit(DWORD timeoutMs) const
{
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
    return code;
}

bool ChildProcess::running() const
{
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool terminateProcessById(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return false;
    const bool ended = TerminateProcess(process, 255) || WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    if (ended) WaitForSingleObject(process, 5000);
    CloseHandle(process);
    return ended;
}

}  // namespace e2e
