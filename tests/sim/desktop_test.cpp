// Rules of the simulated desktop that the program's scenario tests rely on.
// Each test runs a small program on the desktop's process thread; what that
// program records is read by the test only after runUntil/runFor returned.
#include "platform/platform.h"
#include "platform/sim/sim.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace platform;
using sim::Call;
using sim::Desktop;
using sim::Pause;

constexpr unsigned EnChange = 0x0300;
constexpr std::int64_t OneSecond = -10'000'000;

// Every message the test windows' procedure received, in order.
std::vector<Message> received;

LResult recordingProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    received.push_back({window, id, wParam, lParam});
    return defWindowProc(window, id, wParam, lParam);
}

Window openWindow(std::uint32_t style = ws::Visible, const char* className = "Recorder", Window parent = 0,
                  int id = 0) {
    // Every test program opens at most one window of this class.
    if (std::strcmp(className, "Recorder") == 0) {
        EXPECT_TRUE(registerWindowClass({"Recorder", recordingProc, ColorBtnFace}));
    }
    WindowSpec spec;
    spec.className = className;
    spec.style = style;
    spec.width = 100;
    spec.height = 30;
    spec.parent = parent;
    spec.id = id;
    const Window window = createWindow(spec);
    EXPECT_NE(window, 0u) << className;
    return window;
}

// Serves the queue as a message loop does, until WM_QUIT.
int pump() {
    Message message;
    while (getMessage(message) > 0) {
        translateMessage(message);
        dispatchMessage(message);
    }
    return static_cast<int>(message.wParam);
}

bool waitOneSecond() {
    const Handle timer = createWaitableTimer();
    const bool fired = setWaitableTimer(timer, OneSecond) &&
                       msgWaitForMultipleObjects(1, &timer, false, Infinite, 0) == WaitObject0;
    return closeHandle(timer) && fired;
}

std::vector<MessageId> idsReceivedBy(Window window, MessageId id) {
    std::vector<MessageId> found;
    for (const Message& m : received) {
        if (m.window == window && m.id == id) found.push_back(m.id);
    }
    return found;
}

class SimDesktop : public ::testing::Test {
protected:
    void SetUp() override { received.clear(); }
    Desktop desk;
};

// ---- Retrieval order ----------------------------------------------------

struct Taken {
    MessageId id;
    int result;
    WParam wParam;
    bool operator==(const Taken&) const = default;
};

// Lets `prepare` fill the queue, gives `actFromOutside` a moment during a
// wait, then takes everything in the queue with getMessage.
std::vector<Taken> takeEverything(Desktop& desk, const std::function<void(Window)>& prepare,
                                  const std::function<void(Window)>& actFromOutside) {
    std::vector<Taken> taken;
    Window window = 0;
    desk.start([&] {
        window = openWindow();
        prepare(window);
        msgWaitForMultipleObjects(0, nullptr, false, 10, 0);
        Message message;
        while (peekMessage(message, false)) {
            const int result = getMessage(message);
            taken.push_back({message.id, result, message.wParam});
            dispatchMessage(message);
        }
        return 0;
    });
    desk.at(5, [&] { actFromOutside(window); });
    EXPECT_EQ(desk.runFor(100), Pause::Exited);
    return taken;
}

TEST_F(SimDesktop, SentComeFirstThenPostedThenInputThenQuitThenPaint) {
    const auto taken = takeEverything(
        desk,
        [](Window window) {
            postQuitMessage(3);
            postMessage(window, wm::User + 1, 0, 0);
        },
        [&](Window window) {
            desk.click(window);
            desk.send(window, wm::User + 2);
        });
    const std::vector<Taken> expected{{wm::User + 1, 1, 0},
                                      {wm::LButtonDown, 1, 1},
                                      {wm::LButtonUp, 1, 0},
                                      {wm::Quit, 0, 3},
                                      {wm::Paint, 1, 0}};
    EXPECT_EQ(taken, expected);
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ(received[0].id, wm::Create);
    EXPECT_EQ(received[1].id, wm::User + 2) << "a sent message is served before anything is taken";
}

TEST_F(SimDesktop, PostedQuitKeepsItsPlaceAmongPostedMessages) {
    const auto taken = takeEverything(
        desk, [](Window window) { postMessage(window, wm::User + 1, 0, 0); },
        [&](Window window) {
            desk.postQuit(7);
            desk.post(window, wm::User + 3);
        });
    const std::vector<Taken> expected{{wm::User + 1, 1, 0}, {wm::Quit, 0, 7}, {wm::User + 3, 1, 0}, {wm::Paint, 1, 0}};
    EXPECT_EQ(taken, expected);
}

