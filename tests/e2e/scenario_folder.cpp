#include "scenario_folder.h"

#include "child_process.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>

namespace e2e {

namespace {

const char* const logName = "standin.log";

std::string fromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value) throw std::runtime_error(std::string(name) + " is not set");
    return value;
}

// Creates the folder and the folders above it that are missing.
void createFolders(const std::string& path)
{
    for (std::size_t end = path.find('\\', 3); ; end = path.find('\\', end + 1)) {
        const std::string folder = path.substr(0, end);
        if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + folder);
        if (end == std::string::npos) return;
    }
}

// True when the process with that id runs the program file at path.
bool runsFrom(DWORD processId, const std::string& path)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return false;
    char image[MAX_PATH];
    DWORD size = MAX_PATH;
    const bool known = QueryFullProcessImageNameA(process, 0, image, &size);
    CloseHandle(process);
    return known && lstrcmpiA(image, path.c_str()) == 0;
}

}  // namespace

std::string builtTool() { return fromEnvironment("KORVALIS_E2E_TOOL"); }
std::string builtStandIn() { return fromEnvironment("KORVALIS_E2E_STANDIN"); }

ScenarioFolder::ScenarioFolder(std::string path) : path_(std::move(path))
{
    const bool driveRoot = path_.size() <= 3;  // a drive's root exists already
    if (!driveRoot) createFolders(path_);
    const std::string log = file(logName);
    if (!DeleteFileA(log.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        throw std::runtime_error("cannot clear " + log);
}

ScenarioFolder::~ScenarioFolder()
{
    const auto events = log();
    std::set<DWORD> ended;
    for (const auto& event : events)
        if (event.kind == "end") ended.insert(event.processId);
    for (const auto& event : events) {
        // Process ids are reused: only a process still running this
        // folder's program is taken for the stand-in that logged the id.
        if (event.kind == "start" && !ended.count(event.processId) &&
            runsFrom(event.processId, event.path))
            terminateProcessById(event.processId);
    }
}

std::string ScenarioFolder::file(const std::string& name) const
{
    return path_.back() == '\\' ? path_ + name : path_ + "\\" + name;
}

std::string ScenarioFolder::place(const std::string& source, const std::string& name) const
{
    const std::string target = file(name);
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + source + " to " + target);
    return target;
}

std::string ScenarioFolder::placeToolAndStandIn() const
{
    place(builtStandIn(), "click.exe");
    return place(builtTool(), "korvalis.exe");
}

std::vector<StandInEvent> ScenarioFolder::log() const
{
    std::ifstream in(file(logName), std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<StandInEvent> events;
    // Only whole lines count: a stand-in may be writing the last one now.
    for (std::size_t begin = 0, end; (end = content.find("\r\n", begin)) != std::string::npos;
         begin = end + 2) {
        std::istringstream fields(content.substr(begin, end - begin));
        StandInEvent event;
        if (!(fields >> event.kind >> event.processId)) continue;
        fields.ignore(1);
        std::getline(fields, event.path);
        events.push_back(event);
    }
    return events;
}

std::vector<StandInEvent> eventsOf(const std::vector<StandInEvent>& log, const std::string& kind,
                                   DWORD processId)
{
    std::vector<StandInEvent> found;
    for (const auto& event : log)
        if (event.kind == kind && event.processId == processId) found.push_back(event);
    return found;
}

}  // namespace e2e
