#include "DocViewTestApp.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"

#include <commctrl.h>

namespace {

CString WindowText(CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return text;
}

MSG KeyDown(HWND target, UINT key)
{
    MSG msg = {};
    msg.hwnd = target;
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    msg.lParam = 1;
    return msg;
}

TEST_F(DocViewTest, MainFrameComesFromItsResourceWithMenuAcceleratorsIconAndTitle)
{
    EXPECT_STREQ(Main().GetTitle(), "墨测试");
    EXPECT_STREQ(WindowText(Main()), "墨测试");
    EXPECT_NE(Main().GetDefaultMenu(), nullptr);
    EXPECT_EQ(::GetMenu(Main().m_hWnd), Main().GetDefaultMenu());
    EXPECT_NE(Main().GetAccelerators(), nullptr);
    EXPECT_NE(::GetClassLongPtrA(Main().m_hWnd, GCLP_HICON), 0u);
    ASSERT_NE(Main().m_hWndMDIClient, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(Main().m_hWndMDIClient), static_cast<int>(AFX_IDW_PANE_FIRST));
}

TEST_F(DocViewTest, TwoDocumentsInTwoChildrenActivateAndClose)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    CTestDoc* b = Open(WriteDoc("b.tdoc", "b"));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    CMDIChildWnd* frameA = FrameOf(a);
    CMDIChildWnd* frameB = FrameOf(b);
    ASSERT_NE(frameA, frameB);
    EXPECT_EQ(Main().MDIGetActive(), frameB);
    EXPECT_EQ(Main().GetActiveDocument(), b);
    EXPECT_EQ(Main().GetActiveFrame(), frameB);
    // While a child is active the frame shows the template's menu.
    EXPECT_EQ(::GetMenu(Main().m_hWnd), m_app->m_template->m_hMenuShared);
    EXPECT_STREQ(WindowText(Main()), "b.tdoc - 墨测试");

    // The window menu lists both children.
    HMENU windowMenu = ::GetSubMenu(::GetMenu(Main().m_hWnd), 2);
    int items = ::GetMenuItemCount(windowMenu);
    ASSERT_GE(items, 4);
    EXPECT_EQ(::GetMenuItemID(windowMenu, items - 2), AFX_IDM_FIRST_MDICHILD);
    EXPECT_EQ(::GetMenuItemID(windowMenu, items - 1), AFX_IDM_FIRST_MDICHILD + 1);

    Main().MDINext();
    EXPECT_EQ(Main().MDIGetActive(), frameA);
    EXPECT_EQ(Main().GetActiveDocument(), a);
    EXPECT_STREQ(WindowText(Main()), "a.tdoc - 墨测试");

    Main().MDIActivate(frameB);
    EXPECT_EQ(Main().MDIGetActive(), frameB);
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_EQ(Main().MDIGetActive(), frameA);
    EXPECT_EQ(Main().GetActiveDocument(), a);

    Command(ID_FILE_CLOSE);
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
    EXPECT_EQ(::GetMenu(Main().m_hWnd), Main().GetDefaultMenu());
    EXPECT_STREQ(WindowText(Main()), "墨测试");
}

TEST_F(DocViewTest, MaximisedChildKeepsNewChildrenMaximised)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    FrameOf(a)->MDIMaximize();
    BOOL maximized = FALSE;
    EXPECT_EQ(Main().MDIGetActive(&maximized), FrameOf(a));
    EXPECT_TRUE(maximized);

    CTestDoc* b = Open(WriteDoc("b.tdoc", "b"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(Main().MDIGetActive(&maximized), FrameOf(b));
    EXPECT_TRUE(maximized);
    EXPECT_TRUE(FrameOf(b)->IsZoomed());

    FrameOf(b)->MDIRestore();
    Main().MDIGetActive(&maximized);
    EXPECT_FALSE(maximized);
}

TEST_F(DocViewTest, ChildTakesAPlacement)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = {10, 20, 310, 220};
    FrameOf(a)->SetWindowPlacement(&placement);
    WINDOWPLACEMENT read = {};
    read.length = sizeof read;
    FrameOf(a)->GetWindowPlacement(&read);
    EXPECT_EQ(read.rcNormalPosition.left, 10);
    EXPECT_EQ(read.rcNormalPosition.bottom, 220);
}

