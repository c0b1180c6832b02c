// The tool's window and its life on the simulated desktop: how it comes up
// behind its notice, what its controls are, its keyboard interface, its
// labels, and every way the process ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/layout.h"
#include "app/lifecycle.h"
#include "app/main_window.h"
#include "tool_on_desktop.h"

namespace {

using Member = ToolOnDesktop::Member;
using platform::Window;

constexpr platform::WParam scClose = 0xF060;

const std::vector<Member> tabOrder = {&MainWindowControls::按钮1, &MainWindowControls::编辑框1,
                                      &MainWindowControls::编辑框2, &MainWindowControls::编辑框3,
                                      &MainWindowControls::按钮2};

// Starts the tool with the given program file and runs it past its notice,
// which closes by itself; returns its main window, or 0 when none is shown.
Window startPastNotice(sim::Desktop& desk, const std::string& modulePath) {
    desk.setModulePath(modulePath);
    desk.start([] { return runProgram(); });
    desk.runFor(1000);
    for (Window window : desk.topLevelWindows())
        if (desk.window(window)->visible) return window;
    return 0;
}

// Class names are compared as Windows does, without regard to case.
bool sameClassName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

// Destroyed, or ending with the process inside its own destruction.
bool isGone(const sim::Desktop& desk, Window window) {
    const sim::WindowState* state = desk.window(window);
    return state == nullptr || state->destroying;
}

TEST(MainWindowStartUp, NoticeComesFirstThenTheWindowCentredWithStartFocused) {
    sim::Desktop desk;
    desk.setScreen(800, 600);
    desk.setModulePath("C:\\tools\\korvalis.exe");
    desk.setInitialDirectory("D:\\shortcut");
    desk.dismissMessageBoxesAfter(std::nullopt);
    desk.start([] { return runProgram(); });
    desk.runFor(5000);

    ASSERT_EQ(desk.messageBoxes().size(), 1u);
    const sim::MessageBoxRecord& notice = desk.messageBoxes()[0];
    EXPECT_EQ(notice.owner, 0u);
    EXPECT_EQ(notice.text, std::optional<std::string>("请将本程序和需要监控的程序放在同一目录下"));
    EXPECT_EQ(notice.caption, std::optional<std::string>("Korvalis提醒您："));
    EXPECT_EQ(notice.style, platform::MbOk | platform::MbTaskModal);
    // Everything of the process is set up before the window exists.
    EXPECT_EQ(desk.errorMode(), platform::SemFailCriticalErrors | platform::SemNoOpenFileErrorBox);
    EXPECT_EQ(desk.oleInitializations(), 1);
    EXPECT_EQ(desk.currentDirectory(), "C:\\tools");

    ASSERT_EQ(desk.topLevelWindows().size(), 1u);
    const Window main = desk.topLevelWindows()[0];
    EXPECT_FALSE(desk.window(main)->visible) << "the window waits behind the notice";
    EXPECT_FALSE(desk.window(main)->enabled);
    EXPECT_EQ(desk.children(main).size(), static_cast<std::size_t>(layout::controlCount));

    desk.dismissMessageBox();
    desk.runFor(desk.now() + 10);
    const sim::WindowState& shown = *desk.window(main);
    EXPECT_TRUE(shown.visible);
    EXPECT_TRUE(shown.enabled);
    EXPECT_EQ(shown.text, layout::windowTitle);
    EXPECT_EQ(shown.style & ~platform::ws::Visible, layout::windowStyle);
    EXPECT_EQ(shown.exStyle, 0u);
    EXPECT_EQ(shown.parent, 0u);
    EXPECT_EQ(std::vector<int>({shown.x, shown.y, shown.width, shown.height}),
              std::vector<int>({257, 208, 286, 183}));
    EXPECT_EQ(shown.font, platform::getStockObject(platform::StockDefaultGuiFont));
    EXPECT_NE(shown.bigIcon, 0u);
    EXPECT_NE(shown.smallIcon, 0u);
    EXPECT_EQ(desk.activeWindow(), main);
    EXPECT_EQ(desk.focus(), desk.children(main).back()) << "按钮1, stored last, is first in tab order";
    EXPECT_FALSE(desk.exited());
}

TEST(MainWindowStartUp, ElevenControlsAsLaidOut) {
    ToolOnDesktop tool;
    tool.start();
    const std::vector<Window> children = tool.desk.children(tool.main);
    ASSERT_EQ(children.size(), layout::controls.size());
    std::vector<int> ids;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const layout::Control& expected = layout::controls[i];
        const sim::WindowState& control = *tool.desk.window(children[i]);
        SCOPED_TRACE(expected.name);
        EXPECT_TRUE(sameClassName(control.className, layout::className(expected.kind)));
        EXPECT_EQ(control.style, expected.style);
        EXPECT_EQ(control.exStyle, expected.exStyle);
        EXPECT_EQ(control.text, expected.text);
        EXPECT_EQ(std::vector<int>({control.x, control.y, control.width, control.height}),
                  std::vector<int>({expected.left, expected.top, expected.width, expected.height}));
        EXPECT_TRUE(control.visible);
        EXPECT_TRUE(control.enabled);
        EXPECT_EQ(control.font, platform::getStockObject(platform::StockDefaultGuiFont));
        if (expected.kind == layout::ControlKind::Edit) {
            EXPECT_EQ(control.textLimit, 0x7FFFFFFEu) << "no limit of its own";
            EXPECT_EQ(control.caret, 0u);
            EXPECT_EQ(control.charFilter != nullptr, expected.filtersTyping);
        }
        ids.push_back(control.id);
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "child ids are unique";
    // Edit boxes draw black on white, whatever the system's colours.
    const sim::PaintRecord& edit = tool.desk.window(tool.control(&MainWindowControls::编辑框1))->paint;
    EXPECT_EQ(edit.colourBrush, platform::getStockObject(platform::StockWhiteBrush));
    ASSERT_FALSE(edit.texts.empty());
    EXPECT_EQ(edit.texts.back().textColour, platform::rgb(0, 0, 0));
    EXPECT_EQ(edit.texts.back().backgroundColour, platform::rgb(255, 255, 255));
}

TEST(MainWindowKeys, TabAndShiftTabVisitTheFiveTabStopsInTurn) {
    ToolOnDesktop tool;
    tool.start();
    sim::Desktop& desk = tool.desk;
    for (std::size_t step = 1; step <= tabOrder.size(); ++step) {
        ASSERT_TRUE(desk.press(platform::VkTab));
        desk.runFor(desk.now());
        EXPECT_EQ(desk.focus(), tool.control(tabOrder[step % tabOrder.size()])) << "Tab " << step;
    }
    desk.keyDown(platform::VkShift);
    for (std::size_t step = 1; step <= tabOrder.size(); ++step) {
        ASSERT_TRUE(desk.press(platform::VkTab));
        desk.runFor(desk.now());
        EXPECT_EQ(desk.focus(), tool.control(tabOrder[(tabOrder.size() - step) % tabOrder.size()]))
            << "Shift+Tab " << step;
    }
    desk.keyUp(platform::VkShift);
}

TEST(MainWindowFocus, ComesBackToTheControlThatHadItWhenTheUserReturns) {
    ToolOnDesktop tool;
    tool.start();
    sim::Desktop& desk = tool.desk;
    const Window other = desk.foreignWindow("Notepad", "notes");
    desk.press(platform::VkTab);
    desk.press(platform::VkTab);
    desk.runFor(0);
    ASSERT_EQ(desk.focus(), tool.control(&MainWindowControls::编辑框2));

    desk.switchTo(other);
    desk.runFor(0);
    ASSERT_EQ(desk.activeWindow(), other);
    desk.switchTo(tool.main);
    desk.runFor(0);
    EXPECT_EQ(desk.activeWindow(), tool.main);
    EXPECT_EQ(desk.focus(), tool.control(&MainWindowControls::编辑框2));
}

TEST(MainWindowKeys, EnterF1AndCtrlTabLeaveTheFocusWhereItIs) {
    ToolOnDesktop tool;
    tool.start();
    sim::Desktop& desk = tool.desk;
    const Window start = tool.control(&MainWindowControls::按钮1);
    desk.press(platform::VkReturn);
    desk.press(platform::VkF1);
    desk.keyDown(platform::VkControl);
    desk.press(platform::VkTab);
    desk.keyUp(platform::VkControl);
    desk.runFor(desk.now() + 100);
    EXPECT_EQ(desk.focus(), start);
    EXPECT_FALSE(desk.exited());
    EXPECT_TRUE(desk.launches().empty()) << "Enter is no default button";
}

TEST(MainWindowTyping, NumberBoxesDropOtherTypedCharactersButTakePastedText) {
    ToolOnDesktop tool;
    tool.start();
    sim::Desktop& desk = tool.desk;
    const Window runTime = tool.control(&MainWindowControls::编辑框1);
    tool.setSetting(&MainWindowControls::编辑框1, "");
    desk.press(platform::VkTab);
    desk.runFor(desk.now());
    ASSERT_EQ(desk.focus(), runTime);
    desk.type("a");
    desk.runFor(desk.now());
    EXPECT_EQ(desk.window(runTime)->text, "");
    desk.type("-5x.9");
    desk.runFor(desk.now());
    EXPECT_EQ(desk.window(runTime)->text, "-59");
    desk.paste(runTime, "abc");
    desk.runFor(desk.now());
    EXPECT_EQ(desk.window(runTime)->text, "-59abc");
}

TEST(MainWindowTyping, TheFileBoxTakesEveryCharacterAndIsReadAsShown) {
    ToolOnDesktop tool;
    tool.start();
    sim::Desktop& desk = tool.desk;
    for (int tab = 0; tab < 3; ++tab) {
        desk.press(platform::VkTab);
        desk.runFor(desk.now());
    }
    ASSERT_EQ(desk.focus(), tool.control(&MainWindowControls::编辑框3));
    desk.type("a.b ");
    std::string read;
    desk.at(desk.now() + 10, [&] { read = readControlText(mainWindow.编辑框3).c_str(); });
    desk.runFor(desk.now() + 20);
    // The caret stood before the first character; nothing confirmed the typing.
    EXPECT_EQ(read, "a.b click.exe");
}

TEST(MainWindowLabels, AWriteShowsAtTheNextPaintAndOnlyTheLastOfSeveral) {
    ToolOnDesktop tool;
    tool.start();
    sim::Desktop& desk = tool.desk;
    const Window countdown = tool.control(&MainWindowControls::标签6);
    unsigned paintsBefore = 0, paintsAfterWrites = 0;
    desk.at(desk.now() + 10, [&] {
        paintsBefore = desk.window(countdown)->paint.count;
        writeControlText(mainWindow.标签6, Text("first"));
        writeControlText(mainWindow.标签6, Text("剩余工作倒计时：5 & more"));
        paintsAfterWrites = desk.window(countdown)->paint.count;
    });
    desk.runFor(desk.now() + 20);
    EXPECT_EQ(paintsAfterWrites, paintsBefore) << "a write draws nothing itself";
    const sim::PaintRecord& paint = desk.window(countdown)->paint;
    EXPECT_EQ(paint.count, paintsBefore + 1);
    ASSERT_EQ(paint.texts.size(), 1u);
    const sim::DrawnText& drawn = paint.texts[0];
    EXPECT_EQ(drawn.text, "剩余工作倒计时：5 & more");
    EXPECT_EQ(drawn.format, layout::labelDrawFormat(layout::Alignment::Centre));
    EXPECT_EQ(drawn.textColour, layout::red);
    EXPECT_EQ(drawn.backgroundMode, platform::BkTransparent);
    EXPECT_EQ(drawn.font, platform::getStockObject(platform::StockDefaultGuiFont));
    EXPECT_EQ(drawn.rect.right - drawn.rect.left, 280);
    ASSERT_TRUE(paint.fill.has_value());
    EXPECT_EQ(paint.fill->sysColour, platform::ColorBtnFace);
}

TEST(MainWindowLabels, EachLabelPaintsItsCaptionInItsOwnColour) {
    ToolOnDesktop tool;
    tool.start();
    for (const layout::Control& control : layout::controls) {
        if (control.kind != layout::ControlKind::Label || *control.text == '\0') continue;
        SCOPED_TRACE(control.name);
        const sim::PaintRecord& paint = tool.desk.window(tool.control(control.handle))->paint;
        ASSERT_EQ(paint.texts.size(), 1u);
        EXPECT_EQ(paint.texts[0].text, control.text);
        EXPECT_EQ(paint.texts[0].textColour, control.textColour);
        EXPECT_EQ(paint.texts[0].format, layout::labelDrawFormat(layout::Alignment::Left));
    }
    EXPECT_TRUE(tool.desk.window(tool.control(&MainWindowControls::标签6))->paint.texts.empty())
        << "an empty caption draws no text";
}

TEST(MainWindowExit, EveryWayOutEndsWithItsCode) {
    struct Case {
        const char* what;
        std::function<void(ToolOnDesktop&)> act;
        int code;
        bool returned;  // through the top-level loop rather than endProgram
    };
    const auto post = [](platform::MessageId id, platform::WParam wParam) {
        return [=](ToolOnDesktop& t) { t.desk.post(t.main, id, wParam); };
    };
    const Case cases[] = {
        {"close box", post(platform::wm::SysCommand, scClose), 0, false},
        {"WM_CLOSE from another program", post(platform::wm::Close, 0), 0, false},
        {"Esc", [](ToolOnDesktop& t) { t.desk.press(platform::VkEscape); }, 0, false},
        {"Stop", [](ToolOnDesktop& t) { t.desk.click(t.control(&MainWindowControls::按钮2)); }, 0, false},
        // Had the teardown raised the destroy handler, it would have ended
        // the process with 0 from inside the destruction.
        {"WM_QUIT 7", [](ToolOnDesktop& t) { t.desk.postQuit(7); }, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolOnDesktop tool;
        tool.start();
        c.act(tool);
        tool.desk.runFor(tool.desk.now() + 100);
        ASSERT_TRUE(tool.desk.exited());
        EXPECT_EQ(tool.desk.exitCode(), c.code);
        EXPECT_EQ(tool.desk.exit()->returned, c.returned);
        EXPECT_TRUE(isGone(tool.desk, tool.main));
        EXPECT_EQ(tool.desk.oleUninitializations(), 1);
        EXPECT_EQ(tool.desk.messageBoxes().size(), 1u) << "no box beyond the notice";
    }
}

TEST(MainWindowExit, SessionEndIsNotHeldUpAndRunsNothing) {
    ToolOnDesktop tool;
    tool.start();
    const std::size_t ticket = tool.desk.send(tool.main, platform::wm::QueryEndSession);
    tool.desk.send(tool.main, platform::wm::EndSession, 1);
    tool.desk.runFor(tool.desk.now() + 100);
    EXPECT_EQ(tool.desk.reply(ticket), std::optional<platform::LResult>(1));
    EXPECT_FALSE(tool.desk.exited());
}

TEST(MainWindowFailure, AWindowThatCannotBeMadeIsReportedAndEndsWithMinusOne) {
    for (const sim::Call call : {sim::Call::RegisterWindowClass, sim::Call::CreateWindow}) {
        SCOPED_TRACE(static_cast<int>(call));
        sim::Desktop desk;
        desk.failAlways(call);
        EXPECT_EQ(startPastNotice(desk, "C:\\tools\\korvalis.exe"), 0u);
        ASSERT_TRUE(desk.exited());
        EXPECT_EQ(desk.exitCode(), -1);
        ASSERT_EQ(desk.messageBoxes().size(), 1u) << "the error box, and no notice";
        const sim::MessageBoxRecord& box = desk.messageBoxes()[0];
        EXPECT_EQ(box.owner, 0u);
        EXPECT_EQ(box.style, platform::MbIconError | platform::MbOk);
        EXPECT_FALSE(box.text.value_or("").empty());
        EXPECT_EQ(desk.oleUninitializations(), 1);
    }
}

TEST(StartUpDirectory, TheProgramsOwnFolderBecomesCurrentWhereItCan) {
    struct Case {
        const char* modulePath;
        std::optional<sim::Call> failing;
        std::vector<std::string> requests;
        const char* current;
        int oleUninitializations;  // after a WM_QUIT
    };
    const Case cases[] = {
        {"C:\\tools\\korvalis.exe", std::nullopt, {"C:\\tools"}, "C:\\tools", 1},
        {"C:\\korvalis.exe", std::nullopt, {"C:\\"}, "C:\\", 1},
        {"\\\\server\\share\\korvalis.exe", std::nullopt, {"\\\\server\\share"}, "\\\\server\\share", 1},
        {"C:\\tools\\korvalis.exe", sim::Call::SetCurrentDirectory, {"C:\\tools"}, "D:\\start", 1},
        {"C:\\tools\\korvalis.exe", sim::Call::GetModuleFileName, {}, "D:\\start", 1},
        {"C:\\tools\\korvalis.exe", sim::Call::OleInitialize, {"C:\\tools"}, "C:\\tools", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modulePath + std::string(c.failing ? " with a failing call" : ""));
        sim::Desktop desk;
        desk.setInitialDirectory("D:\\start");
        if (c.failing) desk.failAlways(*c.failing);
        EXPECT_NE(startPastNotice(desk, c.modulePath), 0u) << "the tool comes up all the same";
        EXPECT_EQ(desk.directoryRequests(), c.requests);
        EXPECT_EQ(desk.currentDirectory(), c.current);
        desk.postQuit(0);
        desk.runFor(desk.now() + 100);
        EXPECT_EQ(desk.exitCode(), 0);
        EXPECT_EQ(desk.oleUninitializations(), c.oleUninitializations);
    }
}

}  // namespace
