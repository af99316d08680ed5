#include <gtest/gtest.h>

#include "framework/CmdUI.h"
#include "framework/Menu.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "WindowTestResources.h"
#include "WindowTestSupport.h"

namespace {

// The last target of the route.
class RoutingApp : public CWinApp {
public:
    RoutingApp() : CWinApp("RoutingApp") {}
    CallLog log;

    void OnAppCommand() { log.push_back("app"); }
    void OnUpdateApp(CCmdUI* ui) { ui->SetCheck(1); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingApp, CWinApp)
    ON_COMMAND(ID_APP_COMMAND, OnAppCommand)
    ON_UPDATE_COMMAND_UI(ID_APP_COMMAND, OnUpdateApp)
END_MESSAGE_MAP()

class RoutingView : public CWnd {
public:
    explicit RoutingView(CallLog& log) : m_log(log) {}

    void OnViewCommand() { m_log.push_back("view"); }
    // The view sees the frame's command first but lets it through.
    void OnUpdateFrame(CCmdUI* ui) { ui->ContinueRouting(); }
    void OnRange(UINT id) { m_log.push_back("range " + std::to_string(id - ID_RANGE_FIRST)); }
    void OnUpdateRange(CCmdUI* ui) { ui->Enable(ui->m_nID % 2 == 1); }
    LRESULT OnIdleUpdateMessage(WPARAM, LPARAM)
    {
        ++idleUpdates;
        return 0;
    }

    int idleUpdates = 0;

private:
    CallLog& m_log;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingView, CWnd)
    ON_COMMAND(ID_VIEW_COMMAND, OnViewCommand)
    ON_UPDATE_COMMAND_UI(ID_FRAME_COMMAND, OnUpdateFrame)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnUpdateRange)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateMessage)
END_MESSAGE_MAP()

// A top-level window that routes commands as frames do: active view, itself, application.
class RoutingFrame : public CWnd {
public:
    explicit RoutingFrame(CallLog& log) : m_log(log), view(log) {}

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override
    {
        if (view.m_hWnd != nullptr && view.OnCmdMsg(id, code, extra, info))
            return TRUE;
        if (CWnd::OnCmdMsg(id, code, extra, info))
            return TRUE;
        CWinApp* app = AfxGetApp();
        return app != nullptr && app->OnCmdMsg(id, code, extra, info);
    }

    void OnFrameCommand() { m_log.push_back("frame"); }
    void OnDisabledCommand() { m_log.push_back("disabled ran"); }
    void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(FALSE); }
    void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
    void OnUpdateRadio(CCmdUI* ui) { ui->SetRadio(TRUE); }
    void OnUpdateRenamed(CCmdUI* ui) { ui->SetText("新名字"); }
    void OnUpdateSubmenu(CCmdUI* ui) { ui->Enable(FALSE); }

    CallLog& m_log;
    RoutingView view;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingFrame, CWnd)
    ON_COMMAND(ID_FRAME_COMMAND, OnFrameCommand)
    ON_COMMAND(ID_DISABLED_COMMAND, OnDisabledCommand)
    ON_UPDATE_COMMAND_UI(ID_DISABLED_COMMAND, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_CHECKED_COMMAND, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_RADIO_COMMAND, OnUpdateRadio)
    ON_UPDATE_COMMAND_UI(ID_RENAMED_COMMAND, OnUpdateRenamed)
    ON_UPDATE_COMMAND_UI(ID_FIRST_IN_SUBMENU, OnUpdateSubmenu)
END_MESSAGE_MAP()

class CommandRoutingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "路由", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
        ASSERT_TRUE(frame.view.Create(nullptr, "视图", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &frame, 1));
        ASSERT_TRUE(menu.LoadMenu(IDR_ROUTE_MENU));
        frame.SetMenu(&menu);
        app.m_pMainWnd = &frame;
    }
    void TearDown() override
    {
        frame.SetMenu(nullptr);
        frame.DestroyWindow();
    }

    // Sends a menu command as a click on the item does.
    void Command(UINT id) { frame.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    HMENU Popup() { return ::GetSubMenu(menu.GetSafeHmenu(), 0); }

    UINT ItemState(UINT id) { return ::GetMenuState(Popup(), id, MF_BYCOMMAND); }

    void OpenPopup() { frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Popup()), MAKELPARAM(0, FALSE)); }

    RoutingApp app;
    RoutingFrame frame{app.log};
    CMenu menu;
};

TEST_F(CommandRoutingTest, EachCommandReachesTheFirstTargetOnTheRouteThatHandlesIt)
{
    const struct {
        UINT id;
        const char* handler;
    } cases[] = {
        {ID_VIEW_COMMAND, "view"},
        {ID_FRAME_COMMAND, "frame"},
        {ID_APP_COMMAND, "app"},
        {ID_RANGE_FIRST + 3, "range 3"},
    };
    for (const auto& c : cases) {
        app.log.clear();
        Command(c.id);
        ASSERT_EQ(app.log.size(), 1u) << c.handler;
        EXPECT_EQ(app.log[0], c.handler);
    }
}

