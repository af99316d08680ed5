#include "DocViewTestApp.h"

#include "framework/CommandIds.h"

namespace {

TEST_F(DocViewTest, PaintingDrawsThroughOnDraw)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    CTestView* view = FirstView(a);
    int before = view->m_draws;
    view->SendMessage(WM_PAINT);
    EXPECT_EQ(view->m_draws, before + 1);
}

TEST_F(DocViewTest, ClickedViewBecomesItsFramesActiveView)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(a, nullptr);
    CTestView* view = FirstView(a);
    CFrameWnd* frame = view->GetParentFrame();
    frame->SetActiveView(nullptr, FALSE);
    ASSERT_EQ(frame->GetActiveDocument(), nullptr);
    view->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(Main().m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(frame->GetActiveDocument(), a);
}

// A window that lends its one vertical scroll bar to the panes inside it, as a splitter does.
class CLendingParent : public CWnd, public CScrollBarLender {
public:
    HWND m_bar = nullptr;
    HWND GetPaneScrollBar(int bar, const CWnd*) const override { return bar == SB_VERT ? m_bar : nullptr; }
};

TEST(ViewScrollBarTest, ViewInALendingParentUsesTheSharedBar)
{
    CLendingParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "lender", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    parent.m_bar = ::CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_VERT, 280, 0, 16, 200,
                                     parent.m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent.m_bar, nullptr);
    auto* view = new CTestView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, 280, 200),
                             &parent, AFX_IDW_PANE_FIRST, nullptr));
    EXPECT_EQ(view->GetScrollBarCtrl(SB_VERT), parent.m_bar);
    EXPECT_EQ(view->GetScrollBarCtrl(SB_HORZ), nullptr);

    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 100;
    info.nPage = 10;
    info.nPos = 40;
    view->SetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(::GetScrollPos(parent.m_bar, SB_CTL), 40);
    EXPECT_EQ(view->GetScrollPos(SB_VERT), 40);
    EXPECT_EQ(::GetScrollPos(view->m_hWnd, SB_VERT), 0);
    // The horizontal bar is not lent: the view's own one moves.
    view->SetScrollRange(SB_HORZ, 0, 50);
    view->SetScrollPos(SB_HORZ, 7);
    EXPECT_EQ(::GetScrollPos(view->m_hWnd, SB_HORZ), 7);
    EXPECT_EQ(::GetScrollPos(parent.m_bar, SB_CTL), 40);
    SCROLLINFO read = {};
    ASSERT_TRUE(view->GetScrollInfo(SB_VERT, &read));
    EXPECT_EQ(read.nMax, 100);
    EXPECT_EQ(read.nPage, 10u);
    parent.DestroyWindow();
}

TEST(ViewScrollBarTest, ViewWithoutALenderUsesItsOwnBars)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "plain", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    auto* view = new CTestView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 280, 200), &parent,
                             AFX_IDW_PANE_FIRST, nullptr));
    EXPECT_EQ(view->GetScrollBarCtrl(SB_VERT), nullptr);
    view->SetScrollRange(SB_VERT, 0, 50);
    view->SetScrollPos(SB_VERT, 12);
    EXPECT_EQ(::GetScrollPos(view->m_hWnd, SB_VERT), 12);
    parent.DestroyWindow();
}

} // namespace

namespace {

TEST(ViewLifetimeTest, FramelessViewClosesWithItsDocument)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "plain", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    auto* document = new CTestDoc;
    CCreateContext context;
    context.m_pCurrentDoc = document;
    auto* view = new CTestView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &parent,
                             AFX_IDW_PANE_FIRST, &context));
    ASSERT_EQ(view->GetDocument(), document);
    EXPECT_EQ(view->GetParentFrame(), nullptr);
    HWND viewWindow = view->m_hWnd;
    document->OnCloseDocument();  // destroys the view and deletes the document
    EXPECT_FALSE(::IsWindow(viewWindow));
    parent.DestroyWindow();
}

TEST(ViewLifetimeTest, ViewOutlivingItsDocumentForgetsIt)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "plain", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    auto* document = new CTestDoc;
    document->m_bAutoDelete = FALSE;
    CCreateContext context;
    context.m_pCurrentDoc = document;
    auto* view = new CTestView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &parent,
                             AFX_IDW_PANE_FIRST, &context));
    delete document;
    EXPECT_EQ(view->GetDocument(), nullptr);
    parent.DestroyWindow();
}

} // namespace