// ---- Waiting --------------------------------------------------------------

TEST_F(SimDesktop, WaitWakesOnlyForWhatArrivedSinceTheQueueWasLookedAt) {
    struct Woken {
        std::uint32_t result;
        std::uint64_t time;
        bool operator==(const Woken&) const = default;
    };
    std::vector<Woken> woken;
    Window window = 0;
    desk.start([&] {
        const auto wait = [&](std::uint32_t ms) {
            woken.push_back({msgWaitForMultipleObjects(0, nullptr, false, ms, QsAllEvents), tickCount()});
        };
        window = openWindow();
        Message message;
        peekMessage(message, false);  // sees the WM_PAINT, which then no longer wakes
        wait(1000);
        postMessage(window, wm::User, 0, 0);
        wait(1000);
        peekMessage(message, false);
        wait(Infinite);  // the click at 1500
        peekMessage(message, false);
        wait(Infinite);  // the message sent at 2000, served inside the wait
        return 0;
    });
    desk.at(1500, [&] { desk.click(window); });
    desk.at(2000, [&] { desk.send(window, wm::User + 9); });
    EXPECT_EQ(desk.runUntil(3000), Pause::Exited);
    const std::vector<Woken> expected{{WaitTimeout, 1000}, {WaitObject0, 1000}, {WaitObject0, 1500}, {WaitObject0, 2000}};
    EXPECT_EQ(woken, expected);
    EXPECT_EQ(idsReceivedBy(window, wm::User + 9).size(), 1u);
}

