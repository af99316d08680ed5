#include "display_fixture.h"

#include <string>
#include <vector>

#include "runtime/源码/系统.h"
#include "runtime/源码/文本控制台.h"

namespace {

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

std::string WindowClass(HWND window)
{
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WindowTitle(HWND window)
{
    char title[128] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

}  // namespace

TEST_F(DisplayTest, SizeRulesGiveCanvasAndWindowSizes)
{
    const int w = ScreenWidth(), h = ScreenHeight();
    struct Case {
        int width, height;
        KindWord mode;
        int canvasWidth, canvasHeight, windowWidth, windowHeight;
    } cases[] = {
        { 320, 240, 0, 320, 240, 320, 240 },
        { 0, 0, 0, w >> 1, h >> 1, w >> 1, h >> 1 },
        { -5, 100, 0, w >> 1, 100, w >> 1, 100 },
        { 0, 0, 0x10, w, h, w >> 1, h >> 1 },
        { 200 * w, 200 * h, 0, 100 * w, 100 * h, w, h - 30 },
        { 100 * w, 10, 0, 100 * w, 10, 100 * w, 10 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " mode " << c.mode);
        VdDiscardState();
        VdAllocState();
        int width = c.width, height = c.height;
        EXPECT_EQ(GfxInit(nullptr, &width, &height, nullptr, c.mode, nullptr), 0);
        EXPECT_EQ(width, c.canvasWidth);
        EXPECT_EQ(height, c.canvasHeight);
        EXPECT_EQ(State().canvasWidth, c.canvasWidth);
        EXPECT_EQ(State().canvasHeight, c.canvasHeight);
        EXPECT_EQ(State().windowWidth, c.windowWidth);
        EXPECT_EQ(State().windowHeight, c.windowHeight);
    }
}

TEST_F(DisplayTest, ModeBitsSetStylesAndAwaitedInput)
{
    struct Case {
        KindWord mode;
        DWORD style, exStyle;
        UINT awaited;
        int systemKeys, noClose;
    } cases[] = {
        { 0, 0xCA0000, 0x40000, WM_CHAR, 0, 0 },
        { 0x2, 0xCA0000, 0x40000, WM_KEYDOWN, 0, 0 },
        { 0x4, 0xCA0000, 0x40000, WM_KEYDOWN, 1, 0 },
        { 0x8, 0xCA0000, 0x40000, WM_CHAR, 0, 1 },
        { 0x10, 0xCA0000 | 0x50000, 0x40000, WM_CHAR, 0, 0 },
        { 0x20 | 0x40 | 0x10, 0x80800000, 0x40000, WM_CHAR, 0, 0 },
        { 0x40, 0x80000000, 0x40000, WM_CHAR, 0, 0 },
        { 0x80, 0xCA0000, 0x40010, WM_CHAR, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        VdDiscardState();
        VdAllocState();
        int width = 100, height = 100;
        GfxInit(nullptr, &width, &height, nullptr, c.mode, nullptr);
        EXPECT_EQ(State().style, c.style);
        EXPECT_EQ(State().exStyle, c.exStyle);
        EXPECT_EQ(State().awaitedMessage, c.awaited);
        EXPECT_EQ(State().systemKeys, c.systemKeys);
        EXPECT_EQ(State().noClose, c.noClose);
    }
}

TEST_F(DisplayTest, InitKeepsTitleIconAndHookOnlyWhenGiven)
{
    static const char title[] = "我的显示";
    auto hook = [](UINT, WPARAM, LPARAM) -> int { return 0; };
    int width = 100, height = 100;
    GfxInit(title, &width, &height, "图标名", 0, hook);
    EXPECT_STREQ(State().title, title);
    EXPECT_STREQ(State().iconName, "图标名");
    EXPECT_EQ(State().messageHook, (VdMessageHook)hook);
    GfxInit(nullptr, &width, &height, nullptr, 0, nullptr);
    EXPECT_STREQ(State().title, title);
    EXPECT_EQ(State().messageHook, (VdMessageHook)hook);
}

TEST_F(DisplayTest, DisplayAttributesByWordOrNumber)
{
    auto hook = [](UINT, WPARAM, LPARAM) -> int { return 0; };
    GfxSetDisplayAttr(标题, "标题一");
    EXPECT_STREQ(State().title, "标题一");
    GfxSetDisplayAttr(2, "标题二");
    EXPECT_STREQ(State().title, "标题二");
    GfxSetDisplayAttr(菜单, "菜单名");
    GfxSetDisplayAttr(3, "图标名");
    GfxSetDisplayAttr(事件, (const void*)(VdMessageHook)hook);
    EXPECT_STREQ(State().menuName, "菜单名");
    EXPECT_STREQ(State().iconName, "图标名");
    EXPECT_EQ(State().messageHook, (VdMessageHook)hook);
    GfxSetDisplayAttr(99, "ignored");
    EXPECT_STREQ(State().title, "标题二");
}

TEST_F(DisplayTest, OpenCreatesTheDisplayWindowWithItsCanvas)
{
    OpenDisplay(320, 240, 0, 显示);
    HWND window = Window();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(WindowClass(window), kDisplayClassName);
    EXPECT_EQ(WindowTitle(window), "星盒—虚拟显示器");
    EXPECT_TRUE(IsWindowVisible(window));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 240);
    EXPECT_EQ(State().timerId, (UINT_PTR)kDisplayTimerId);
    EXPECT_NE(State().memoryDC, nullptr);
    EXPECT_EQ(State().currentDC, State().memoryDC);
    EXPECT_EQ(GetPixel(State().memoryDC, 10, 10), RGB(255, 255, 255));
    EXPECT_EQ(SysGetRedirect(), 1) << "console redirection is on while the display is open";
}

TEST_F(DisplayTest, OpenHiddenKeepsTheWindowHidden)
{
    int width = 200, height = 100;
    GfxInit("隐藏的", &width, &height, nullptr, 0, nullptr);
    ASSERT_EQ(GfxShowDisplay(隐藏), 0);
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(WindowTitle(Window()), "隐藏的");
    EXPECT_EQ(GfxSetDisplayVisible(显示), 1);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(GfxSetDisplayVisible(12345), 0);
    EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(DisplayTest, OpeningTwiceKeepsTheFirstWindow)
{
    OpenDisplay();
    HWND first = Window();
    EXPECT_EQ(GfxShowDisplay(显示), 0);
    EXPECT_EQ(Window(), first);
}

TEST_F(DisplayTest, CloseReleasesTheCanvasAndTheRedirection)
{
    OpenDisplay();
    HWND window = Window();
    EXPECT_EQ(GfxCloseDisplay(立即), 0);
    EXPECT_FALSE(VdIsOpen());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(State().window, window) << "the destroyed window's handle stays";
    EXPECT_EQ(State().memoryDC, nullptr);
    EXPECT_EQ(State().canvasBitmap, nullptr);
    EXPECT_EQ(State().timerId, 0u);
    EXPECT_EQ(SysGetRedirect(), 0);
    EXPECT_EQ(GfxGetExitCode(), 0);
    EXPECT_EQ(GfxCloseDisplay(立即), -1) << "closing a closed display";
}

TEST_F(DisplayTest, ReopeningAfterCloseFailsBecauseTheClassStaysRegistered)
{
    OpenDisplay();
    GfxCloseDisplay(立即);
    EXPECT_EQ(GfxShowDisplay(显示), -1);
    EXPECT_FALSE(VdIsOpen());
}

TEST_F(DisplayTest, CloseWithoutPumpReleasesAtTheNextLoop)
{
    OpenDisplay();
    EXPECT_EQ(VdCloseDisplay(0), 0);
    EXPECT_TRUE(VdIsOpen()) << "released only when a loop sees WM_QUIT";
    EXPECT_EQ(VdMessageLoop(), 0);
    EXPECT_FALSE(VdIsOpen());
}

TEST_F(DisplayTest, MessageLoopsRefuseToNest)
{
    EXPECT_EQ(GfxRunMessageLoop(), -1) << "closed";
    OpenDisplay();
    State().inLoop = 1;
    EXPECT_EQ(VdMessageLoop(), -2);
    EXPECT_EQ(VdCloseDisplay(1), 0);
    EXPECT_TRUE(VdIsOpen()) << "a nested close only destroys";
    State().inLoop = 0;
    EXPECT_EQ(VdMessageLoop(), 0);
    EXPECT_FALSE(VdIsOpen());
}

TEST_F(DisplayTest, MessageLoopStoresTheQuitCode)
{
    OpenDisplay();
    PostQuitMessage(42);
    EXPECT_EQ(GfxRunMessageLoop(), 0);
    EXPECT_FALSE(VdIsOpen());
    EXPECT_EQ(GfxGetExitCode(), 42);
}

namespace {
int g_closeRequests;
int KeepOpenHook(UINT message, WPARAM, LPARAM)
{
    if (message != WM_CLOSE)
        return 0;
    g_closeRequests++;
    return 1;
}
}  // namespace

TEST_F(DisplayTest, HookThatHandlesCloseKeepsTheWindowOpen)
{
    g_closeRequests = 0;
    int width = 100, height = 100;
    GfxInit(nullptr, &width, &height, nullptr, 0, KeepOpenHook);
    ASSERT_EQ(GfxShowDisplay(显示), 0);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(g_closeRequests, 1);
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_TRUE(VdIsOpen());
}

TEST_F(DisplayTest, DisplayWithoutHookOrTimerHandlerServesItsMessages)
{
    // Regression: the hook and the timer handler were called even when none was set.
    OpenDisplay();
    ASSERT_EQ(State().messageHook, nullptr);
    ASSERT_EQ(State().timerHandler, nullptr);
    EXPECT_NE(GfxSetTimer(5, 10), 0);
    // A tick of the timer reaches the display's procedure.
    EXPECT_TRUE(WaitUntil([&] {
        MSG tick;
        if (!PeekMessageA(&tick, Window(), WM_TIMER, WM_TIMER, PM_REMOVE))
            return false;
        DispatchMessageA(&tick);
        return tick.wParam == 5;
    }));
    EXPECT_EQ(GfxKillTimer(5), 0);
    SendMessageA(Window(), WM_MOUSEMOVE, 0, 0);
    InvalidateRect(Window(), nullptr, FALSE);
    UpdateWindow(Window());
    EXPECT_TRUE(VdIsOpen());
}

namespace {
std::vector<UINT_PTR> g_timerIds;
int RecordTimer(UINT_PTR id)
{
    g_timerIds.push_back(id);
    return 1;
}
}  // namespace

TEST_F(DisplayTest, TimerHandlerReceivesTheProgramsTimers)
{
    g_timerIds.clear();
    OpenDisplay();
    VdTimerHandler* stored = GfxSetTimerHandler(RecordTimer);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(*stored, RecordTimer);
    ASSERT_NE(GfxSetTimer(7, 10), 0);
    EXPECT_TRUE(PumpUntil([] { return !g_timerIds.empty(); }));
    EXPECT_EQ(GfxKillTimer(7), 0);
    ASSERT_FALSE(g_timerIds.empty());
    for (UINT_PTR id : g_timerIds)
        EXPECT_EQ(id, 7u) << "the refresh timer has its own procedure";
    EXPECT_EQ(GfxKillTimer(7), 1) << "already killed";
}

TEST_F(DisplayTest, TimersNeedAnOpenDisplay)
{
    EXPECT_EQ(GfxSetTimer(3, 100), 0);
    EXPECT_EQ(GfxKillTimer(3), 1);
}

TEST_F(DisplayTest, DrawingReachesTheScreenWithinATick)
{
    OpenDisplay(320, 240, 0, 显示);
    PumpUntil([] { return true; });  // what opening queued
    State().repaintBits = kRepaintDrawn;
    // A repaint that the timer did not ask for leaves the drawn bit alone.
    InvalidateRect(Window(), nullptr, FALSE);
    UpdateWindow(Window());
    EXPECT_EQ(State().repaintBits, kRepaintDrawn);
    EXPECT_TRUE(PumpUntil([&] { return State().repaintBits == 0; }))
        << "the timer asked for a repaint and the paint cleared it";
}

TEST_F(DisplayTest, ShownTextCursorBlinks)
{
    OpenDisplay();
    VdSetTextCursor(1, 0, 0, 16);
    bool sawHidden = false, sawShown = false;
    PumpUntil([&] {
        sawHidden |= State().textCursorState == kCursorBlinkHidden;
        sawShown |= State().textCursorState == kCursorShown;
        return sawHidden && sawShown;
    });
    EXPECT_TRUE(sawHidden);
    EXPECT_TRUE(sawShown);
    VdSetTextCursor(0, 0, 0, 16);
    EXPECT_EQ(State().textCursorState, kCursorOff);
    // Two ticks of the refresh timer hold a blink step; a tick shows by the repaint it asks
    // for while something drawn waits. The cursor stays off through both.
    for (int tick = 0; tick < 2; ++tick) {
        State().repaintBits = kRepaintDrawn;
        ASSERT_TRUE(PumpUntil([&] { return (State().repaintBits & kRepaintRequested) != 0; })) << "tick " << tick;
        EXPECT_EQ(State().textCursorState, kCursorOff) << "tick " << tick;
    }
}

TEST_F(DisplayTest, InstanceAndPreviousInstance)
{
    State().previousInstance = (HINSTANCE)0x1234;
    EXPECT_EQ(GfxGetInstance(), GetModuleHandleA(nullptr));
    EXPECT_EQ(GfxGetInstanceHandle(), (HINSTANCE)0x1234);
}
