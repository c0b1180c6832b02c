// The state of one simulated desktop and its process, shared by the
// platform calls (made on the program's thread) and the harness. The two
// never touch it at the same time: they take turns (see turns.cpp).
#pragma once

#include "platform/sim/sim.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace sim {

// Queue-status bits, as the wake mask of a wait names them.
namespace qs {
constexpr std::uint32_t Key = 0x0001;
constexpr std::uint32_t MouseButton = 0x0004;
constexpr std::uint32_t PostMessage = 0x0008;
constexpr std::uint32_t Paint = 0x0020;
constexpr std::uint32_t SendMessage = 0x0040;
}  // namespace qs

// Win32 values the desktop itself needs but the program never names.
constexpr MessageId WmSysChar = 0x0106;
constexpr MessageId WmPaste = 0x0302;
constexpr unsigned EnChange = 0x0300;
constexpr WParam ScClose = 0xF060;
constexpr WParam WaActive = 1;
constexpr WParam MkLButton = 0x0001;
constexpr int VkBack = 0x08;
constexpr int VkF4 = 0x73;
constexpr int VkOemMinus = 0xBD;
constexpr int VkPacket = 0xE7;
constexpr LParam KeyAltContext = LParam(1) << 29;
constexpr std::size_t EditDefaultLimit = 32767;
constexpr std::size_t EditMaximumLimit = 0x7FFFFFFE;
constexpr int FrameSize = 3;  // fixed frame, each side
constexpr int CaptionHeight = 20;

constexpr WParam makeWParam(unsigned low, unsigned high) {
    return (low & 0xFFFF) | (WParam(high & 0xFFFF) << 16);
}

struct Timer {
    std::optional<Millis> due;
    bool signalled = false;
};

struct InputMessage {
    platform::Message message;
    int character = -1;  // what translateMessage makes of a key-down; -1 for none
};

struct SentMessage {
    platform::Message message;
    std::size_t ticket = 0;
};

struct WindowClassInfo {
    std::string name;
    platform::WindowProc proc = nullptr;
};

struct DeviceContextState {
    Window window = 0;
    bool recording = false;  // false while the area to paint is empty
    Handle font = 0;
    Handle brush = 0;
    Colour textColour = 0;
    Colour backgroundColour = 0xFFFFFF;
    int backgroundMode = 2;  // OPAQUE
};

struct World {
    // ---- Turns ----
    std::mutex mutex;
    std::condition_variable turnChanged;
    bool programsTurn = false;
    bool abandoned = false;  // the Desktop is gone
    bool started = false;
    Pause pause = Pause::NotStarted;
    Millis limit = 0;
    std::optional<Exit> exit;

    // ---- Clock ----
    Millis now = 0;
    std::multimap<Millis, std::function<void()>> scheduled;  // equal times keep their order

    // ---- Kernel objects ----
    std::map<Handle, Timer> timers;
    Handle nextKernelHandle = 0x100;

    // ---- The thread's queue ----
    std::deque<SentMessage> sent;
    std::vector<std::optional<LResult>> replies;  // by ticket
    std::deque<platform::Message> posted;
    std::deque<InputMessage> input;
    std::optional<int> quitCode;          // from postQuitMessage
    std::uint32_t newArrivals = 0;        // qs bits raised since the queue was last looked at
    std::optional<InputMessage> lastKey;  // the key message taken last, for translateMessage
    std::set<int> keysDown;               // as of the messages taken so far (getKeyState)
    std::set<int> keysHeld;               // as the user holds them now

    // ---- Windows ----
    std::unordered_map<Window, WindowState> windows;  // references stay valid as it grows
    std::vector<WindowClassInfo> classes;
    std::uint64_t nextSerial = 1;
    Window nextHandle = 0x10010;
    std::optional<Window> reusedHandle;
    Window focus = 0;
    Window active = 0;
    int screenWidth = 800;
    int screenHeight = 600;

    // ---- Drawing ----
    std::map<platform::DeviceContext, DeviceContextState> deviceContexts;
    platform::DeviceContext nextDeviceContext = 0x01010000;
    Handle nextIcon = 0x00050000;