TEST_F(SimDesktop, TimersFireOnTheVirtualClockOnceEach) {
    std::vector<std::uint32_t> results;
    std::vector<std::uint64_t> times;
    desk.start([&] {
        const Handle timer = createWaitableTimer();
        const auto wait = [&](std::uint32_t ms) {
            results.push_back(msgWaitForMultipleObjects(1, &timer, false, ms, QsAllEvents));
            times.push_back(tickCount());
        };
        setWaitableTimer(timer, OneSecond);
        wait(Infinite);
        wait(500);  // the signal was taken by the first wait
        setWaitableTimer(timer, -25'000);  // 2.5 ms: due at the next whole millisecond after
        wait(Infinite);
        closeHandle(timer);
        wait(Infinite);  // a closed handle
        return 0;
    });
    EXPECT_EQ(desk.runUntil(5000), Pause::Exited);
    EXPECT_EQ(results, (std::vector<std::uint32_t>{WaitObject0, WaitTimeout, WaitObject0, WaitFailed}));
    EXPECT_EQ(times, (std::vector<std::uint64_t>{1000, 1500, 1503, 1503}));
    EXPECT_EQ(desk.openTimers(), 0u);
}

// ---- Turns and the end of the process --------------------------------------

TEST_F(SimDesktop, ParksAtTheLimitOrWhenIdleAndResumes) {
    int seconds = 0;
    desk.start([&] {
        while (seconds < 3 && waitOneSecond()) ++seconds;
        return pump();
    });
    EXPECT_EQ(desk.runUntil(2500), Pause::TimeLimit);
    EXPECT_EQ(seconds, 2);
    EXPECT_EQ(desk.runUntil(10000), Pause::Idle);
    EXPECT_EQ(seconds, 3);
    EXPECT_EQ(desk.now(), 10000u);
    desk.postQuit(5);
    EXPECT_EQ(desk.runFor(1), Pause::Exited);
    EXPECT_EQ(desk.exitCode(), 5);
    EXPECT_TRUE(desk.exit()->returned);
}

TEST_F(SimDesktop, NothingRunsAfterExitProcess) {
    struct FlagOnDestruction {
        bool& flag;
        ~FlagOnDestruction() { flag = true; }
    };
    bool destructorRan = false;
    bool codeAfterExitRan = false;
    desk.start([&] {
        const FlagOnDestruction guard{destructorRan};
        [] {
            waitOneSecond();
            exitProcess(4);
        }();
        codeAfterExitRan = true;
        return 9;
    });
    EXPECT_EQ(desk.runUntil(5000), Pause::Exited);
    EXPECT_EQ(desk.exitCode(), 4);
    EXPECT_EQ(desk.exit()->time, 1000u);
    EXPECT_FALSE(desk.exit()->returned);
    EXPECT_EQ(desk.runFor(1000), Pause::Exited);
    EXPECT_FALSE(destructorRan);
    EXPECT_FALSE(codeAfterExitRan);
}

// ---- Fault switches ----------------------------------------------------------

bool continueEnumeration(Window, std::intptr_t) { return true; }

struct Probe {
    Call call;
    bool (*failed)();
};

const Probe probes[] = {
    {Call::CreateWaitableTimer,
     [] {
         const Handle timer = createWaitableTimer();
         return timer == 0 || !closeHandle(timer);
     }},
    {Call::SetWaitableTimer,
     [] {
         const Handle timer = createWaitableTimer();
         const bool set = setWaitableTimer(timer, OneSecond);
         return !closeHandle(timer) || !set;
     }},
    {Call::MsgWait, [] { return msgWaitForMultipleObjects(0, nullptr, false, 0, 0) == WaitFailed; }},
    {Call::LocalAlloc,
     [] {
         void* block = localAlloc(LmemZeroInit, 8);
         return block == nullptr || localSize(block) != 8 || localFree(block) != nullptr;
     }},
    {Call::EnumChildWindows, [] { return !enumChildWindows(0, continueEnumeration, 0); }},
    {Call::ShellExecute, [] { return shellExecute(0, "open", "click.exe", nullptr, "", SwShowNormal) <= 32; }},
    {Call::MessageBox, [] { return messageBox(0, "", "", MbOk) == 0; }},
    {Call::CreateWindow, [] { return createWindow({0, "EDIT", "", ws::Visible}) == 0; }},
    {Call::RegisterWindowClass,
     [] {
         static int serial = 0;
         const std::string name = "Probe" + std::to_string(serial++);
         return !registerWindowClass({name.c_str(), recordingProc});
     }},
    {Call::SetCurrentDirectory, [] { return !setCurrentDirectory("D:\\work"); }},
    {Call::GetModuleFileName,
     [] {
         char path[260];
         return getModuleFileName(path, sizeof path) == 0;
     }},
    {Call::GetMessage,
     [] {
         postMessage(0, wm::User, 0, 0);
         Message message;
         return getMessage(message) == -1;
     }},
};

TEST_F(SimDesktop, FailNextMakesOnlyTheNextCallsFail) {
    for (const Probe& probe : probes) desk.failNext(probe.call, 1);
    std::vector<std::pair<bool, bool>> outcomes;  // first call failed, second call failed
    desk.start([&] {
        for (const Probe& probe : probes) {
            const bool first = probe.failed();
            outcomes.emplace_back(first, probe.failed());
        }
        return 0;
    });
    EXPECT_EQ(desk.runUntil(5000), Pause::Exited);
    ASSERT_EQ(outcomes.size(), std::size(probes));
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        EXPECT_TRUE(outcomes[i].first) << "probe " << i;
        EXPECT_FALSE(outcomes[i].second) << "probe " << i;
    }
    EXPECT_EQ(desk.localBlocks(), 0u);
}

TEST_F(SimDesktop, FailAlwaysHoldsUntilStopped) {
    desk.failAlways(Call::CreateWaitableTimer);
    std::vector<Handle> timers;
    desk.start([&] {
        for (int i = 0; i < 3; ++i) timers.push_back(createWaitableTimer());
        return pump();
    });
    desk.runFor(10);
    EXPECT_EQ(timers, (std::vector<Handle>{0, 0, 0}));

    desk.stopFailing(Call::CreateWaitableTimer);
    desk.at(desk.now(), [&] { timers.push_back(createWaitableTimer()); });
    desk.runFor(10);
    ASSERT_EQ(timers.size(), 4u);
    EXPECT_NE(timers.back(), 0u);
}

// ---- Windows of other programs --------------------------------------------

std::vector<Window> enumerate(Window parent) {
    std::vector<Window> found;
    const bool ok = enumChildWindows(
        parent,
        [](Window window, std::intptr_t list) {
            reinterpret_cast<std::vector<Window>*>(list)->push_back(window);
            return true;
        },
        reinterpret_cast<std::intptr_t>(&found));
    EXPECT_TRUE(ok);
    return found;
}

