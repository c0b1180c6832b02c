// The real backend against the system: the forwarding of window and
// enumeration procedures, the typing filter, the queue and the waits. These
// are the places where our plain functions meet the system's calling
// convention and pointer-width arguments, so a fault here shows on one build
// and not the other.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace platform;

struct Received {
    Window window;
    MessageId id;
    WParam wParam;
    LParam lParam;
};

std::vector<Received> received;

LResult recordingProc(Window window, MessageId id, WParam wParam, LParam lParam) {
    received.push_back(Received{window, id, wParam, lParam});
    return defWindowProc(window, id, wParam, lParam);
}

// Each test suite registers its class once for the whole test program.
class RecordingWindow : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(registerWindowClass(WindowClass{"BackendTestWindow", recordingProc, ColorBtnFace}));
    }

    void SetUp() override {
        received.clear();
        window = createWindow(WindowSpec{0, "BackendTestWindow", "top", ws::Overlapped | ws::Caption,
                                         10, 10, 200, 100, 0, 0});
        ASSERT_NE(window, 0u);
    }

    void TearDown() override { destroyWindow(window); }

    Window createChild(const char* className, int id) {
        const Window child = createWindow(
            WindowSpec{0, className, "", ws::Child | ws::Visible, 0, 0, 80, 24, window, id});
        EXPECT_NE(child, 0u);
        return child;
    }

    Window window = 0;
};

bool receivedDuringCreation(Window window, MessageId id) {
    for (const Received& message : received)
        if (message.window == window && message.id == id) return true;
    return false;
}

TEST_F(RecordingWindow, CreationMessagesReachOurProcedure) {
    EXPECT_TRUE(receivedDuringCreation(window, wm::Create));
    EXPECT_TRUE(receivedDuringCreation(window, 0x0081 /* WM_NCCREATE */));
    char title[8] = {};
    EXPECT_EQ(getWindowText(window, title, sizeof title), 3);
    EXPECT_STREQ(title, "top");
}

TEST_F(RecordingWindow, ChildKeepsItsIdAndParent) {
    const Window child = createChild("BackendTestWindow", 1234);
    EXPECT_EQ(getDlgCtrlId(child), 1234);
    EXPECT_EQ(getParent(child), window);
    EXPECT_TRUE(receivedDuringCreation(child, wm::Create));
}

// Dispatches what other windows left in the queue until a message of the
// given id comes; 0 for a quit.
Message takeUntil(MessageId id) {
    Message message;
    while (getMessage(message) > 0 && message.id != id) dispatchMessage(message);
    return message;
}

void drainQueue() {
    Message message;
    while (peekMessage(message, true)) dispatchMessage(message);
}

TEST_F(RecordingWindow, PostedArgumentsArriveWhole) {
    const WParam wParam = ~WParam{0};
    const LParam lParam = -2;
    ASSERT_TRUE(postMessage(window, wm::User, wParam, lParam));
    const Message message = takeUntil(wm::User);
    received.clear();
    dispatchMessage(message);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].window, window);
    EXPECT_EQ(received[0].id, wm::User);
    EXPECT_EQ(received[0].wParam, wParam);
    EXPECT_EQ(received[0].lParam, lParam);
}

TEST_F(RecordingWindow, PeekLeavesTheMessageUnlessToldToRemoveIt) {
    drainQueue();
    ASSERT_TRUE(postMessage(window, wm::User, 1, 0));
    Message message;
    ASSERT_TRUE(peekMessage(message, false));
    ASSERT_TRUE(peekMessage(message, true));
    EXPECT_EQ(message.id, wm::User);
    EXPECT_FALSE(peekMessage(message, false));
}

TEST_F(RecordingWindow, QuitCarriesItsExitCode) {
    postQuitMessage(7);
    const Message quit = takeUntil(wm::Quit);
    EXPECT_EQ(quit.id, wm::Quit);
    EXPECT_EQ(quit.wParam, 7u);
}

TEST_F(RecordingWindow, InputWakesTheWaitBeforeTheTimer) {
    drainQueue();
    const Handle timer = createWaitableTimer();
    ASSERT_NE(timer, 0u);
    ASSERT_TRUE(setWaitableTimer(timer, -200 * 10000));
    ASSERT_TRUE(postMessage(window, wm::User, 0, 0));
    EXPECT_EQ(msgWaitForMultipleObjects(1, &timer, false, Infinite, QsAllEvents), WaitObject0 + 1);
    takeUntil(wm::User);
    EXPECT_EQ(msgWaitForMultipleObjects(1, &timer, false, Infinite, QsAllEvents), WaitObject0);
    EXPECT_TRUE(closeHandle(timer));
}

