// A Windows process started by the tests, ended with it: whatever a
// scenario starts must not outlive the scenario, pass or fail.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class ChildProcess {
public:
    // Starts commandLine with currentDirectory as its start-in folder.
    // Throws std::runtime_error when the process cannot be started.
    ChildProcess(const std::string& commandLine, const std::string& currentDirectory);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD processId() const { return info_.dwProcessId; }
    DWORD threadId() const { return info_.dwThreadId; }

    // The exit code once the process has ended within timeout, else empty.
    std::optional<DWORD> waitForExit(DWORD timeoutMs) const;
    bool running() const;

private:
    PROCESS_INFORMATION info_{};
};

// Ends a process the tests did not start themselves (one the program under
// test launched), by its id; false if it could not be opened or ended.
bool terminateProcessById(DWORD processId);

}  // namespace e2e