TEST_F(SimDesktop, EnumeratesTopLevelWindowsOfEveryProgramInCreationOrder) {
    const Window console = desk.foreignWindow("ConsoleWindowClass", "C:\\tools\\click.exe");
    Window own = 0, child = 0, later = 0;
    std::vector<Window> topLevel, children;
    desk.start([&] {
        own = openWindow(0);
        child = openWindow(ws::Child | ws::Visible, "EDIT", own, 3);
        msgWaitForMultipleObjects(0, nullptr, false, 10, 0);  // another program opens a window
        topLevel = enumerate(0);
        children = enumerate(own);
        return 0;
    });
    desk.at(5, [&] { later = desk.foreignWindow("ConsoleWindowClass", "cmd"); });
    EXPECT_EQ(desk.runFor(100), Pause::Exited);
    EXPECT_EQ(topLevel, (std::vector<Window>{console, own, later}));
    EXPECT_EQ(children, std::vector<Window>{child});
}

TEST_F(SimDesktop, ReadsForeignTitlesTruncatedAndClosesConsolesOnWmClose) {
    const Window console = desk.foreignWindow("ConsoleWindowClass", "C:\\tools\\click.exe");
    const Window stubborn = desk.foreignWindow("ConsoleWindowClass", "cmd.exe", false);
    int copied = 0, length = 0, classCopied = -1;
    char title[8];
    char className[50];
    bool openUntilNextWait = false;
    desk.start([&] {
        copied = getWindowText(console, title, sizeof title);
        length = getWindowTextLength(console);
        postMessage(console, wm::Close, 0, 0);
        postMessage(stubborn, wm::Close, 0, 0);
        openUntilNextWait = isWindow(console);
        msgWaitForMultipleObjects(0, nullptr, false, 1, 0);
        std::memset(className, 'x', sizeof className);
        classCopied = getClassName(console, className, sizeof className);
        return 0;
    });
    EXPECT_EQ(desk.runFor(100), Pause::Exited);
    EXPECT_EQ(copied, 7);
    EXPECT_STREQ(title, "C:\\tool");
    EXPECT_EQ(length, 18);
    EXPECT_TRUE(openUntilNextWait);
    EXPECT_EQ(desk.window(console), nullptr);
    EXPECT_NE(desk.window(stubborn), nullptr);
    EXPECT_EQ(classCopied, 0);
    EXPECT_EQ(className[0], 'x') << "a failed getClassName writes nothing";
    const auto closes = desk.messagesTo(console);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].id, wm::Close);
    EXPECT_EQ(closes[0].time, 0u);

    desk.reuseHandle(console);
    EXPECT_EQ(desk.foreignWindow("ConsoleWindowClass", "new"), console);
}

// ---- Built-in controls --------------------------------------------------------

bool digitsOnly(WParam code) { return code < 0x20 || (code >= '0' && code <= '9'); }

TEST_F(SimDesktop, EditTypesAtItsCaretThroughItsFilterAndPastesPastIt) {
    Window parent = 0, edit = 0;
    desk.start([&] {
        parent = openWindow();
        edit = openWindow(ws::Child | ws::Visible, "EDIT", parent, 7);
        setCharFilter(edit, digitsOnly);
        setFocus(edit);
        return pump();
    });
    desk.runFor(10);
    const auto textAfter = [&](const std::function<void()>& act) {
        act();
        desk.runFor(10);
        return desk.window(edit)->text;
    };
    EXPECT_EQ(textAfter([&] { desk.type("1a2"); }), "12");
    EXPECT_EQ(textAfter([&] { desk.press(0x08); }), "1");
    EXPECT_EQ(textAfter([&] { desk.paste(edit, "x-y"); }), "1x-y");
    EXPECT_EQ(textAfter([&] { desk.send(edit, em::SetSel, 0, 0); }), "1x-y");
    EXPECT_EQ(textAfter([&] { desk.type("9"); }), "91x-y");
    EXPECT_EQ(desk.window(edit)->caret, 1u);
    std::vector<WParam> notifications;
    for (const Message& m : received) {
        if (m.window == parent && m.id == wm::Command) notifications.push_back(m.wParam);
    }
    EXPECT_EQ(notifications, std::vector<WParam>(5, (EnChange << 16) | 7)) << "one per change";
}