struct Enumerated {
    std::vector<Window> windows;
    std::size_t stopAfter = SIZE_MAX;
};

bool collect(Window window, std::intptr_t context) {
    auto* enumerated = reinterpret_cast<Enumerated*>(context);
    enumerated->windows.push_back(window);
    return enumerated->windows.size() < enumerated->stopAfter;
}

bool contains(const std::vector<Window>& windows, Window window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

TEST_F(RecordingWindow, ParentZeroEnumeratesTopLevelWindows) {
    const Window child = createChild("BackendTestWindow", 1);
    Enumerated topLevel;
    EXPECT_TRUE(enumChildWindows(0, collect, reinterpret_cast<std::intptr_t>(&topLevel)));
    EXPECT_TRUE(contains(topLevel.windows, window));
    EXPECT_FALSE(contains(topLevel.windows, child));
}

TEST_F(RecordingWindow, EnumerationOfChildrenStopsWhenAsked) {
    const Window first = createChild("BackendTestWindow", 1);
    const Window second = createChild("BackendTestWindow", 2);
    Enumerated all;
    EXPECT_TRUE(enumChildWindows(window, collect, reinterpret_cast<std::intptr_t>(&all)));
    EXPECT_EQ(all.windows, (std::vector<Window>{first, second}));
    Enumerated one;
    one.stopAfter = 1;
    enumChildWindows(window, collect, reinterpret_cast<std::intptr_t>(&one));
    EXPECT_EQ(one.windows.size(), 1u);
}

bool digitsOnly(WParam code) { return code >= '0' && code <= '9'; }

std::string textOf(Window window) {
    char text[32] = {};
    getWindowText(window, text, sizeof text);
    return text;
}

void typeInto(Window edit, const char* characters) {
    for (const char* c = characters; *c != '\0'; ++c)
        sendMessage(edit, wm::Char, static_cast<unsigned char>(*c), 1);
}

TEST_F(RecordingWindow, CharFilterDropsOnlyRejectedCharacters) {
    const Window filtered = createChild("EDIT", 1);
    const Window plain = createChild("EDIT", 2);
    ASSERT_TRUE(setCharFilter(filtered, digitsOnly));
    typeInto(filtered, "a1-\xB0" "2");
    typeInto(plain, "a1");
    EXPECT_EQ(textOf(filtered), "12");
    EXPECT_EQ(textOf(plain), "a1");
    ASSERT_TRUE(setWindowText(filtered, "x"));
    EXPECT_EQ(textOf(filtered), "x") << "only typed characters are filtered";
}

TEST_F(RecordingWindow, CharFilterEndsWithItsControl) {
    const Window first = createChild("EDIT", 1);
    ASSERT_TRUE(setCharFilter(first, digitsOnly));
    ASSERT_TRUE(destroyWindow(first));
    // A control made later may get the same handle value; a filter entry
    // left from the first would keep the second from being subclassed.
    const Window second = createChild("EDIT", 1);
    ASSERT_TRUE(setCharFilter(second, digitsOnly));
    typeInto(second, "a1");
    EXPECT_EQ(textOf(second), "1");
}

TEST(Waiting, TimeOutWithoutHandles) {
    drainQueue();
    const std::uint64_t before = tickCount();
    EXPECT_EQ(msgWaitForMultipleObjects(0, nullptr, false, 20, QsAllEvents), WaitTimeout);
    EXPECT_GE(tickCount(), before + 15);
}

TEST(LocalMemory, BlockHasTheSizeAskedAndStartsZeroed) {
    auto* block = static_cast<unsigned char*>(localAlloc(LmemZeroInit, 8));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(localSize(block), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(block[i], 0);
    EXPECT_EQ(localFree(block), nullptr);
}

TEST(Process, OwnFileAndFailedLaunch) {
    char path[260] = {};
    const unsigned length = getModuleFileName(path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_NE(std::string(path, length).find("win32_tests.exe"), std::string::npos) << path;
    EXPECT_EQ(shellExecute(0, "open", "no-such-program.exe", nullptr, "", SwShowNormal), 2);
}

// The tests run under code page 936 (GBK).
TEST(Process, LeadBytesFollowTheAnsiCodePage) {
    EXPECT_TRUE(isDbcsLeadByte(0xB1));
    EXPECT_TRUE(isDbcsLeadByte(0x81));
    EXPECT_FALSE(isDbcsLeadByte('\\'));
    EXPECT_FALSE(isDbcsLeadByte(0x80));
}

}  // namespace
