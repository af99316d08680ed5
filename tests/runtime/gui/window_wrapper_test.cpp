#include <gtest/gtest.h>

#include <windows.h>

#include "display_fixture.h"
#include "runtime/源码/图形.h"
#include "runtime/源码/视窗.h"

namespace {

using WindowWrapperTest = DisplayTest;

TEST_F(WindowWrapperTest, PostWithoutWindowReachesTheDisplayWindow)
{
    OpenDisplay();
    ASSERT_TRUE(GfxPostMessage(nullptr, WM_USER + 5, 7, 8));
    MSG message = {};
    ASSERT_TRUE(PeekMessageA(&message, Window(), WM_USER + 5, WM_USER + 5, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_EQ(message.lParam, 8);
}

TEST_F(WindowWrapperTest, ControlFontIsSentOrPosted)
{
    OpenDisplay();
    HWND label = WndCreateLabel(nullptr, "字", 0, 0, 40, 20, 0, 5);
    ASSERT_NE(label, nullptr);
    HFONT sent = CreateFontA(14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    HFONT posted = CreateFontA(18, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    EXPECT_EQ(GfxSetControlFont(label, sent, 1), 1);
    EXPECT_EQ(reinterpret_cast<HFONT>(GfxSendMessage(label, WM_GETFONT, 0, 0)), sent);
    EXPECT_NE(GfxSetControlFont(label, posted, 0), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(GfxSendMessage(label, WM_GETFONT, 0, 0)), sent);
    EXPECT_TRUE(PumpUntil([&] { return reinterpret_cast<HFONT>(GfxSendMessage(label, WM_GETFONT, 0, 0)) == posted; }));
    EXPECT_EQ(GfxSetControlFont(nullptr, sent, 1), 0);
    EXPECT_EQ(GfxSetControlFont(label, nullptr, 1), 0);
    DestroyWindow(label);
    DeleteObject(sent);
    DeleteObject(posted);
}

TEST_F(WindowWrapperTest, DisplayFontAndTextWrappers)
{
    OpenDisplay();
    EXPECT_TRUE(WndSetText(Window(), "标题"));
    EXPECT_EQ(WndGetTextLength(Window()), 4);
    char title[8] = {};
    EXPECT_EQ(WndGetText(Window(), title, sizeof title), 4);
    EXPECT_STREQ(title, "标题");
    EXPECT_NE(GfxGetWindowFont(nullptr), nullptr);
    RECT client = {};
    EXPECT_TRUE(WndGetClientRect(Window(), &client));
    EXPECT_GT(client.right, 0);
}

}  // namespace