TEST_F(SimDesktop, ButtonIsClickedByMouseSpaceAndBmClick) {
    Window parent = 0, button = 0;
    desk.start([&] {
        parent = openWindow();
        button = openWindow(ws::Child | ws::Visible, "BUTTON", parent, 5);
        return pump();
    });
    desk.runFor(10);
    const auto clicksAfter = [&](const std::function<void()>& act) {
        act();
        desk.runFor(10);
        return idsReceivedBy(parent, wm::Command).size();
    };
    EXPECT_EQ(clicksAfter([&] { desk.click(button); }), 1u);
    EXPECT_EQ(desk.focus(), button);
    EXPECT_EQ(clicksAfter([&] { desk.keyDown(VkSpace); }), 1u) << "Space clicks when it goes up";
    EXPECT_EQ(clicksAfter([&] { desk.keyUp(VkSpace); }), 2u);
    EXPECT_EQ(clicksAfter([&] { desk.send(button, bm::Click); }), 3u);
    const Message& last = received.back();
    EXPECT_EQ(last.wParam, WParam{5});
    EXPECT_EQ(last.lParam, static_cast<LParam>(button));
}

// ---- Message boxes and painting --------------------------------------------

TEST_F(SimDesktop, TaskModalBoxDisablesTheProgramsWindowsUntilDismissed) {
    desk.dismissMessageBoxesAfter(std::nullopt);
    Window window = 0;
    int result = -1;
    desk.start([&] {
        window = openWindow();
        result = messageBox(0, "text", nullptr, MbTaskModal);
        return pump();
    });
    EXPECT_EQ(desk.runFor(1000), Pause::Idle);
    ASSERT_EQ(desk.messageBoxes().size(), 1u);
    const sim::MessageBoxRecord& box = desk.messageBoxes()[0];
    EXPECT_EQ(box.text, "text");
    EXPECT_EQ(box.caption, std::nullopt);
    ASSERT_EQ(box.windows.size(), 1u);
    EXPECT_TRUE(box.windows[0].enabled);
    EXPECT_FALSE(desk.window(window)->enabled);
    EXPECT_FALSE(desk.click(window));
    EXPECT_EQ(idsReceivedBy(window, wm::Paint).size(), 1u) << "the box's loop still paints";

    desk.dismissMessageBox();
    desk.runFor(10);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(desk.messageBoxes()[0].closedAt, 1000u);
    EXPECT_TRUE(desk.window(window)->enabled);
}

LResult labelProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    if (id != wm::Paint) return defWindowProc(window, id, wParam, lParam);
    paintWindow(window, [](Window label, DeviceContext dc, const Rect& area) {
        fillRectWithSysColour(dc, area, ColorBtnFace);
        char text[32];
        getWindowText(label, text, sizeof text);
        selectObject(dc, getStockObject(StockDefaultGuiFont));
        setBkMode(dc, BkTransparent);
        setTextColor(dc, rgb(255, 0, 0));
        drawText(dc, text, getClientRect(label), DtCenter | DtSingleLine);
    });
    return 0;
}

TEST_F(SimDesktop, RecordsWhatALabelDrewInItsLatestPaint) {
    Window label = 0;
    Handle font = 0;
    desk.start([&] {
        EXPECT_TRUE(registerWindowClass({"Label", labelProc}));
        label = openWindow(ws::Visible, "Label");
        font = getStockObject(StockDefaultGuiFont);
        return pump();
    });
    desk.at(20, [&] {
        setWindowText(label, "first");
        setWindowText(label, "second");
        invalidateRect(label, false);
    });
    desk.runUntil(10);
    EXPECT_EQ(desk.window(label)->paint.count, 1u);
    desk.runUntil(30);
    const sim::PaintRecord& paint = desk.window(label)->paint;
    EXPECT_EQ(paint.count, 2u);
    EXPECT_EQ(paint.time, 20u);
    ASSERT_TRUE(paint.fill);
    EXPECT_EQ(paint.fill->sysColour, ColorBtnFace);
    ASSERT_EQ(paint.texts.size(), 1u);
    EXPECT_EQ(paint.texts[0].text, "second");
    EXPECT_EQ(paint.texts[0].textColour, rgb(255, 0, 0));
    EXPECT_EQ(paint.texts[0].backgroundMode, BkTransparent);
    EXPECT_EQ(paint.texts[0].font, font);
    EXPECT_EQ(desk.textChanges().size(), 2u);
    EXPECT_EQ(desk.textChanges().back().time, 20u);
}

}  // namespace
