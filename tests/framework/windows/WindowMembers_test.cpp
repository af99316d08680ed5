#include <gtest/gtest.h>

#include "framework/Wnd.h"
#include "WindowTestSupport.h"
#include "wait.h"

namespace {

// A window that adjusts its creation parameters, or refuses to be created.
class ShapedWindow : public CWnd {
public:
    bool refuse = false;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        if (refuse)
            return FALSE;
        cs.style |= WS_BORDER;
        cs.cx = 123;
        return CWnd::PreCreateWindow(cs);
    }
    void OnTimer(UINT_PTR id)
    {
        ticks.push_back(id);
        KillTimer(id);
    }
    std::vector<UINT_PTR> ticks;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ShapedWindow, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(WindowMembers, PreCreateWindowShapesOrRefusesTheWindow)
{
    ShapedWindow shaped;
    ASSERT_TRUE(shaped.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    EXPECT_NE(shaped.GetStyle() & WS_BORDER, 0u);
    CRect rect;
    shaped.GetWindowRect(rect);
    EXPECT_EQ(rect.Width(), 123);

    ShapedWindow refused;
    refused.refuse = true;
    EXPECT_FALSE(refused.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    EXPECT_EQ(refused.m_hWnd, nullptr);
}

TEST(WindowMembers, TimersArriveThroughTheMessagePump)
{
    ShapedWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(window.SetTimer(32781, 1), 32781u);
    WaitUntil([&] {
        PumpPending();
        return !window.ticks.empty();
    });
    EXPECT_EQ(window.ticks, std::vector<UINT_PTR>{32781});
}

TEST(WindowMembers, WindowTextOfAnyLengthComesBackWhole)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CString longText;
    for (int i = 0; i < 3000; ++i)
        longText += "墨";
    for (const CString& text : {CString(), CString("中文ABC"), longText}) {
        window.SetWindowText(text);
        CString read;
        window.GetWindowText(read);
        EXPECT_EQ(read.GetLength(), text.GetLength());
        EXPECT_TRUE(read == text);
    }
    char small[5];
    window.SetWindowText("一二三");
    EXPECT_EQ(window.GetWindowText(small, sizeof small), 4) << "cut to the buffer";
    EXPECT_EQ(window.GetWindowText(nullptr, 10), 0);
}

TEST(WindowMembers, ScrollLimitAllowsForThePage)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr));
    const struct {
        int max;
        UINT page;
        int limit;
    } cases[] = {{99, 0, 99}, {99, 1, 99}, {99, 10, 90}, {9, 20, 0}};
    for (const auto& c : cases) {
        SCROLLINFO info = {};
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMin = 0;
        info.nMax = c.max;
        info.nPage = c.page;
        window.SetScrollInfo(SB_VERT, &info);
        EXPECT_EQ(window.GetScrollLimit(SB_VERT), c.limit) << c.max << " " << c.page;
    }
}

TEST(WindowMembers, RelativesAndStyles)
{
    CWnd top;
    CWnd middle;
    CWnd leaf;
    ASSERT_TRUE(top.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr));
    ASSERT_TRUE(middle.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 200, 200), &top, 1));
    ASSERT_TRUE(leaf.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 40, 20), &middle, 2));
    EXPECT_EQ(leaf.GetTopLevelParent(), &top);
    EXPECT_EQ(leaf.GetParent(), &middle);
    EXPECT_EQ(middle.GetDlgItem(2), &leaf);
    EXPECT_TRUE(top.IsChild(&leaf));

    EXPECT_TRUE(leaf.ModifyStyle(0, WS_BORDER));
    EXPECT_FALSE(leaf.ModifyStyle(0, WS_BORDER)) << "nothing changed";

    leaf.CenterWindow();
    CRect rect;
    leaf.GetWindowRect(rect);
    middle.ScreenToClient(rect);
    EXPECT_EQ(rect, CRect(80, 90, 120, 110));
}

} // namespace
