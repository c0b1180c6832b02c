// The program's one window onto the system: the Win32 user interface,
// kernel, shell and OLE calls it makes, behind names and types of our own.
// Two backends implement it and the build links one of them: win32/ calls
// the real API; sim/ is a simulated desktop with a virtual clock for the
// Linux tests. Everything above this layer is the same code in both.
//
// The calls keep the argument order and meaning of the Win32 functions they
// stand for, and message ids, styles and flags keep their Win32 values, so
// the real backend passes them through unchanged.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

using Window = std::uintptr_t;  // a window handle; 0 is none
using Handle = std::uintptr_t;  // a kernel or GDI object handle; 0 is none
using DeviceContext = std::uintptr_t;
using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

struct Message {
    Window window = 0;
    MessageId id = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

using Colour = std::uint32_t;  // 0x00BBGGRR
constexpr Colour rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

using WindowProc = LResult (*)(Window, MessageId, WParam, LParam);
using EnumProc = bool (*)(Window, std::intptr_t context);

// ---- Messages ----------------------------------------------------------

namespace wm {
constexpr MessageId Create = 0x0001;
constexpr MessageId Destroy = 0x0002;
constexpr MessageId Activate = 0x0006;
constexpr MessageId SetFocus = 0x0007;
constexpr MessageId KillFocus = 0x0008;
constexpr MessageId SetText = 0x000C;
constexpr MessageId GetText = 0x000D;
constexpr MessageId GetTextLength = 0x000E;
constexpr MessageId Paint = 0x000F;
constexpr MessageId Close = 0x0010;
constexpr MessageId QueryEndSession = 0x0011;
constexpr MessageId Quit = 0x0012;
constexpr MessageId EndSession = 0x0016;
constexpr MessageId SetFont = 0x0030;
constexpr MessageId SetIcon = 0x0080;
constexpr MessageId KeyDown = 0x0100;
constexpr MessageId KeyUp = 0x0101;
constexpr MessageId Char = 0x0102;
constexpr MessageId SysKeyDown = 0x0104;
constexpr MessageId SysKeyUp = 0x0105;
constexpr MessageId Command = 0x0111;
constexpr MessageId SysCommand = 0x0112;
constexpr MessageId Timer = 0x0113;
constexpr MessageId CtlColorEdit = 0x0133;
constexpr MessageId MouseMove = 0x0200;
constexpr MessageId LButtonDown = 0x0201;
constexpr MessageId LButtonUp = 0x0202;
constexpr MessageId User = 0x0400;
}  // namespace wm

namespace em {  // edit control messages
constexpr MessageId SetSel = 0x00B1;
constexpr MessageId ScrollCaret = 0x00B7;
constexpr MessageId LimitText = 0x00C5;
}  // namespace em

namespace bm {  // button messages and notifications
constexpr MessageId Click = 0x00F5;
constexpr unsigned Clicked = 0;  // BN_CLICKED, in the high word of WM_COMMAND's wParam
}  // namespace bm

constexpr WParam WaInactive = 0;  // WM_ACTIVATE: low word of wParam
constexpr WParam IconSmall = 0;   // WM_SETICON
constexpr WParam IconBig = 1;

// Takes the next message (GetMessageA with no window filter and no range):
// > 0 for a message, 0 for WM_QUIT (its exit code in wParam), -1 on failure.
int getMessage(Message& message);
// PeekMessageA with no window filter and no range; true when a message was
// there. With remove false it stays in the queue.
bool peekMessage(Message& message, bool remove);
bool translateMessage(const Message& message);
LResult dispatchMessage(const Message& message);
LResult sendMessage(Window window, MessageId id, WParam wParam, LParam lParam);
bool postMessage(Window window, MessageId id, WParam wParam, LParam lParam);
void postQuitMessage(int exitCode);

// ---- Waiting -----------------------------------------------------------

constexpr std::uint32_t Infinite = 0xFFFFFFFF;
constexpr std::uint32_t WaitObject0 = 0;
constexpr std::uint32_t WaitTimeout = 0x102;
constexpr std::uint32_t WaitFailed = 0xFFFFFFFF;
constexpr std::uint32_t QsAllEvents = 0xFF;  // keys, mouse, posted, timers, paint, sent, hot keys

// CreateWaitableTimerA(NULL, FALSE, NULL): an auto-reset timer; 0 on failure.
Handle createWaitableTimer();
// SetWaitableTimer(timer, &dueTime, 0, NULL, NULL, FALSE): one-shot; a
// negative dueTime is relative, in 100-nanosecond units.
bool setWaitableTimer(Handle timer, std::int64_t dueTime);
bool closeHandle(Handle handle);
// MsgWaitForMultipleObjects: WaitObject0 + i when handles[i] is signalled,
// WaitObject0 + count when input of wakeMask arrived, WaitTimeout, WaitFailed.
std::uint32_t msgWaitForMultipleObjects(std::uint32_t count, const Handle* handles, bool waitAll,
                                        std::uint32_t milliseconds, std::uint32_t wakeMask);
// GetTickCount64: a monotonic millisecond count.
std::uint64_t tickCount();

// ---- Windows of the desktop --------------------------------------------

// EnumChildWindows(parent, proc, context). A parent of 0 enumerates the
// top-level windows, as Windows documents (the real backend then calls
// EnumWindows, which Wine also implements for that case).
bool enumChildWindows(Window parent, EnumProc proc, std::intptr_t context);
int getClassName(Window window, char* buffer, int size);
int getWindowTextLength(Window window);
int getWindowText(Window window, char* buffer, int size);
bool setWindowText(Window window, const char* text);

// ---- Process -----------------------------------------------------------

constexpr unsigned SemFailCriticalErrors = 0x0001;
constexpr unsigned SemNoOpenFileErrorBox = 0x8000;

unsigned setErrorMode(unsigned mode);
long oleInitialize();
void oleUninitialize();
// GetModuleFileNameA for the process's own module.
unsigned getModuleFileName(char* buffer, unsigned size);
bool setCurrentDirectory(const char* path);
// IsDBCSLeadByte: whether the byte opens a two-byte character in the
// system's ANSI code page.
bool isDbcsLeadByte(unsigned char byte);
[[noreturn]] void exitProcess(int exitCode);

constexpr unsigned LmemZeroInit = 0x0040;  // with LMEM_FIXED (0): a pointer
void* localAlloc(unsigned flags, std::size_t bytes);
std::size_t localSize(void* block);
void* localFree(void* block);

// ---- Shell and message boxes -------------------------------------------

constexpr int SwHide = 0;
constexpr int SwShowNormal = 1;
constexpr int SwShow = 5;
constexpr int SwShowNA = 8;

// ShellExecuteA; the result is > 32 on success.
std::intptr_t shellExecute(Window owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int showCommand);

constexpr unsigned MbOk = 0x0000;
constexpr unsigned MbIconError = 0x0010;
constexpr unsigned MbTaskModal = 0x2000;

int messageBox(Window owner, const char* text, const char* caption, unsigned style);

// ---- Our windows: classes, creation, state -----------------------------

namespace ws {  // window styles
constexpr std::uint32_t Overlapped = 0x00000000;
constexpr std::uint32_t TabStop = 0x00010000;
constexpr std::uint32_t MinimizeBox = 0x00020000;
constexpr std::uint32_t SysMenu = 0x00080000;
constexpr std::uint32_t Caption = 0x00C00000;
constexpr std::uint32_t ClipChildren = 0x02000000;
constexpr std::uint32_t ClipSiblings = 0x04000000;
constexpr std::uint32_t Visible = 0x10000000;
constexpr std::uint32_t Child = 0x40000000;
constexpr std::uint32_t ExStaticEdge = 0x00020000;
}  // namespace ws

namespace es {  // edit styles
constexpr std::uint32_t Center = 0x0001;
constexpr std::uint32_t AutoHScroll = 0x0080;
}  // namespace es

namespace bs {  // button styles
constexpr std::uint32_t PushButton = 0x0000;
constexpr std::uint32_t Center = 0x0300;
constexpr std::uint32_t VCenter = 0x0C00;
constexpr std::uint32_t Multiline = 0x2000;
}  // namespace bs

struct WindowClass {
    const char* name = nullptr;
    WindowProc proc = nullptr;
    int backgroundSysColour = -1;  // COLOR_* index for the class brush; -1 for none
};

struct WindowSpec {
    std::uint32_t exStyle = 0;
    const char* className = nullptr;
    const char* text = nullptr;
    std::uint32_t style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Window parent = 0;
    int id = 0;  // child id; ignored for top-level windows
};

// RegisterClassA with the arrow cursor; false on failure.
bool registerWindowClass(const WindowClass& windowClass);
// CreateWindowExA; 0 on failure. WM_CREATE reaches the class's procedure
// before it returns.
Window createWindow(const WindowSpec& spec);
bool destroyWindow(Window window);
// ShowWindow: true when the window was visible before the call, which is
// no success flag.
bool showWindow(Window window, int showCommand);
bool moveWindow(Window window, int x, int y, int width, int height, bool repaint);
LResult defWindowProc(Window window, MessageId id, WParam wParam, LParam lParam);
bool isWindow(Window window);
bool isWindowVisible(Window window);
bool isWindowEnabled(Window window);
Window getParent(Window window);
int getDlgCtrlId(Window window);
Rect getClientRect(Window window);
bool invalidateRect(Window window, bool erase);

// Drops WM_CHAR messages that an edit control would receive when accepts
// says no; the control handles every other message as usual.
bool setCharFilter(Window edit, bool (*accepts)(WParam code));

// ---- Focus and keyboard --------------------------------------------------

constexpr int VkTab = 0x09;
constexpr int VkReturn = 0x0D;
constexpr int VkShift = 0x10;
constexpr int VkControl = 0x11;
constexpr int VkMenu = 0x12;  // Alt
constexpr int VkEscape = 0x1B;
constexpr int VkSpace = 0x20;
constexpr int VkF1 = 0x70;

Window setFocus(Window window);
Window getFocus();
// GetKeyState: negative while the key is held down.
short getKeyState(int virtualKey);

// ---- Screen, resources, drawing ----------------------------------------

constexpr int SmCxScreen = 0;
constexpr int SmCyScreen = 1;
int getSystemMetrics(int index);

constexpr int ColorBtnFace = 15;
constexpr int StockWhiteBrush = 0;
constexpr int StockDefaultGuiFont = 17;
Handle getStockObject(int index);

// LoadImageA(module, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR) from the
// program's own resources; 0 when there is none.
Handle loadIconResource(const char* name, int size);

constexpr int BkTransparent = 1;
constexpr unsigned DtLeft = 0x0000;
constexpr unsigned DtCenter = 0x0001;
constexpr unsigned DtVCenter = 0x0004;
constexpr unsigned DtSingleLine = 0x0020;
constexpr unsigned DtNoPrefix = 0x0800;

// Runs painter between BeginPaint and EndPaint of window with the device
// context and the area to paint.
using Painter = void (*)(Window, DeviceContext, const Rect& area);
void paintWindow(Window window, Painter painter);
bool fillRectWithSysColour(DeviceContext dc, const Rect& rect, int sysColour);
Handle selectObject(DeviceContext dc, Handle object);
int setBkMode(DeviceContext dc, int mode);
Colour setTextColor(DeviceContext dc, Colour colour);
Colour setBkColor(DeviceContext dc, Colour colour);
int drawText(DeviceContext dc, const char* text, Rect rect, unsigned format);

}  // namespace platform
