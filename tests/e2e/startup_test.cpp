// Start-up as the user sees it: the notice first, then the main window
// with its eleven controls in place and the focus on Start.
#include "scenario.h"
#include "window_probe.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

std::vector<HWND> visibleChildrenOfClass(HWND parent, const std::string& className)
{
    std::vector<HWND> found;
    for (HWND child : childrenInZOrder(parent))
        if (lstrcmpiA(classNameOf(child).c_str(), className.c_str()) == 0 && IsWindowVisible(child))
            found.push_back(child);
    return found;
}

TEST(StartUp, NoticeComesFirstWhileTheMainWindowWaitsHiddenAndDisabled)
{
    Scenario scenario("notice");
    ToolUnderTest& tool = scenario.tool;

    HWND box = tool.waitForNotice();
    EXPECT_EQ(tool.textOf(box), "Korvalis提醒您：");
    EXPECT_EQ(tool.textOf(GetDlgItem(box, 0xFFFF)), "请将本程序和需要监控的程序放在同一目录下");
    const auto buttons = visibleChildrenOfClass(box, "Button");
    ASSERT_EQ(buttons.size(), 1u) << "OK alone";
    EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);
    for (HWND picture : visibleChildrenOfClass(box, "Static")) {
        if ((GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        DWORD_PTR icon = 0;
        ASSERT_TRUE(SendMessageTimeoutA(picture, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon));
        EXPECT_EQ(icon, 0u) << "a notice without an icon";
    }
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_FALSE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) << "task-modal, not system-modal";

    HWND main = tool.waitForMainWindow();
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsWindowEnabled(main)) << "the task-modal box disables the thread's windows";

    tool.dismissNotice();
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_FALSE(IsWindow(box));
}

struct ExpectedControl {
    const char* name;
    HWND ToolControls::*control;
    const char* className;  // null: the tool's own label class
    RECT rect;              // in the main window's client area
    const char* text;       // null: any text but the empty one
    DWORD style;            // bits that must be set
    DWORD absentStyle;      // bits that must be clear
    DWORD exStyle = 0;      // extended style bits that must be set
};

constexpr DWORD labelStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD labelAbsent = WS_TABSTOP | WS_BORDER;
constexpr DWORD editStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD editAbsent = WS_BORDER | ES_READONLY | ES_PASSWORD | ES_MULTILINE | ES_UPPERCASE |
                             ES_LOWERCASE | ES_NOHIDESEL;
constexpr DWORD buttonStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_CENTER | BS_VCENTER |
                              BS_MULTILINE;
constexpr DWORD buttonAbsent = BS_DEFPUSHBUTTON | BS_BITMAP | BS_ICON;

// The stacking order, topmost first, is the order of this table.
const ExpectedControl expectedControls[] = {
    {"标签6", &ToolControls::标签6, nullptr, {0, 0, 280, 24}, "", labelStyle, labelAbsent},
    {"标签5", &ToolControls::标签5, nullptr, {16, 117, 264, 136}, "本程序可用于定时关闭和启动程序做监控处理", labelStyle, labelAbsent},
    {"标签4", &ToolControls::标签4, nullptr, {8, 136, 288, 152}, nullptr, labelStyle, labelAbsent},
    {"按钮2", &ToolControls::按钮2, "Button", {184, 56, 264, 80}, "停止", buttonStyle, buttonAbsent},
    {"编辑框3", &ToolControls::编辑框3, "Edit", {88, 88, 272, 112}, "click.exe", editStyle, editAbsent | ES_CENTER, WS_EX_STATICEDGE},
    {"标签3", &ToolControls::标签3, nullptr, {8, 88, 88, 112}, "监控文件名称：", labelStyle, labelAbsent},
    {"编辑框2", &ToolControls::编辑框2, "Edit", {88, 56, 168, 80}, "20", editStyle | ES_CENTER, editAbsent, WS_EX_STATICEDGE},
    {"标签2", &ToolControls::标签2, nullptr, {16, 56, 88, 80}, "间隔时间[S]", labelStyle, labelAbsent},
    {"编辑框1", &ToolControls::编辑框1, "Edit", {88, 25, 168, 49}, "600", editStyle | ES_CENTER, editAbsent, WS_EX_STATICEDGE},
    {"标签1", &ToolControls::标签1, nullptr, {0, 25, 88, 49}, "监控运行时间[S]", labelStyle, labelAbsent},
    {"按钮1", &ToolControls::按钮1, "Button", {184, 25, 264, 49}, "开始", buttonStyle, buttonAbsent},
};

DWORD_PTR answerTo(HWND window, UINT message)
{
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(window, message, 0, 0, SMTO_NORMAL, 5000, &answer));
    return answer;
}

// No length limit of the box's own, the caret before the first character
// and nothing selected.
void expectFreshEditBox(HWND edit)
{
    constexpr DWORD_PTR systemMaximum = 0x7FFFFFFE;
    EXPECT_EQ(answerTo(edit, EM_GETLIMITTEXT), systemMaximum);
    EXPECT_EQ(answerTo(edit, EM_GETSEL), 0u) << "selection from 0 to 0";
}

void expectControl(const ToolUnderTest& tool, const ExpectedControl& expected, HWND control)
{
    SCOPED_TRACE(expected.name);
    const std::string className = classNameOf(control);
    if (expected.className) {
        EXPECT_EQ(lstrcmpiA(className.c_str(), expected.className), 0) << className;
    } else {
        EXPECT_NE(lstrcmpiA(className.c_str(), "Edit"), 0);
        EXPECT_NE(lstrcmpiA(className.c_str(), "Button"), 0);
    }
    const RECT rect = rectInParentClient(control, tool.mainWindow());
    EXPECT_EQ(rect.left, expected.rect.left);
    EXPECT_EQ(rect.top, expected.rect.top);
    EXPECT_EQ(rect.right, expected.rect.right);
    EXPECT_EQ(rect.bottom, expected.rect.bottom);
    const std::string text = tool.textOf(control);
    if (expected.text)
        EXPECT_EQ(text, expected.text);
    else
        EXPECT_FALSE(text.empty());
    const DWORD style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(style & expected.style, expected.style) << std::hex << style;
    EXPECT_EQ(style & expected.absentStyle, 0u) << std::hex << style;
    const DWORD exStyle = GetWindowLongA(control, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & expected.exStyle, expected.exStyle) << std::hex << exStyle;
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
    if (lstrcmpiA(className.c_str(), "Edit") == 0) expectFreshEditBox(control);
}

TEST(StartUp, MainWindowIsCentredWithElevenControlsAndTheFocusOnStart)
{
    Scenario scenario("layout");
    ToolUnderTest& tool = scenario.tool;
    tool.passNotice();
    HWND main = tool.mainWindow();

    // On the 800 x 600 screen of the test session.
    RECT outer{};
    ASSERT_TRUE(GetWindowRect(main, &outer));
    EXPECT_EQ(outer.left, 257);
    EXPECT_EQ(outer.top, 208);
    EXPECT_EQ(outer.right - outer.left, 286);
    EXPECT_EQ(outer.bottom - outer.top, 183);
    const DWORD style = GetWindowLongA(main, GWL_STYLE);
    constexpr DWORD required = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    EXPECT_EQ(style & required, required) << std::hex << style;
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP), 0u) << std::hex << style;
    EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(main), nullptr);

    const ToolControls controls = tool.controls();
    for (const auto& expected : expectedControls) expectControl(tool, expected, controls.*expected.control);

    EXPECT_EQ(tool.focus(), controls.按钮1);
}

}  // namespace
}  // namespace e2e
