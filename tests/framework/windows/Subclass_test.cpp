#include <gtest/gtest.h>

#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/Wnd.h"
#include "WindowTestSupport.h"

namespace {

// A top-level window to put controls on.
class Host : public CWnd {
public:
    Host() { VERIFY(CreateEx(0, nullptr, "宿主", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr)); }

    void OnButtonClicked() { ++parentClicks; }
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor)
    {
        ++parentColorRequests;
        return CWnd::OnCtlColor(dc, control, ctlColor);
    }

    int parentClicks = 0;
    int parentColorRequests = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Host, CWnd)
    ON_BN_CLICKED(100, OnButtonClicked)
    ON_BN_CLICKED(101, OnButtonClicked)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// An edit control that turns typed lower-case letters into capitals on their way to the
// control's own procedure.
class UpperCaseEdit : public CWnd {
public:
    void PreSubclassWindow() override { ++preSubclassCalls; }
    void OnChar(UINT ch, UINT repeat, UINT flags)
    {
        if (ch >= 'a' && ch <= 'z') {
            DefWindowProc(WM_CHAR, ch - 'a' + 'A', MAKELPARAM(repeat, flags));
            return;
        }
        CWnd::OnChar(ch, repeat, flags);
    }

    int preSubclassCalls = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpperCaseEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

HWND CreateControl(Host& host, LPCTSTR className, LPCTSTR text, DWORD style, int id)
{
    return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 20, host.m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
}

TEST(Subclass, RoutesTheControlsMessagesThroughTheObjectUntilUnsubclassed)
{
    Host host;
    HWND edit = CreateControl(host, "EDIT", "", ES_AUTOHSCROLL, 200);
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_WNDPROC));
    UpperCaseEdit wrapper;
    ASSERT_TRUE(wrapper.SubclassDlgItem(200, &host));
    EXPECT_EQ(wrapper.preSubclassCalls, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &wrapper);

    ::SendMessageA(edit, WM_CHAR, 'a', 1);
    ::SendMessageA(edit, WM_CHAR, '1', 1);
    CString text;
    wrapper.GetWindowText(text);
    EXPECT_STREQ(text, "A1");

    EXPECT_EQ(wrapper.UnsubclassWindow(), edit);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_WNDPROC)), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    ::SendMessageA(edit, WM_CHAR, 'b', 1);
    ::GetWindowTextA(edit, text.GetBuffer(16), 17);
    text.ReleaseBuffer();
    EXPECT_STREQ(text, "A1b");
}

TEST(Subclass, AWindowCanHaveOnlyOneObject)
{
    Host host;
    HWND edit = CreateControl(host, "EDIT", "", 0, 200);
    UpperCaseEdit first;
    UpperCaseEdit second;
    ASSERT_TRUE(first.SubclassWindow(edit));
    EXPECT_FALSE(second.SubclassWindow(edit));
    EXPECT_EQ(second.m_hWnd, nullptr);
}

// A button that handles its own click and colour.
class SelfHandlingButton : public CWnd {
public:
    void OnReflectedClick() { ++clicks; }
    HBRUSH CtlColor(CDC*, UINT ctlColor)
    {
        lastCtlColor = ctlColor;
        return brush;
    }

    int clicks = 0;
    UINT lastCtlColor = 0xFFFF;
    HBRUSH brush = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfHandlingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedClick)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(Reflection, ControlWithAReflectHandlerTakesItsNotificationBeforeTheParent)
{
    Host host;
    HWND reflecting = CreateControl(host, "BUTTON", "自理", BS_PUSHBUTTON, 100);
    HWND plain = CreateControl(host, "BUTTON", "普通", BS_PUSHBUTTON, 101);
    SelfHandlingButton button;
    ASSERT_TRUE(button.SubclassWindow(reflecting));

    host.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), reinterpret_cast<LPARAM>(reflecting));
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(host.parentClicks, 0);

    host.SendMessage(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), reinterpret_cast<LPARAM>(plain));
    EXPECT_EQ(host.parentClicks, 1);
}