TEST_F(DocViewTest, ViewFillsItsChildFrame)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    CRect frameClient;
    FrameOf(a)->GetClientRect(&frameClient);
    CRect viewRect;
    FirstView(a)->GetWindowRect(&viewRect);
    EXPECT_EQ(viewRect.Width(), frameClient.Width());
    EXPECT_EQ(viewRect.Height(), frameClient.Height());
    EXPECT_EQ(FrameOf(a)->GetActiveView(), FirstView(a));
}

TEST_F(DocViewTest, AcceleratorsOfTheActiveChildsTemplateAndOfTheFrame)
{
    MSG documentKey = KeyDown(Main().m_hWnd, VK_F7);
    EXPECT_FALSE(Main().PreTranslateMessage(&documentKey));  // no child: no template keys

    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    HandledBy().clear();
    documentKey.hwnd = FirstView(a)->m_hWnd;
    EXPECT_TRUE(Main().PreTranslateMessage(&documentKey));
    MSG frameKey = KeyDown(FirstView(a)->m_hWnd, VK_F8);
    EXPECT_TRUE(Main().PreTranslateMessage(&frameKey));
    EXPECT_EQ(HandledBy(), (std::vector<std::string>{"document", "main frame"}));
    MSG childKey = KeyDown(FirstView(a)->m_hWnd, VK_F7);
    EXPECT_FALSE(FrameOf(a)->PreTranslateMessage(&childKey));
}

TEST_F(DocViewTest, KeysPostedToAViewReachTheFrameAcceleratorsThroughThePump)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    HandledBy().clear();
    FirstView(a)->PostMessage(WM_KEYDOWN, VK_F7, 1);
    FirstView(a)->PostMessage(WM_KEYDOWN, VK_F8, 1);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    EXPECT_EQ(HandledBy(), (std::vector<std::string>{"document", "main frame"}));
}

TEST_F(DocViewTest, MdiSystemKeysCycleTheChildren)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    CTestDoc* b = Open(WriteDoc("b.tdoc", "b"));
    ASSERT_NE(b, nullptr);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG next = KeyDown(FirstView(b)->m_hWnd, VK_F6);
    BOOL translated = Main().PreTranslateMessage(&next);
    keys[VK_CONTROL] = saved;
    ::SetKeyboardState(keys);
    ASSERT_TRUE(translated);
    // The system command arrives posted.
    MSG pending;
    while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&pending);
        ::DispatchMessageA(&pending);
    }
    EXPECT_EQ(Main().MDIGetActive(), FrameOf(a));
}

TEST_F(DocViewTest, StatusLineShowsTheCommandPromptWhileAMenuItemIsSelected)
{
    HWND statusBar = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Main().m_hWnd,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_STATUS_BAR)),
                                       ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(statusBar, nullptr);
    auto statusText = [&] {
        char text[256] = {};
        ::SendMessageA(statusBar, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return CString(text);
    };
    HMENU menu = ::GetMenu(Main().m_hWnd);
    Main().SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_VIEW_COMMAND, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_STREQ(statusText(), "执行视图命令");
    Main().SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_DOC_COMMAND, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_STREQ(statusText(), "执行文档命令");
    Main().SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_STREQ(statusText(), "Ready");
    CString prompt;
    Main().GetMessageString(ID_TEST_VIEW_COMMAND, prompt);
    EXPECT_STREQ(prompt, "执行视图命令");
}

// A bar that takes 30 pixels from the bottom of the room it is offered.
class BottomBar : public CWnd {
public:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        layout->rect.bottom -= 30;
        if (layout->hDWP != nullptr)
            layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, layout->rect.left, layout->rect.bottom,
                                            layout->rect.right - layout->rect.left, 30, SWP_NOZORDER);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BottomBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

TEST_F(DocViewTest, LayoutLeavesRoomForControlBars)
{
    BottomBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &Main(), AFX_IDW_STATUS_BAR));
    Main().RecalcLayout();
    CRect client;
    Main().GetClientRect(&client);
    CRect mdiClient;
    ::GetWindowRect(Main().m_hWndMDIClient, &mdiClient);
    Main().ScreenToClient(&mdiClient);
    EXPECT_EQ(mdiClient.top, client.top);
    EXPECT_EQ(mdiClient.bottom, client.bottom - 30);
    CRect barRect;
    bar.GetWindowRect(&barRect);
    Main().ScreenToClient(&barRect);
    EXPECT_EQ(barRect.top, client.bottom - 30);
    bar.DestroyWindow();
}