    // ---- Shell and boxes ----
    std::vector<Launch> launches;
    std::function<void(Launch&)> launchHook;
    std::intptr_t launchResult = 42;
    std::vector<MessageBoxRecord> boxes;
    std::vector<std::size_t> openBoxes;  // indices into boxes, the front one last
    std::optional<Millis> boxLifetime = 500;
    std::string clipboard;

    // ---- Records ----
    std::deque<TextChange> textChanges;
    std::size_t textChangeLimit = SIZE_MAX;
    std::vector<ForeignMessage> foreignMessages;

    // ---- Process ----
    std::string modulePath = "C:\\tools\\korvalis.exe";
    std::string currentDirectory = "C:\\";
    std::vector<std::string> directoryRequests;
    unsigned errorMode = 0;
    int oleDepth = 0;
    int oleInitializations = 0;
    int oleUninitializations = 0;
    std::map<void*, std::size_t> localBlocks;

    // ---- Faults: calls left to fail, -1 for always ----
    std::map<Call, int> faults;

    World() = default;
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    ~World();
};

// ---- Turns and clock (turns.cpp) ----
// The desktop of the simulated process running on this thread.
World& world();
bool isProgramThread(const World& w);
void schedule(World& w, Millis time, std::function<void()> action);
// Sleeps the program until the next scheduled action or the deadline,
// handing the turn to the harness when that lies beyond its limit, and runs
// the actions that fall due. Callers loop: check what they wait for, sleep.
void sleepUntilNextEvent(World& w, std::optional<Millis> deadline);
[[noreturn]] void endProcess(World& w, int code);

// True when this call is to fail; counts "fail the next N" down (faults.cpp).
bool failing(World& w, Call call);

// ---- The queue (queue.cpp) ----
void postToQueue(World& w, const platform::Message& message);
// PostMessage semantics for any window: the program's queue, or the record
// of another program's window. False for a window that does not exist.
bool postTo(World& w, const platform::Message& message);
void queueInput(World& w, const InputMessage& input);
bool isInputMessage(MessageId id);
void serveSentMessages(World& w);
// The next message in retrieval order, taken out unless remove is false
// (a WM_PAINT always stays until the window is validated).
std::optional<platform::Message> nextMessage(World& w, bool remove);
void forgetMessagesFor(World& w, Window window);
LResult deliver(World& w, Window window, MessageId id, WParam wParam, LParam lParam);

// ---- Windows (windows.cpp) ----
WindowState* findWindow(World& w, Window window);
WindowState* findOwnWindow(World& w, Window window);  // the program's, not foreign
Window newWindowHandle(World& w);
bool effectivelyVisible(World& w, Window window);
bool acceptsInput(World& w, Window window);  // visible and enabled up to its top level
Window topLevelOf(World& w, Window window);
std::vector<Window> childrenOf(const World& w, Window parent);  // parent 0: top level
std::vector<Window> subtree(const World& w, Window root);       // root first, then depth first
void invalidateTree(World& w, Window window);
void destroyForeign(World& w, Window window);
platform::Rect clientRect(const WindowState& window);

// ---- Focus and activation (focus.cpp) ----
void activate(World& w, Window window);
Window moveFocus(World& w, Window window);

// ---- Texts (window_text.cpp, defproc.cpp) ----
int copyTruncated(const std::string& text, char* buffer, int size);
std::string textOf(const char* text);                       // NULL as the empty text
std::optional<std::string> optionalText(const char* text);  // NULL kept apart
void trimTextChanges(World& w);                             // to the newest textChangeLimit
// WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH as every window answers them; 0 otherwise.
LResult defaultTextMessage(WindowState& window, MessageId id, WParam wParam, LParam lParam);

// ---- Controls (controls.cpp) ----
LResult editProc(Window window, MessageId id, WParam wParam, LParam lParam);
LResult buttonProc(Window window, MessageId id, WParam wParam, LParam lParam);
LResult foreignProc(Window window, MessageId id, WParam wParam, LParam lParam);

// ---- Painting (paint.cpp) ----
// Paints a built-in control: its text, as the control draws it.
void paintControl(Window window);

}  // namespace sim
