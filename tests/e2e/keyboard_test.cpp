// The keyboard interface of the main window: the focus moving through the
// five tab stops, Enter and Space on Start, and what the edit boxes take
// from typing and from the clipboard.
#include "scenario.h"
#include "wait_until.h"
#include "window_probe.h"

#include <gtest/gtest.h>

#include <cstring>

namespace e2e {
namespace {

TEST(Keyboard, TabStopsCycleBothWaysEnterDoesNothingAndSpaceStarts)
{
    Scenario scenario("keyboard");
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();
    const ToolControls c = tool.controls();
    ASSERT_EQ(tool.focus(), c.按钮1);

    // No default button: Enter neither clicks Start nor moves the focus.
    tool.pressKey(VK_RETURN);
    EXPECT_EQ(tool.focus(), c.按钮1);

    const auto focusMovesTo = [&](HWND expected) {
        return waitUntil([&] { return tool.focus() == expected; });
    };
    for (HWND next : {c.编辑框1, c.编辑框2, c.编辑框3, c.按钮2, c.按钮1}) {
        tool.pressKey(VK_TAB);
        EXPECT_TRUE(focusMovesTo(next)) << tool.focus() << " instead of " << next;
    }
    for (HWND previous : {c.按钮2, c.编辑框3, c.编辑框2, c.编辑框1, c.按钮1}) {
        tool.pressShiftTab();
        EXPECT_TRUE(focusMovesTo(previous)) << tool.focus() << " instead of " << previous;
    }

    ASSERT_EQ(tool.focus(), c.按钮1);
    tool.pressKey(VK_SPACE);
    EXPECT_TRUE(waitUntil([&] { return !scenario.folder.log().empty(); })) << "no launch";
    EXPECT_TRUE(waitUntil([&] { return tool.countdownText() == runPrefix + "599"; }))
        << tool.countdownText();
    // A second since Space launched the program: had Enter launched it
    // too, even earlier, that launch would be in the log by now.
    EXPECT_EQ(scenario.folder.log().size(), 1u) << "Enter launched the monitored program";
}

struct Typing {
    const char* what;
    HWND ToolControls::*box;
    bool selectAllFirst;
    std::string typed;
    std::string expected;
};

// Each case types at the caret, which starts before the first character;
// the cases run one after the other on the same window.
const Typing typings[] = {
    {"a letter in a run-time box is dropped", &ToolControls::编辑框1, false, "a5", "5600"},
    {"a two-byte character is dropped", &ToolControls::编辑框2, false, "\xB0\xA1" "7", "720"},
    {"the file name box takes any character", &ToolControls::编辑框3, false, "a", "aclick.exe"},
    {"emptied, then a minus and a digit", &ToolControls::编辑框1, true, "\b-5", "-5"},
};

void putOnClipboard(const std::string& text)
{
    // The clipboard needs an owner window; a message-only one will do.
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    ASSERT_NE(memory, nullptr);
    void* bytes = GlobalLock(memory);
    ASSERT_NE(bytes, nullptr);
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner));
    const bool stored = EmptyClipboard() && SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    DestroyWindow(owner);
    if (!stored) GlobalFree(memory);
    ASSERT_TRUE(stored);
}

TEST(Keyboard, RunTimeBoxesFilterTypedCharactersButNotPastedText)
{
    Scenario scenario("typing");
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();
    const ToolControls c = tool.controls();

    for (const auto& typing : typings) {
        SCOPED_TRACE(typing.what);
        HWND box = c.*typing.box;
        if (typing.selectAllFirst) tool.selectAll(box);
        tool.typeChars(box, typing.typed);
        // The last character typed is always taken, so once it is there
        // every earlier one has been through the filter.
        EXPECT_TRUE(waitUntil([&] { return textOf(box) == typing.expected; })) << tool.textOf(box);
    }

    // Pasting goes around the filter: the clipboard's text, then WM_PASTE,
    // as Ctrl+V in the box would send it.
    putOnClipboard("abc");
    tool.post(c.编辑框1, WM_PASTE);
    EXPECT_TRUE(waitUntil([&] { return textOf(c.编辑框1) == std::string("-5abc"); }))
        << tool.textOf(c.编辑框1);
}

}  // namespace
}  // namespace e2e
