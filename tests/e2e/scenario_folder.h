// A folder in the Wine prefix's drive C where one scenario places the tool
// and its stand-in programs, and the log those stand-ins keep there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// What a stand-in wrote to its log: start, close, mark or end.
struct StandInEvent {
    std::string kind;
    DWORD processId = 0;
    std::string path;
};

// The programs the build made, as the tests find them through the
// environment (KORVALIS_E2E_TOOL, KORVALIS_E2E_STANDIN).
std::string builtTool();
std::string builtStandIn();

class ScenarioFolder {
public:
    // Creates the folder if needed and clears a log left by an earlier run.
    // Throws std::runtime_error when the folder cannot be prepared.
    explicit ScenarioFolder(std::string path);
    // Ends every stand-in of this folder that has not ended yet.
    ~ScenarioFolder();
    ScenarioFolder(const ScenarioFolder&) = delete;
    ScenarioFolder& operator=(const ScenarioFolder&) = delete;

    const std::string& path() const { return path_; }
    // The full path of a file in this folder.
    std::string file(const std::string& name) const;
    // Copies source into the folder as name, replacing an earlier copy.
    std::string place(const std::string& source, const std::string& name) const;
    // Places the tool as korvalis.exe and the stand-in as click.exe;
    // returns the tool's path.
    std::string placeToolAndStandIn() const;

    std::vector<StandInEvent> log() const;

private:
    std::string path_;
};

// The events of one kind for one process.
std::vector<StandInEvent> eventsOf(const std::vector<StandInEvent>& log, const std::string& kind,
                                   DWORD processId);

}  // namespace e2e