TEST(Reflection, ParentsColourHandlerRunsFirstAndItsDefaultAsksTheControl)
{
    Host host;
    HWND reflecting = CreateControl(host, "BUTTON", "自理", BS_PUSHBUTTON, 100);
    SelfHandlingButton button;
    ASSERT_TRUE(button.SubclassWindow(reflecting));
    HDC dc = ::GetDC(reflecting);
    LRESULT brush = host.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(reflecting));
    ::ReleaseDC(reflecting, dc);
    EXPECT_EQ(host.parentColorRequests, 1);
    EXPECT_EQ(button.lastCtlColor, static_cast<UINT>(CTLCOLOR_BTN));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), button.brush);
}

// Objects see their own creation messages; exceptions stay inside the window procedure.
class CreationWatcher : public CWnd {
public:
    int OnCreate(LPCREATESTRUCT cs)
    {
        handleDuringCreate = m_hWnd;
        nameDuringCreate = cs->lpszName;
        return CWnd::OnCreate(cs);
    }
    LRESULT OnNcCreate(WPARAM, LPARAM)
    {
        sawNcCreate = m_hWnd != nullptr;
        return Default();
    }
    LRESULT OnThrow(WPARAM kind, LPARAM)
    {
        if (kind == 0)
            AfxThrowFileException(CFileException::fileNotFound, -1, "甲.txt");
        throw std::runtime_error("broken");
    }
    void PostNcDestroy() override { ++postNcDestroyCalls; }

    HWND handleDuringCreate = nullptr;
    CString nameDuringCreate;
    bool sawNcCreate = false;
    int postNcDestroyCalls = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CreationWatcher, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_NCCREATE, OnNcCreate)
    ON_MESSAGE(WM_APP + 5, OnThrow)
END_MESSAGE_MAP()

TEST(CreationHook, TheObjectSeesItsCreationMessagesAndItsEnd)
{
    CreationWatcher window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "新窗口", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    EXPECT_TRUE(window.sawNcCreate);
    EXPECT_EQ(window.handleDuringCreate, window.m_hWnd);
    EXPECT_STREQ(window.nameDuringCreate, "新窗口");
    HWND hWnd = window.m_hWnd;
    EXPECT_TRUE(window.DestroyWindow());
    EXPECT_EQ(window.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(window.postNcDestroyCalls, 1);
}

TEST(CreationHook, ObjectDestroysTheWindowItOwnsWhenItGoes)
{
    HWND hWnd;
    {
        CreationWatcher window;
        ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        hWnd = window.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(WindowProcedure, ExceptionsBecomeMessageBoxesAndNeverEscape)
{
    CreationWatcher window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ScopedMessageBoxHook boxes;
    window.SendMessage(WM_APP + 5, 0);
    window.SendMessage(WM_APP + 5, 1);
    ASSERT_EQ(boxes.Count(), 2);
    EXPECT_NE(boxes.Boxes()[0].text.Find("甲.txt"), -1);
    EXPECT_STREQ(boxes.Boxes()[1].text, "broken");
}

TEST(HandleMap, ForeignWindowsGetTemporaryWrappersThatNeverDestroyThem)
{
    Host host;
    HWND edit = CreateControl(host, "EDIT", "借用", 0, 300);
    CWnd* temporary = CWnd::FromHandle(edit);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(edit), temporary);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    EXPECT_EQ(host.GetDlgItem(300), temporary);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(edit));

    CWnd attached;
    ASSERT_TRUE(attached.Attach(edit));
    EXPECT_EQ(CWnd::FromHandle(edit), &attached);
    EXPECT_EQ(attached.Detach(), edit);
    EXPECT_TRUE(::IsWindow(edit));
}

TEST(HandleMap, AttachedWindowDestroyedBehindTheObjectsBackLeavesNoStaleEntry)
{
    Host host;
    HWND edit = CreateControl(host, "EDIT", "", 0, 301);
    {
        CWnd attached;
        ASSERT_TRUE(attached.Attach(edit));
        ::DestroyWindow(edit);
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
}

} // namespace