TEST_F(CommandRoutingTest, MenuCommandDisabledByItsUpdateHandlerDoesNotRun)
{
    Command(ID_DISABLED_COMMAND);
    EXPECT_TRUE(app.log.empty());
    // A command on a range whose update handler disables it neither runs.
    Command(ID_RANGE_FIRST + 2);
    EXPECT_TRUE(app.log.empty());
}

TEST_F(CommandRoutingTest, OpeningThePopupUpdatesItsItemsThroughTheRoute)
{
    OpenPopup();
    EXPECT_EQ(ItemState(ID_VIEW_COMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(ItemState(ID_FRAME_COMMAND) & MF_GRAYED, 0u) << "the view's update handler let it through";
    EXPECT_EQ(ItemState(ID_APP_COMMAND) & (MF_GRAYED | MF_CHECKED), static_cast<UINT>(MF_CHECKED));
    EXPECT_NE(ItemState(ID_NOBODY_COMMAND) & MF_GRAYED, 0u) << "no handler anywhere on the route";
    EXPECT_NE(ItemState(ID_DISABLED_COMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(ItemState(ID_CHECKED_COMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(ItemState(ID_RANGE_FIRST + 3) & MF_GRAYED, 0u) << "the range's update handler enables odd ids";

    MENUITEMINFOA radio = {};
    radio.cbSize = sizeof radio;
    radio.fMask = MIIM_FTYPE | MIIM_STATE;
    ASSERT_TRUE(::GetMenuItemInfoA(Popup(), ID_RADIO_COMMAND, FALSE, &radio));
    EXPECT_NE(radio.fType & MFT_RADIOCHECK, 0u);
    EXPECT_NE(radio.fState & MFS_CHECKED, 0u);

    char text[64] = {};
    ::GetMenuStringA(Popup(), ID_RENAMED_COMMAND, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "新名字");
}

TEST_F(CommandRoutingTest, SubmenuItemIsNeverDisabledForItsFirstCommand)
{
    OpenPopup();
    int last = ::GetMenuItemCount(Popup()) - 1;
    EXPECT_EQ(::GetMenuState(Popup(), last, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST_F(CommandRoutingTest, IdleTimeUpdatesTheMainWindowsDescendants)
{
    frame.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(app.OnIdle(0)) << "more idle time wanted after the updates";
    EXPECT_EQ(frame.view.idleUpdates, 1);
    EXPECT_FALSE(app.OnIdle(1));
}

// Pre-translation order: the application, then the target and each parent up to the
// top-level window; whoever takes the message ends the walk and it is not dispatched.
class LoggingWindow : public CWnd {
public:
    LoggingWindow(CallLog& log, const char* name, bool takes) : m_log(log), m_name(name), m_takes(takes) {}
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message != WM_KEYDOWN)
            return FALSE;
        m_log.push_back(m_name);
        return m_takes;
    }
    void OnKeyDown(UINT, UINT, UINT) { m_log.push_back(std::string(m_name) + " dispatched"); }

private:
    CallLog& m_log;
    const char* m_name;
    bool m_takes;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LoggingWindow, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class LoggingApp : public CWinApp {
public:
    explicit LoggingApp(CallLog& log) : m_log(log) {}
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            m_log.push_back("app");
        return CWinApp::PreTranslateMessage(msg);
    }

private:
    CallLog& m_log;
};

TEST(PreTranslateMessage, WalksFromTheTargetUpToTheTopLevelWindowAfterTheApplication)
{
    for (bool frameTakes : {false, true}) {
        CallLog log;
        LoggingApp app(log);
        LoggingWindow frame(log, "frame", frameTakes);
        LoggingWindow pane(log, "pane", false);
        LoggingWindow editor(log, "editor", false);
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "框架", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 200, 100), &frame, 1));
        ASSERT_TRUE(editor.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 100, 50), &pane, 2));
        PumpPending();
        editor.PostMessage(WM_KEYDOWN, VK_F3, 1);
        PumpPending();
        CallLog expected = {"app", "editor", "pane", "frame"};
        if (!frameTakes)
            expected.push_back("editor dispatched");
        EXPECT_EQ(log, expected) << "frame takes: " << frameTakes;
        frame.DestroyWindow();
    }
}

TEST(PreTranslateMessage, ThreadMessagesReachTheApplication)
{
    class ThreadMessageApp : public CWinApp {
    public:
        BOOL PreTranslateMessage(MSG* msg) override
        {
            if (msg->hwnd == nullptr && msg->message == WM_USER + 1) {
                ++received;
                return TRUE;
            }
            return CWinApp::PreTranslateMessage(msg);
        }
        int received = 0;
    } app;
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 1, 0, 0);
    PumpPending();
    EXPECT_EQ(app.received, 1);
}

TEST(CWinAppRun, PumpsUntilQuitAndReturnsTheExitCode)
{
    class QuittingApp : public CWinApp {
    public:
        BOOL OnIdle(LONG count) override
        {
            ++idleCalls;
            if (count == 0)
                ::PostQuitMessage(7);
            return CWinApp::OnIdle(count);
        }
        int idleCalls = 0;
    } app;
    EXPECT_EQ(app.Run(), 7);
    EXPECT_GE(app.idleCalls, 1);
}

} // namespace
