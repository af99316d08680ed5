#include "editor/inputaids/PromptListDlg.h"
#include "editor/res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Stands in for the editor view: records the keys and accepted entries the popup posts.
class FakeView : public CWnd {
public:
    struct Posted {
        UINT message;
        std::string text;  // the insert text of an accepted entry
        LPARAM lParam;
    };
    std::vector<Posted> posted;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kPromptAcceptMessage)
            posted.push_back({message, reinterpret_cast<const char*>(wParam), lParam});
        else if (message == WM_KEYDOWN)
            posted.push_back({message, "", (LPARAM)wParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void PumpPosted()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
}

class PromptPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(view.CreateEx(0, nullptr, "视图", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                  nullptr, nullptr));
        ASSERT_TRUE(popup.Create(&view));
        const char* lines[] = {"0 如果 如果（）:2 rg:*", "1 日期 日期类型 rq", "2 返回 \"返回 ;\" rq"};
        for (const char* line : lines)
            popup.Tables().AddLine(0, line, strlen(line), 0);
    }
    void TearDown() override
    {
        popup.DestroyWindow();
        view.DestroyWindow();
    }
    void Tick(int count)
    {
        for (int i = 0; i < count; ++i)
            popup.SendMessage(WM_TIMER, kPromptTimerId, 0);
    }
    // Feeds a key through the popup's filter as the message loop does; true when kept.
    bool Key(UINT virtualKey)
    {
        MSG msg{popup.GetDlgItem(IDC_PROMPT_LIST)->GetSafeHwnd(), WM_KEYDOWN, virtualKey, 0};
        bool kept = popup.PreTranslateMessage(&msg);
        PumpPosted();
        return kept;
    }
    std::vector<CString> Lines()
    {
        std::vector<CString> lines;
        HWND list = popup.GetDlgItem(IDC_PROMPT_LIST)->GetSafeHwnd();
        char text[256];
        for (int i = 0; i < (int)::SendMessage(list, LB_GETCOUNT, 0, 0); ++i) {
            ::SendMessage(list, LB_GETTEXT, i, (LPARAM)text);
            lines.push_back(text);
        }
        return lines;
    }

    FakeView view;
    CPromptListDlg popup;
};

} // namespace

TEST(PromptPopupPlacementTest, KeepsClearOfTheRightEdge)
{
    struct Case {
        POINT caret;
        POINT expected;
    };
    const Case cases[] = {{{100, 40}, {100, 40}}, {{1110, 40}, {1110, 40}}, {{1200, 40}, {1110, 40}}};
    for (const Case& c : cases) {
        POINT at = PlacePromptPopup(c.caret, 1280);
        EXPECT_EQ(c.expected.x, at.x);
        EXPECT_EQ(c.expected.y, at.y);
    }
}

TEST_F(PromptPopupTest, ShowsAfterTheDelayAndEnterSendsTheEntryToTheView)
{
    popup.ShowFor(POINT{50, 60}, "rg", 0, &view);
    EXPECT_EQ((std::vector<CString>{"☆ 如果"}), Lines());
    Tick(7);
    EXPECT_FALSE(popup.IsWindowVisible());
    Tick(1);
    EXPECT_TRUE(popup.IsWindowVisible()) << "shown when the popup delay is reached";
    RECT rect;
    popup.GetWindowRect(&rect);
    EXPECT_EQ(50, rect.left);
    EXPECT_EQ(60, rect.top);

    EXPECT_TRUE(Key(VK_RETURN));
    ASSERT_EQ(1u, view.posted.size());
    EXPECT_EQ(kPromptAcceptMessage, view.posted[0].message);
    EXPECT_EQ("如果（）", view.posted[0].text);
    EXPECT_EQ(2, view.posted[0].lParam);
    Tick(1);
    EXPECT_FALSE(popup.IsWindowVisible());
}

TEST_F(PromptPopupTest, ArrowsSelectSpaceAcceptsAfterItsDelayAndCloseKeysHide)
{
    popup.ShowFor(POINT{0, 0}, "rq", 0, &view);
    EXPECT_EQ((std::vector<CString>{"⊙ 日期", "◆ 返回"}), Lines());
    Tick(8);
    Key(VK_DOWN);
    EXPECT_EQ(1, (int)::SendMessage(popup.GetDlgItem(IDC_PROMPT_LIST)->GetSafeHwnd(), LB_GETCURSEL, 0, 0))
        << "the list moves its own selection";
    EXPECT_TRUE(popup.State().SpaceSelects()) << "Down restarts at the popup delay: Space accepts at once";
    EXPECT_TRUE(Key(VK_SPACE));
    ASSERT_EQ(1u, view.posted.size());
    EXPECT_EQ("返回 ;", view.posted[0].text);

    view.posted.clear();
    popup.ShowFor(POINT{0, 0}, "rq", 0, &view);
    Tick(8);
    EXPECT_TRUE(Key(VK_SPACE)) << "before its delay Space closes and goes to the view";
    EXPECT_TRUE(Key(VK_ESCAPE));
    EXPECT_TRUE(Key(VK_BACK));
    ASSERT_EQ(2u, view.posted.size());
    EXPECT_EQ((LPARAM)VK_SPACE, view.posted[0].lParam);
    EXPECT_EQ((LPARAM)VK_BACK, view.posted[1].lParam) << "Esc is not passed on";
    Tick(1);
    EXPECT_FALSE(popup.IsWindowVisible());
}

TEST_F(PromptPopupTest, HidesAtTheTimeOutAndWhenNothingMatches)
{
    popup.ShowFor(POINT{0, 0}, "rg", 0, &view);
    Tick(39);
    EXPECT_TRUE(popup.IsWindowVisible());
    Tick(1);
    EXPECT_FALSE(popup.IsWindowVisible());
    EXPECT_FALSE(popup.State().TimerRunning());

    popup.ShowFor(POINT{0, 0}, "rg", 0, &view);
    Tick(8);
    popup.ShowFor(POINT{0, 0}, "xyz", 0, &view);
    Tick(1);
    EXPECT_FALSE(popup.IsWindowVisible());
}
