#include "ShellWindowsTestFrame.h"
#include "editor/res/resource.h"

BEGIN_MESSAGE_MAP(CShellTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_RANGE(ID_DIR_OPEN, ID_PROJECT_RENAME_ITEM, OnBarCommand)
    ON_COMMAND_RANGE(ID_WORKSPACE_SYNC, ID_OUTPUT_NEXT, OnBarCommand)
END_MESSAGE_MAP()

int CShellTestFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndPane.Create(this, 160, 120, kPaneBarId, WS_CHILD | WS_VISIBLE | CBRS_LEFT))
        return -1;
    m_wndPane.SetWindowText("工作区");
    m_wndPane.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndPane, AFX_IDW_DOCKBAR_LEFT);
    m_wndOutput.SetHost(&m_outputHost);
    if (!m_wndOutput.Create(this, 640, 100, kOutputBarId, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM))
        return -1;
    m_wndOutput.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndOutput, AFX_IDW_DOCKBAR_BOTTOM);
    if (!m_wndWorkspace.Create(this, 180, 300, kWorkspaceBarId, WS_CHILD | WS_VISIBLE | CBRS_RIGHT))
        return -1;
    m_wndWorkspace.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndWorkspace, AFX_IDW_DOCKBAR_RIGHT);
    if (!m_wndClient.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                              AFX_IDW_PANE_FIRST))
        return -1;
    RecalcLayout();
    return 0;
}

namespace {

// The middle of the bar's sizing edge, on the screen.
CPoint EdgeMiddle(CDockingPaneBar& bar)
{
    CRect window;
    bar.GetWindowRect(&window);
    CRect edge = bar.GetEdgeRect();
    return window.TopLeft() + edge.CenterPoint();
}

// Presses the left button on the bar's edge, moves by delta and lets go there, as the mouse
// would: the press arrives in the non-client area, the rest at the captured client area.
void DragEdge(CDockingPaneBar& bar, CSize delta)
{
    CPoint from = EdgeMiddle(bar);
    LRESULT hit = bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(from.x, from.y));
    ASSERT_EQ(hit, HTSIZE);
    bar.SendMessage(WM_NCLBUTTONDOWN, hit, MAKELPARAM(from.x, from.y));
    ASSERT_TRUE(bar.IsTracking());
    CPoint to = from + delta;
    bar.ScreenToClient(&to);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_FALSE(bar.IsTracking());
}

} // namespace

TEST_F(ShellWindowsTest, PaneBarDockedLeftHasItsEdgeOnTheRightAndTheClientBeside)
{
    CDockingPaneBar& pane = m_frame->m_wndPane;
    ASSERT_EQ(pane.GetDockSide(), DockSide::left);
    CRect window = WindowRectOf(pane);
    EXPECT_EQ(window.Width(), 160);
    EXPECT_EQ(pane.GetEdgeRect(), CRect(window.Width() - kDockEdgeWidth, 0, window.Width(), window.Height()));
    EXPECT_EQ(WindowRectOf(m_frame->m_wndClient).left, window.right);
}

TEST_F(ShellWindowsTest, DraggingTheEdgeResizesWithinItsLimits)
{
    CRect frameClient;
    m_frame->GetClientRect(&frameClient);
    struct Case {
        DockSide side;
        UINT dockBar;
        CSize delta;
        int expected;  // the width (left, right) or height (top, bottom) afterwards
    };
    const Case cases[] = {
        {DockSide::left, AFX_IDW_DOCKBAR_LEFT, CSize(40, 0), 200},
        {DockSide::left, AFX_IDW_DOCKBAR_LEFT, CSize(-400, 0), kDockMinimumSize},
        {DockSide::right, AFX_IDW_DOCKBAR_RIGHT, CSize(-30, 0), 190},
        {DockSide::top, AFX_IDW_DOCKBAR_TOP, CSize(0, 25), 145},
        {DockSide::bottom, AFX_IDW_DOCKBAR_BOTTOM, CSize(0, -50), 170},
        {DockSide::bottom, AFX_IDW_DOCKBAR_BOTTOM, CSize(0, 100), kDockMinimumSize},
        // Past the frame's client area: the old size plus the client extent at most.
        {DockSide::left, AFX_IDW_DOCKBAR_LEFT, CSize(3000, 0), 160 + frameClient.Width()},
    };
    CDockingPaneBar& pane = m_frame->m_wndPane;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.side) * 1000 + c.delta.cx + c.delta.cy);
        pane.SetHorzSize(160, 120);
        pane.SetVertSize(160, 120);
        m_frame->DockControlBar(&pane, c.dockBar);
        m_frame->RecalcLayout();
        ASSERT_EQ(pane.GetDockSide(), c.side);
        DragEdge(pane, c.delta);
        bool horizontal = IsHorizontalDock(c.side);
        EXPECT_EQ(horizontal ? pane.GetHorzSize().cy : pane.GetVertSize().cx, c.expected);
        m_frame->RecalcLayout();
        if (c.expected < frameClient.Width()) {
            CRect window = WindowRectOf(pane);
            EXPECT_EQ(horizontal ? window.Height() : window.Width(), c.expected);
        }
    }
}

TEST_F(ShellWindowsTest, LosingTheCaptureCancelsTheDrag)
{
    CDockingPaneBar& pane = m_frame->m_wndPane;
    CPoint from = EdgeMiddle(pane);
    pane.SendMessage(WM_NCLBUTTONDOWN, HTSIZE, MAKELPARAM(from.x, from.y));
    ASSERT_TRUE(pane.IsTracking());
    CPoint to = from + CSize(50, 0);
    pane.ScreenToClient(&to);
    pane.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    m_frame->m_wndClient.SetCapture();
    EXPECT_FALSE(pane.IsTracking());
    ::ReleaseCapture();
    EXPECT_EQ(pane.GetVertSize().cx, 160);
}

TEST_F(ShellWindowsTest, FloatingBarHasNoEdgeAndReDockingMovesTheEdge)
{
    CDockingPaneBar& pane = m_frame->m_wndPane;
    m_frame->FloatControlBar(&pane, CPoint(100, 100));
    PumpPending();
    ASSERT_EQ(pane.GetDockSide(), DockSide::floating);
    EXPECT_TRUE(pane.GetEdgeRect().IsRectEmpty());
    CRect window = WindowRectOf(pane);
    CPoint inside = window.CenterPoint();
    EXPECT_NE(pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTSIZE);
    EXPECT_EQ(window.Size(), CSize(160, 120));

    // Left, then bottom: the edge goes from the right strip to the top strip; the sizes kept.
    m_frame->DockControlBar(&pane, AFX_IDW_DOCKBAR_LEFT);
    m_frame->RecalcLayout();
    EXPECT_EQ(pane.GetEdgeRect().left, WindowRectOf(pane).Width() - kDockEdgeWidth);
    m_frame->DockControlBar(&pane, AFX_IDW_DOCKBAR_BOTTOM);
    m_frame->RecalcLayout();
    window = WindowRectOf(pane);
    EXPECT_EQ(pane.GetEdgeRect(), CRect(0, 0, window.Width(), kDockEdgeWidth));
    EXPECT_EQ(window.Height(), 120);
    EXPECT_EQ(pane.GetVertSize(), CSize(160, 120));
}