TEST_F(DocViewTest, ClosingTheMainFrameAsksForModifiedDocumentsAndCancelKeepsIt)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    a->SetModifiedFlag();
    HWND main = Main().m_hWnd;
    ScopedMessageBoxHook boxes{IDCANCEL};
    Main().SendMessage(WM_CLOSE);
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_TRUE(::IsWindow(main));
    EXPECT_EQ(DocumentCount(), 1);
}

TEST_F(DocViewTest, ChildrenDestroyedThroughTheMdiClientCloseTheirDocumentsAndLeaveTheCaption)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    CTestDoc* b = Open(WriteDoc("b.tdoc", "b"));
    ASSERT_NE(b, nullptr);
    FrameOf(b)->MDIDestroy();
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_EQ(Main().MDIGetActive(), FrameOf(a));
    EXPECT_STREQ(WindowText(Main()), "a.tdoc - 墨测试");

    // The caption named the closed document after the last child went this way.
    FrameOf(a)->MDIDestroy();
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
    EXPECT_EQ(::GetMenu(Main().m_hWnd), Main().GetDefaultMenu());
    EXPECT_STREQ(WindowText(Main()), "墨测试");
}

// A view that maximises its frame on its initial update, before the frame first shows.
class CMaximisingView : public CTestView {
    DECLARE_DYNCREATE(CMaximisingView)

public:
    void OnInitialUpdate() override
    {
        CTestView::OnInitialUpdate();
        static_cast<CMDIChildWnd*>(GetParentFrame())->MDIMaximize();
    }
};

IMPLEMENT_DYNCREATE(CMaximisingView, CTestView)

TEST_F(DocViewTest, ChildMaximisedByItsViewsInitialUpdateShowsMaximisedAndActive)
{
    CMultiDocTemplate docTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                                  RUNTIME_CLASS(CMaximisingView));
    docTemplate.LoadTemplate();
    for (const char* name : {"a.tdoc", "b.tdoc"}) {
        CDocument* document = docTemplate.OpenDocumentFile(WriteDoc(name, "x"));
        ASSERT_NE(document, nullptr);
        BOOL maximized = FALSE;
        EXPECT_EQ(Main().MDIGetActive(&maximized), FrameOf(document));
        EXPECT_TRUE(maximized);
        EXPECT_TRUE(FrameOf(document)->IsZoomed());
        EXPECT_NE(FrameOf(document)->GetStyle() & WS_VISIBLE, 0u);
        EXPECT_EQ(Main().GetActiveDocument(), document);
    }
    docTemplate.CloseAllDocuments(TRUE);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
}

// A child frame whose view sits inside a pane that carries the first-pane id itself, as the
// panes of a splitter do.
class CPaneFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CPaneFrame)

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override
    {
        if (!m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), this, AFX_IDW_PANE_FIRST,
                           nullptr))
            return FALSE;
        auto* view = dynamic_cast<CWnd*>(context->m_pNewViewClass->CreateObject());
        return view != nullptr && view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100),
                                               &m_pane, AFX_IDW_PANE_FIRST, context);
    }

    CWnd m_pane;
};

IMPLEMENT_DYNCREATE(CPaneFrame, CMDIChildWnd)

TEST_F(DocViewTest, ViewInsideAPaneWithThePaneIdBecomesTheActiveView)
{
    // The pane was taken for the first view: the frame had no active view and commands
    // never reached the view or its document.
    CMultiDocTemplate docTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CPaneFrame),
                                  RUNTIME_CLASS(CTestView));
    docTemplate.LoadTemplate();
    CDocument* document = docTemplate.OpenDocumentFile(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(FrameOf(document)->GetActiveView(), FirstView(document));
    EXPECT_EQ(FirstView(document)->m_initialUpdates, 1);
    EXPECT_EQ(Main().GetActiveDocument(), document);
    EXPECT_STREQ(WindowText(Main()), "a.tdoc - 墨测试");
    HandledBy().clear();
    Command(ID_TEST_VIEW_COMMAND);
    Command(ID_TEST_DOC_COMMAND);
    EXPECT_EQ(HandledBy(), (std::vector<std::string>{"view", "document"}));
    docTemplate.CloseAllDocuments(TRUE);
}

} // namespace
