#include "app/lifecycle.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string_view>

#include "app/layout.h"
#include "app/main_window.h"
#include "app/main_window_build.h"
#include "app/main_window_proc.h"
#include "app/program_directory.h"
#include "app/window_events.h"
#include "platform/platform.h"
#include "support/pump.h"
#include "support/text.h"

namespace {

// MAX_PATH: the longest path the module name query is given room for.
constexpr int modulePathCapacity = 260;

// State of the window thread.
thread_local bool oleInitialized = false;
thread_local bool reportingFatalError = false;

// Critical errors (a drive without a medium) and failed file opens come
// back to the process as errors instead of system boxes.
void addErrorModeFlags() {
    const unsigned inherited = platform::setErrorMode(0);
    platform::setErrorMode(inherited | platform::SemFailCriticalErrors |
                           platform::SemNoOpenFileErrorBox);
}

void initializeOle() {
    // S_FALSE (already initialised on this thread) needs balancing as well.
    oleInitialized = platform::oleInitialize() >= 0;
}

Text moduleFileName() {
    Text path = blankText(modulePathCapacity);
    const unsigned length = platform::getModuleFileName(path.buffer(), path.bufferSize());
    if (length == 0) return Text();
    // A truncated name may lack its terminator: the length says where it ends.
    return Text(std::string_view(path.c_str(), std::min<std::size_t>(length, modulePathCapacity)));
}

// Bare file names in the settings are then looked up beside the program.
void enterProgramDirectory() {
    const Text directory = programDirectory(moduleFileName(), platform::isDbcsLeadByte);
    if (textLength(directory) == 0) return;
    if (!platform::setCurrentDirectory(directory.c_str())) {
        // The inherited current directory stays, and bare names are looked
        // up there instead.
    }
}

[[noreturn]] void onOutOfMemory() { fatalError("内存不足，程序无法继续运行。"); }

void loadMainWindow() {
    if (!buildMainWindow()) fatalError("无法创建程序主窗口，程序无法继续运行。");
    onMainWindowCreated();
    // The notice's box serves the window's messages while it is up; only
    // a window that is still there afterwards is shown.
    if (platform::isWindow(mainWindow.window))
        platform::showWindow(mainWindow.window, platform::SwShow);
}

// A WM_QUIT is acted on here only, wherever the pumping took it.
int runMessageLoop() {
    for (;;) {
        if (const std::optional<int> code = pendingQuit()) return *code;
        pumpOneMessage();
    }
}

// What every way out has in common; runs none of the window's handlers.
void tearDown() {
    destroyMainWindowQuietly();
    if (oleInitialized) {
        oleInitialized = false;
        platform::oleUninitialize();
    }
}

}  // namespace

void onMainWindowCreated() {
    showNotice(Text("请将本程序和需要监控的程序放在同一目录下"), Text("Korvalis提醒您："));
}

void onMainWindowDestroying() { endProgram(0); }

int runProgram() {
    // Before the first text is made, so that running out of memory in any
    // of them ends the tool the same way.
    std::set_new_handler(onOutOfMemory);
    addErrorModeFlags();
    initializeOle();
    enterProgramDirectory();
    loadMainWindow();
    const int code = runMessageLoop();
    tearDown();
    return code;
}

void endProgram(int code) {
    tearDown();
    platform::exitProcess(code);
}

void fatalError(const char* what) {
    // A failure while the error is reported (memory running out in the box
    // itself) still ends the process with -1.
    if (reportingFatalError) platform::exitProcess(-1);
    reportingFatalError = true;
    // The box leaves the window usable; nothing done in it meanwhile may
    // change how the process ends.
    setEventsMuted(true);
    platform::messageBox(0, what, layout::windowTitle, platform::MbIconError | platform::MbOk);
    endProgram(-1);
}
