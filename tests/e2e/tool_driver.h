// Drives one running instance of the tool from outside, through the window
// system, as a user at the keyboard and mouse would: by posting the
// messages that clicks and keystrokes produce and by reading what the
// windows show.
#pragma once

#include "child_process.h"

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// The texts the tool shows, in the code page its literals are stored in.
inline const std::string toolTitle = "Korvalis程序定时重启系统";
inline const std::string runPrefix = "剩余工作倒计时：";
inline const std::string pausePrefix = "剩余休息倒计时：";

// The controls of the main window under the names the program gives them,
// in their stacking order, topmost first.
struct ToolControls {
    HWND 标签6, 标签5, 标签4, 按钮2, 编辑框3, 标签3, 编辑框2, 标签2, 编辑框1, 标签1, 按钮1;
};
inline constexpr std::size_t toolControlCount = sizeof(ToolControls) / sizeof(HWND);

class ToolUnderTest {
public:
    // Starts the program file exe with currentDirectory as its start-in
    // folder; the process is ended with this object.
    ToolUnderTest(const std::string& exe, const std::string& currentDirectory);

    const ChildProcess& process() const { return process_; }

    // The start-up notice box, once it is up. Throws if it does not come.
    HWND waitForNotice();
    // The main window, once it exists (it is hidden while the notice is
    // up). Throws if it does not come.
    HWND waitForMainWindow();
    // Presses OK on the notice and waits until the main window is shown.
    void dismissNotice();
    // Gets the tool past its notice, to the idle main window.
    void passNotice();

    HWND mainWindow() const { return main_; }
    // The eleven controls, from the main window's children. Throws if the
    // window does not hold exactly eleven.
    ToolControls controls() const;

    // A window's text; throws if the tool does not answer.
    std::string textOf(HWND window) const;
    std::string countdownText() const;

    // Posts a message; throws if it cannot be posted.
    void post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Paces posted input to the tool's own pace: the first of two sent
    // messages is served where a posted one is taken, the second by the
    // pumping that follows. It does not prove that the posted message has
    // been handled (a pump that peeks before it takes a message may serve
    // both first), so tests poll for the effect they expect. False if the
    // tool stopped answering (it may have ended).
    bool pace() const;
    void click(HWND button) const;
    // Posts one character message per byte, at the caret.
    void typeChars(HWND edit, const std::string& bytes) const;
    // Selects everything in the edit box, as Ctrl+A would.
    void selectAll(HWND edit) const;
    // Replaces everything in the box by typing: selects all, then types
    // text, or Backspace for an empty text. Throws if the box then does
    // not hold text.
    void retype(HWND edit, const std::string& text) const;
    // Presses and releases a key in the control that has the focus.
    void pressKey(WORD key) const;
    // Presses Tab while Shift is held down, until the focus moves.
    void pressShiftTab() const;
    HWND focus() const;
    void postQuit(WPARAM exitCode) const;

    std::optional<DWORD> waitForExit(DWORD timeoutMs = 10000) const
    {
        return process_.waitForExit(timeoutMs);
    }

private:
    ChildProcess process_;
    HWND main_ = nullptr;
};

}  // namespace e2e
