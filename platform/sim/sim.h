// The simulated desktop that the Linux tests run the whole program on.
//
// A Desktop is one simulated machine with one simulated process on it. The
// process runs on a thread of its own; the test (the harness) and that
// thread strictly take turns, so the program runs only inside runUntil and
// runFor, and everything the harness reads or changes is quiet meanwhile.
//
// Time is virtual: a millisecond clock that moves only while the program
// waits (for a message, a timer or a message box), jumping straight to the
// next thing that can happen. Nothing here costs real time.
//
// Top-level windows are enumerated in creation order, oldest first, the
// program's own and other programs' alike.
#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

using platform::Colour;
using platform::Handle;
using platform::LParam;
using platform::LResult;
using platform::MessageId;
using platform::Rect;
using platform::Window;
using platform::WParam;

using Millis = std::uint64_t;

// Platform calls that a test can make fail.
enum class Call {
    GetMessage,
    PostMessage,
    CreateWaitableTimer,
    SetWaitableTimer,
    CloseHandle,
    MsgWait,
    EnumChildWindows,
    GetClassName,
    GetWindowText,
    SetWindowText,
    RegisterWindowClass,
    CreateWindow,
    DestroyWindow,
    ShowWindow,
    LoadIconResource,
    LocalAlloc,
    GetModuleFileName,
    SetCurrentDirectory,
    OleInitialize,
    ShellExecute,
    MessageBox,
};

// Why the program handed the turn back to the harness.
enum class Pause {
    NotStarted,
    TimeLimit,  // it waits for something later than the limit of the run
    Idle,       // it waits for input and nothing is scheduled
    Exited,     // it ended; see Desktop::exit()
};

struct Fill {
    Rect rect;
    int sysColour = 0;
};

struct DrawnText {
    std::string text;
    Rect rect;
    unsigned format = 0;
    Colour textColour = 0;
    Colour backgroundColour = 0;
    int backgroundMode = 0;
    Handle font = 0;
};

// What the window drew in its latest paint that had something to paint.
struct PaintRecord {
    unsigned count = 0;  // paints with a non-empty area so far
    Millis time = 0;
    std::optional<Fill> fill;  // the last fill of that paint
    std::vector<DrawnText> texts;
    Handle colourBrush = 0;  // an edit's answer to WM_CTLCOLOREDIT
};

enum class WindowKind { Program, Edit, Button, Foreign };

struct WindowState {
    Window handle = 0;
    std::uint64_t serial = 0;  // creation order
    WindowKind kind = WindowKind::Program;
    std::string className;
    std::string text;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    Window parent = 0;
    int id = 0;
    bool visible = false;  // the window's own flag; its parent may be hidden
    bool enabled = true;
    Handle font = 0, bigIcon = 0, smallIcon = 0;
    std::size_t caret = 0;  // edits: byte offset of the caret
    std::size_t textLimit = 0;
    PaintRecord paint;

    // Running state of the simulation.
    platform::WindowProc proc = nullptr;
    bool invalid = false;
    bool destroying = false;
    bool (*charFilter)(WParam) = nullptr;
    bool mouseDown = false;
    bool spaceDown = false;
    bool closesOnWmClose = true;  // foreign windows
};

struct Launch {
    Window owner = 0;
    // nullopt where the program passed NULL.
    std::optional<std::string> verb, file, parameters, directory;
    int showCommand = 0;
    Millis time = 0;
    std::intptr_t result = 0;  // what shellExecute returns; the hook may change it
};

struct WindowSnapshot {
    Window window = 0;
    bool visible = false;
    bool enabled = false;
};

struct MessageBoxRecord {
    Window owner = 0;
    std::optional<std::string> text, caption;
    unsigned style = 0;
    Millis shownAt = 0;
    std::optional<Millis> closedAt;
    // The program's top-level windows as the box came up.
    std::vector<WindowSnapshot> windows;
    bool dismissed = false;
};

