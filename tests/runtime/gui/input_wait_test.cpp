#include "display_fixture.h"

#include <string>
#include <vector>

#include "runtime/源码/显示输入.h"

TEST(KeyMapTest, VirtualKeysWithoutACharacterGetLanguageCodes)
{
    struct Case {
        int virtualKey, code;
    } cases[] = {
        { VK_PRIOR, 0x16 }, { VK_NEXT, 0x17 }, { VK_END, 0x18 }, { VK_HOME, 0x19 },
        { VK_DELETE, 0x1A },
        { VK_LEFT, 0x1C }, { VK_UP, 0x1D }, { VK_RIGHT, 0x1E }, { VK_DOWN, 0x1F },
        { VK_NUMPAD0, 0x110 }, { VK_NUMPAD9, 0x119 },
        { VK_F1, 0x101 }, { VK_F10, 0x10A }, { VK_F12, 0x10C },
        { 'A', 0 }, { '0', 0 }, { VK_RETURN, 0 }, { VK_INSERT, 0 }, { VK_F13, 0 },
        { VK_MULTIPLY, 0 }, { VK_SHIFT, 0 }, { 0, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(VdMapVirtualKey(c.virtualKey), c.code) << "virtual key " << c.virtualKey;
}

TEST_F(DisplayTest, WaitDeliversMappedKeysAndTheirParameter)
{
    OpenDisplay();
    PostMessageA(Window(), WM_KEYDOWN, VK_LEFT, 0x14B0001);
    int key = 0;
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, 0x1C);
    EXPECT_EQ(GfxGetInputParam(), 0x14B0001);
    PostKeyDown(VK_NUMPAD5);
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, 0x115);
    PostKeyDown(VK_DELETE);
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, 0x1A);
    PostChar('z');
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, 'z');
}

TEST_F(DisplayTest, AwaitedKeyDownDeliversRawVirtualKeys)
{
    OpenDisplay(100, 100, 0x2);
    PostKeyDown(VK_LEFT);
    PostKeyDown('A');
    int key = 0;
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, VK_LEFT);
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, 'A');
}

TEST_F(DisplayTest, SystemKeysAreDeliveredWhenSwitchedOn)
{
    OpenDisplay(100, 100, 0x4);
    PostMessageA(Window(), WM_SYSKEYDOWN, VK_F10, 1);
    int key = 0;
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, VK_F10);
}

TEST_F(DisplayTest, SystemKeysAreNotInputWhenSwitchedOff)
{
    OpenDisplay();
    PostMessageA(Window(), WM_SYSKEYDOWN, VK_F10, 1);
    int key = 0;
    EXPECT_EQ(GfxPollKey(&key), 0);
}

TEST_F(DisplayTest, PollTakesAQueuedKeyOrReportsNone)
{
    OpenDisplay();
    int key = 0;
    EXPECT_EQ(GfxPollKey(&key), 0);
    PostChar('p');
    EXPECT_EQ(GfxPollKey(&key), 1);
    EXPECT_EQ(key, 'p');
    EXPECT_EQ(GfxPollKey(&key), 0);
}

TEST_F(DisplayTest, KeysForOtherWindowsDoNotCount)
{
    OpenDisplay();
    HWND owned = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, Window(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owned, nullptr);
    PostMessageA(owned, WM_CHAR, 'x', 1);
    PostChar('y');
    int key = 0;
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, 'y');
    DestroyWindow(owned);
}

TEST_F(DisplayTest, WaitsAnswerAtOnceWhenClosedOrNested)
{
    int key = 0;
    EXPECT_EQ(GfxWaitKey(&key), 0);
    EXPECT_EQ(GfxPollKey(&key), 0);
    OpenDisplay();
    PostChar('n');
    State().inLoop = 1;
    EXPECT_EQ(GfxWaitKey(&key), 0);
    EXPECT_EQ(GfxPollKey(&key), 0);
    State().inLoop = 0;
    EXPECT_EQ(GfxWaitKey(&key), 1);
    EXPECT_EQ(key, 'n');
}

TEST_F(DisplayTest, WaitThatSeesTheEndReleasesTheDisplay)
{
    OpenDisplay();
    PostQuitMessage(9);
    int key = 0;
    EXPECT_EQ(GfxWaitKey(&key), 0);
    EXPECT_FALSE(VdIsOpen());
    EXPECT_EQ(GfxGetExitCode(), 9);
    EXPECT_EQ(State().inLoop, 0);
}

TEST_F(DisplayTest, PollThatSeesTheEndReleasesTheDisplay)
{
    OpenDisplay();
    PostQuitMessage(4);
    int key = 0;
    EXPECT_EQ(GfxPollKey(&key), 0);
    EXPECT_FALSE(VdIsOpen());
    EXPECT_EQ(GfxGetExitCode(), 4);
}
