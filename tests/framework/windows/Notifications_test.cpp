#include <gtest/gtest.h>

#include "framework/Wnd.h"

#include <string>
#include <vector>

namespace {

const UINT kRefreshMessage = ::RegisterWindowMessageA("墨语言刷新");

// A parent with handlers for notifications of several kinds.
class NotifiedParent : public CWnd {
public:
    std::vector<std::string> log;

    void OnItemClick(NMHDR* header, LRESULT* result)
    {
        log.push_back("click " + std::to_string(header->idFrom));
        *result = 5;
    }
    void OnRangeDblClick(UINT id, NMHDR*, LRESULT* result)
    {
        log.push_back("range dblclk " + std::to_string(id));
        *result = 6;
    }
    void OnChangeInRange(UINT id) { log.push_back("change " + std::to_string(id)); }
    void OnSelChange() { log.push_back("selchange"); }
    void OnSwatchClicked() { log.push_back("swatch clicked"); }
    LRESULT OnRefresh(WPARAM wParam, LPARAM)
    {
        log.push_back("refresh " + std::to_string(wParam));
        return 9;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifiedParent, CWnd)
    ON_NOTIFY(NM_CLICK, 10, OnItemClick)
    ON_NOTIFY_RANGE(NM_DBLCLK, 20, 29, OnRangeDblClick)
    ON_CONTROL_RANGE(EN_CHANGE, 30, 39, OnChangeInRange)
    ON_LBN_SELCHANGE(40, OnSelChange)
    ON_STN_CLICKED(50, OnSwatchClicked)
    ON_REGISTERED_MESSAGE(kRefreshMessage, OnRefresh)
END_MESSAGE_MAP()

// A child that answers its own right clicks.
class SelfNotifyingChild : public CWnd {
public:
    int rightClicks = 0;
    void OnReflectedRightClick(NMHDR*, LRESULT* result)
    {
        ++rightClicks;
        *result = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfNotifyingChild, CWnd)
    ON_NOTIFY_REFLECT(NM_RCLICK, OnReflectedRightClick)
END_MESSAGE_MAP()

class NotificationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
        ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 10));
    }

    LRESULT Notify(UINT id, int code)
    {
        NMHDR header = {child.m_hWnd, id, static_cast<UINT>(code)};
        return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    }

    NotifiedParent parent;
    SelfNotifyingChild child;
};

TEST_F(NotificationsTest, NotifyHandlersGetTheHeaderAndSetTheResult)
{
    EXPECT_EQ(Notify(10, NM_CLICK), 5);
    EXPECT_EQ(Notify(25, NM_DBLCLK), 6);
    EXPECT_EQ(Notify(30, NM_DBLCLK), 0) << "outside the range";
    EXPECT_EQ(Notify(11, NM_CLICK), 0) << "another control";
    EXPECT_EQ(parent.log, (std::vector<std::string>{"click 10", "range dblclk 25"}));
}

TEST_F(NotificationsTest, ReflectedNotifyIsTheChildsAlone)
{
    EXPECT_EQ(Notify(10, NM_RCLICK), 7);
    EXPECT_EQ(child.rightClicks, 1);
    EXPECT_TRUE(parent.log.empty());
}

TEST_F(NotificationsTest, ControlRangesAndRegisteredMessages)
{
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(33, EN_CHANGE), reinterpret_cast<LPARAM>(child.m_hWnd));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(33, EN_UPDATE), reinterpret_cast<LPARAM>(child.m_hWnd));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(40, LBN_SELCHANGE), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(parent.SendMessage(kRefreshMessage, 3), 9);
    EXPECT_EQ(parent.log, (std::vector<std::string>{"change 33", "selchange", "refresh 3"}));
}

// A colour swatch is a static with SS_NOTIFY: a click on it reaches the parent's map once.
TEST_F(NotificationsTest, ClickOnANotifyingStaticReachesItsClickedHandler)
{
    HWND swatch = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 20, 20, 30, 20, parent.m_hWnd,
                                    reinterpret_cast<HMENU>(50), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(swatch, nullptr);
    ::SendMessageA(swatch, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(swatch, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(50, STN_DBLCLK), reinterpret_cast<LPARAM>(swatch));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(51, STN_CLICKED), reinterpret_cast<LPARAM>(swatch));
    EXPECT_EQ(parent.log, (std::vector<std::string>{"swatch clicked"}));
}

} // namespace
