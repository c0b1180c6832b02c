#include "tool_driver.h"

#include "wait_until.h"
#include "window_probe.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace e2e {

namespace {

// A Wine process's first start in a session can take several seconds.
constexpr Milliseconds startTimeout = 20000;

LPARAM keyData(WORD key, bool release)
{
    const LPARAM scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    return 1 | (scanCode << 16) | (release ? 0xC0000000 : 0);
}

// Holds Shift down for another thread's GetKeyState by sharing its input
// state, as long as the object lives.
class ShiftHeldFor {
public:
    explicit ShiftHeldFor(DWORD thread) : thread_(thread)
    {
        // A thread needs an input queue of its own to share one.
        if (!IsGUIThread(TRUE) || !AttachThreadInput(GetCurrentThreadId(), thread_, TRUE))
            throw std::runtime_error("cannot share the tool's input state");
        if (!holdShift()) {
            AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
            throw std::runtime_error("cannot hold Shift for the tool");
        }
    }
    ~ShiftHeldFor()
    {
        const bool released = SetKeyboardState(saved_);
        if (!AttachThreadInput(GetCurrentThreadId(), thread_, FALSE) || !released)
            std::fprintf(stderr, "e2e: Shift may still be held for the tool\n");
    }
    ShiftHeldFor(const ShiftHeldFor&) = delete;
    ShiftHeldFor& operator=(const ShiftHeldFor&) = delete;

private:
    bool holdShift()
    {
        BYTE keys[256];
        if (!GetKeyboardState(saved_) || !GetKeyboardState(keys)) return false;
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
        return SetKeyboardState(keys);
    }

    DWORD thread_;
    BYTE saved_[256]{};
};

}  // namespace

ToolUnderTest::ToolUnderTest(const std::string& exe, const std::string& currentDirectory)
    : process_("\"" + exe + "\"", currentDirectory)
{
}

HWND ToolUnderTest::waitForNotice()
{
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = findTopLevelWindow(process_.processId(), "#32770")); },
                   startTimeout))
        throw std::runtime_error("the start-up notice did not come");
    return box;
}

HWND ToolUnderTest::waitForMainWindow()
{
    const auto found = [&] {
        for (HWND window : topLevelWindowsOf(process_.processId()))
            if (classNameOf(window) != "#32770" && e2e::textOf(window) == toolTitle) main_ = window;
        return main_ != nullptr;
    };
    if (!waitUntil(found, startTimeout)) throw std::runtime_error("the main window did not come");
    return main_;
}

void ToolUnderTest::dismissNotice()
{
    post(waitForNotice(), WM_COMMAND, IDOK);
    HWND main = waitForMainWindow();
    if (!waitUntil([&] { return IsWindowVisible(main); }))
        throw std::runtime_error("the main window was not shown after the notice");
}

void ToolUnderTest::passNotice()
{
    waitForNotice();
    dismissNotice();
}

ToolControls ToolUnderTest::controls() const
{
    const auto children = childrenInZOrder(main_);
    if (children.size() != toolControlCount)
        throw std::runtime_error("the main window holds " + std::to_string(children.size()) +
                                 " controls");
    ToolControls controls{};
    std::copy(children.begin(), children.end(), reinterpret_cast<HWND*>(&controls));
    return controls;
}

std::string ToolUnderTest::textOf(HWND window) const
{
    auto text = e2e::textOf(window);
    if (!text) throw std::runtime_error("the tool did not answer WM_GETTEXT");
    return *text;
}

std::string ToolUnderTest::countdownText() const { return textOf(controls().标签6); }

void ToolUnderTest::post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (!PostMessageA(window, message, wParam, lParam))
        throw std::runtime_error("cannot post message " + std::to_string(message));
}

bool ToolUnderTest::pace() const { return answers(main_) && answers(main_); }

void ToolUnderTest::click(HWND button) const
{
    post(button, BM_CLICK);
    pace();  // a click that ends the tool leaves nothing to answer
}

void ToolUnderTest::typeChars(HWND edit, const std::string& bytes) const
{
    for (unsigned char byte : bytes) post(edit, WM_CHAR, byte, 1);
    pace();
}

void ToolUnderTest::selectAll(HWND edit) const
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(edit, EM_SETSEL, 0, -1, SMTO_NORMAL, 5000, &ignored))
        throw std::runtime_error("cannot select the text of an edit box");
}

void ToolUnderTest::retype(HWND edit, const std::string& text) const
{
    selectAll(edit);
    typeChars(edit, text.empty() ? std::string("\b") : text);
    if (!waitUntil([&] { return e2e::textOf(edit) == text; }))
        throw std::runtime_error("the edit box does not hold \"" + text + "\"");
}

HWND ToolUnderTest::focus() const { return focusOf(process_.threadId()); }

void ToolUnderTest::pressKey(WORD key) const
{
    HWND target = focus();
    if (!target) target = main_;
    post(target, WM_KEYDOWN, key, keyData(key, false));
    post(target, WM_KEYUP, key, keyData(key, true));
    pace();
}

void ToolUnderTest::pressShiftTab() const
{
    const HWND before = focus();
    ShiftHeldFor shift(process_.threadId());
    pressKey(VK_TAB);
    // The tool reads Shift when it takes the key, which pacing alone does
    // not wait for (its pump may serve both sent messages before it takes
    // the posted key); Shift is held until the focus has moved.
    waitUntil([&] { return focus() != before; });
}

void ToolUnderTest::postQuit(WPARAM exitCode) const
{
    if (!PostThreadMessageA(process_.threadId(), WM_QUIT, exitCode, 0))
        throw std::runtime_error("cannot post WM_QUIT to the tool's thread");
}

}  // namespace e2e