struct TextChange {
    Window window = 0;
    std::string text;
    Millis time = 0;
};

// A message the program posted or sent to another program's window.
struct ForeignMessage {
    Window window = 0;
    MessageId id = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    Millis time = 0;
    bool sent = false;
};

struct Exit {
    int code = 0;
    Millis time = 0;
    bool returned = false;  // the program's main routine returned instead of calling exitProcess
};

struct World;

class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // ---- Running ----
    // Creates the process; it first runs in the next runUntil or runFor.
    void start(std::function<int()> program);
    // Lets the program run until it waits beyond ms, goes idle or ends; the
    // clock then stands at ms unless the program ended earlier.
    Pause runUntil(Millis ms);
    Pause runFor(Millis ms);
    Millis now() const;
    // Runs action on the program's thread when it waits at or after ms.
    void at(Millis ms, std::function<void()> action);
    std::optional<Exit> exit() const;
    bool exited() const;
    int exitCode() const;  // only once exited

    // ---- The user ----
    // Each returns false when the input is dropped: the target is hidden,
    // disabled or inside a disabled window, or nothing has the focus.
    bool click(Window window);
    bool keyDown(int virtualKey);  // to the focus window
    bool keyUp(int virtualKey);
    bool press(int virtualKey);
    bool type(std::string_view bytes);  // one key press carrying each byte
    // Inserts text at an edit's caret as a paste does, past any filter.
    void paste(Window edit, std::string text);

    // ---- Other programs ----
    void post(Window window, MessageId id, WParam wParam = 0, LParam lParam = 0);
    // Queues a message sent from another thread; the program serves it the
    // next time it looks at its queue. Returns a ticket for reply().
    std::size_t send(Window window, MessageId id, WParam wParam = 0, LParam lParam = 0);
    std::optional<LResult> reply(std::size_t ticket) const;
    void postQuit(int exitCode);  // a WM_QUIT posted to the program's thread
    // The user switches to a window, another program's or the program's
    // own, as Alt+Tab does; it happens when the program next waits.
    void switchTo(Window window);
    Window foreignWindow(const std::string& className, const std::string& title,
                         bool closesOnWmClose = true);
    void closeForeignWindow(Window window);
    void retitle(Window window, const std::string& title);
    std::vector<ForeignMessage> messagesTo(Window window) const;

    // ---- Windows ----
    const WindowState* window(Window handle) const;  // nullptr when it does not exist
    std::vector<Window> topLevelWindows() const;
    std::vector<Window> children(Window parent) const;  // creation order
    Window focus() const;
    Window activeWindow() const;
    // The next window created gets handle, a value of a destroyed window.
    void reuseHandle(Window handle);
    void setScreen(int width, int height);

    // ---- Records ----
    const std::vector<Launch>& launches() const;
    void onLaunch(std::function<void(Launch&)> hook);
    void setLaunchResult(std::intptr_t result);
    const std::vector<MessageBoxRecord>& messageBoxes() const;
    void dismissMessageBox();  // the one in front
    // Boxes close by themselves after ms (500 at first); nullopt: only
    // dismissMessageBox closes them.
    void dismissMessageBoxesAfter(std::optional<Millis> ms);
    const std::deque<TextChange>& textChanges() const;  // setWindowText on the program's windows
    void limitTextChanges(std::size_t newest);

    // ---- Process ----
    void setModulePath(std::string path);
    void setInitialDirectory(std::string path);
    const std::string& currentDirectory() const;
    const std::vector<std::string>& directoryRequests()
        const;  // every setCurrentDirectory argument
    unsigned errorMode() const;
    int oleInitializations() const;
    int oleUninitializations() const;
    std::size_t localBlocks() const;  // not yet freed
    std::size_t openTimers() const;

    // ---- Faults ----
    void failAlways(Call call);
    void failNext(Call call, int times);
    void stopFailing(Call call);

private:
    std::shared_ptr<World> world_;
};

}  // namespace sim
