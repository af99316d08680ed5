#include <gtest/gtest.h>

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/SplitterWnd.h"

#include <memory>

namespace {

class CPaneDoc : public CDocument {
public:
    CPaneDoc() { m_bAutoDelete = FALSE; }
};

// A pane that records its initial update and the scroll messages it gets; a line step moves
// its scroll position by one, as an editor view would.
class CPaneView : public CView {
    DECLARE_DYNCREATE(CPaneView)

public:
    int m_initialUpdates = 0;
    CWnd* m_paneAtInitialUpdate = nullptr;
    int m_hScrolls = 0;
    int m_vScrolls = 0;

    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        ++m_initialUpdates;
        int row = -1, col = -1;
        auto* splitter = dynamic_cast<CSplitterWnd*>(GetParent());
        if (splitter != nullptr && splitter->IsChildPane(this, &row, &col))
            m_paneAtInitialUpdate = splitter->GetPane(row, col);
        CView::OnInitialUpdate();
    }

protected:
    void OnHScroll(UINT code, UINT, CWnd*)
    {
        ++m_hScrolls;
        if (code == SB_LINEDOWN)
            SetScrollPos(SB_HORZ, GetScrollPos(SB_HORZ) + 1);
    }
    void OnVScroll(UINT, UINT, CWnd*) { ++m_vScrolls; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CPaneView, CView)

BEGIN_MESSAGE_MAP(CPaneView, CView)
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

// A splitter that may refuse column splits, as one whose views wrap their lines does.
class CRefusingSplitter : public CSplitterWnd {
public:
    BOOL m_refuseColumns = FALSE;
    int m_columnRequests = 0;

    BOOL SplitColumn(int cxBefore) override
    {
        ++m_columnRequests;
        return m_refuseColumns ? FALSE : CSplitterWnd::SplitColumn(cxBefore);
    }
};

class CSplitFrame : public CFrameWnd {
public:
    CRefusingSplitter m_wndSplitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override
    {
        return m_wndSplitter.Create(this, 2, 2, CSize(10, 10), context);
    }
};

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPaneView);
        context.m_pCurrentDoc = &m_doc;
        m_frame = new CSplitFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "拆分窗口", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400), nullptr, nullptr,
                                    &context));
        m_frame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
        m_frame->SetActiveView(View(0, 0), FALSE);
    }
    void TearDown() override
    {
        if (m_frame != nullptr)
            m_frame->DestroyWindow();
    }

    CRefusingSplitter& Splitter() { return m_frame->m_wndSplitter; }
    CPaneView* View(int row, int col) { return dynamic_cast<CPaneView*>(Splitter().GetPane(row, col)); }
    // Presses at one client point of the splitter and lets go at another.
    void Drag(CPoint from, CPoint to)
    {
        Splitter().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        Splitter().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        Splitter().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }

    CPaneDoc m_doc;
    CSplitFrame* m_frame = nullptr;
};

TEST_F(SplitterTest, SplittingAddsViewsOfTheOneDocumentThatFindThemselvesDuringTheirInitialUpdate)
{
    ASSERT_NE(View(0, 0), nullptr);
    EXPECT_EQ(Splitter().GetDlgCtrlID(), static_cast<int>(AFX_IDW_PANE_FIRST));
    EXPECT_EQ(m_doc.GetViewCount(), 1);

    ASSERT_TRUE(Splitter().SplitRow(120));
    ASSERT_TRUE(Splitter().SplitColumn(200));
    ASSERT_EQ(Splitter().GetRowCount(), 2);
    ASSERT_EQ(Splitter().GetColumnCount(), 2);
    EXPECT_EQ(m_doc.GetViewCount(), 4);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            CPaneView* view = View(row, col);
            ASSERT_NE(view, nullptr) << row << "," << col;
            EXPECT_EQ(view->GetDocument(), &m_doc);
            EXPECT_EQ(view->GetDlgCtrlID(), Splitter().IdFromRowCol(row, col));
            EXPECT_EQ(view->GetDlgCtrlID(), static_cast<int>(AFX_IDW_PANE_FIRST) + 16 * row + col);
            EXPECT_EQ(view->m_initialUpdates, 1) << row << "," << col;
            EXPECT_EQ(view->m_paneAtInitialUpdate, view) << row << "," << col;
        }
    }
    int height = 0, minimum = 0;
    Splitter().GetRowInfo(0, height, minimum);
    EXPECT_EQ(height, 120);
    EXPECT_EQ(minimum, 10);

    CPaneView* bottomLeft = View(1, 0);
    Splitter().DeleteRow(0);
    Splitter().DeleteColumn(1);
    EXPECT_EQ(Splitter().GetRowCount(), 1);
    EXPECT_EQ(Splitter().GetColumnCount(), 1);
    EXPECT_EQ(View(0, 0), bottomLeft);
    EXPECT_EQ(bottomLeft->GetDlgCtrlID(), static_cast<int>(AFX_IDW_PANE_FIRST));
    EXPECT_EQ(m_doc.GetViewCount(), 1);
}

TEST_F(SplitterTest, SplitBoxesSplitWhereTheyAreDroppedUnlessTheSplitIsRefused)
{
    SplitterLayout layout = Splitter().GetLayout();
    ASSERT_FALSE(layout.rowSplitBox.IsRectEmpty());
    ASSERT_FALSE(layout.colSplitBox.IsRectEmpty());
    CRect rowBox = layout.rowSplitBox;
    Drag(rowBox.CenterPoint(), CPoint(rowBox.CenterPoint().x, 140));
    ASSERT_EQ(Splitter().GetRowCount(), 2);
    CRect top;
    View(0, 0)->GetWindowRect(&top);
    // The box's top edge, where the mouse held it, is where the row ends.
    EXPECT_EQ(top.Height(), 140 - (rowBox.CenterPoint().y - rowBox.top));
    EXPECT_TRUE(Splitter().GetLayout().rowSplitBox.IsRectEmpty()) << "no more rows to add";

    Splitter().m_refuseColumns = TRUE;
    CRect colBox = Splitter().GetLayout().colSplitBox;
    Drag(colBox.CenterPoint(), CPoint(180, colBox.CenterPoint().y));
    EXPECT_EQ(Splitter().m_columnRequests, 1);
    EXPECT_EQ(Splitter().GetColumnCount(), 1);
    EXPECT_EQ(m_doc.GetViewCount(), 2);

    // Dropped where the new column would be thinner than its minimum, nothing is asked.
    Splitter().m_refuseColumns = FALSE;
    Drag(colBox.CenterPoint(), CPoint(4, colBox.CenterPoint().y));
    EXPECT_EQ(Splitter().m_columnRequests, 1);
    Drag(colBox.CenterPoint(), CPoint(180, colBox.CenterPoint().y));
    EXPECT_EQ(Splitter().GetColumnCount(), 2);
}

TEST_F(SplitterTest, ABarDraggedToAnEdgeRemovesThatRowOrColumnButNotTheDocument)
{
    struct Case {
        const char* name;
        bool rows;
        bool toStart;  // the top or left edge, else the bottom or right
    };
    const Case cases[] = {
        {"row bar to the top", true, true},
        {"row bar to the bottom", true, false},
        {"column bar to the left", false, true},
        {"column bar to the right", false, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.rows ? Splitter().SplitRow(150) : Splitter().SplitColumn(200)) << c.name;
        CPaneView* survivor = c.rows ? View(c.toStart ? 1 : 0, 0) : View(0, c.toStart ? 1 : 0);
        SplitterLayout layout = Splitter().GetLayout();
        CRect pane = layout.panes.back().back();
        CRect bar = c.rows ? layout.rowBars[0] : layout.colBars[0];
        CPoint to = c.rows ? CPoint(bar.CenterPoint().x, c.toStart ? 3 : pane.bottom - 3)
                           : CPoint(c.toStart ? 3 : pane.right - 3, bar.CenterPoint().y);
        Drag(bar.CenterPoint(), to);
        EXPECT_EQ(Splitter().GetRowCount(), 1) << c.name;
        EXPECT_EQ(Splitter().GetColumnCount(), 1) << c.name;
        EXPECT_EQ(View(0, 0), survivor) << c.name;
        EXPECT_EQ(m_doc.GetViewCount(), 1) << c.name;
    }

    // A bar dragged within the window only moves.
    ASSERT_TRUE(Splitter().SplitRow(150));
    Drag(Splitter().GetLayout().rowBars[0].CenterPoint(), CPoint(50, 90));
    int height = 0, minimum = 0;
    Splitter().GetRowInfo(0, height, minimum);
    EXPECT_EQ(Splitter().GetRowCount(), 2);
    EXPECT_EQ(height, 90 - 3);
}

TEST_F(SplitterTest, SharedScrollBarsReachEveryPaneOfTheirColumnOrRow)
{
    ASSERT_TRUE(Splitter().SplitRow(150));
    ASSERT_TRUE(Splitter().SplitColumn(200));
    HWND column0 = View(0, 0)->GetScrollBarCtrl(SB_HORZ);
    ASSERT_NE(column0, nullptr);
    EXPECT_EQ(View(1, 0)->GetScrollBarCtrl(SB_HORZ), column0);
    EXPECT_NE(View(0, 1)->GetScrollBarCtrl(SB_HORZ), column0);
    EXPECT_EQ(View(0, 1)->GetScrollBarCtrl(SB_VERT), View(0, 0)->GetScrollBarCtrl(SB_VERT));
    EXPECT_NE(View(1, 0)->GetScrollBarCtrl(SB_VERT), View(0, 0)->GetScrollBarCtrl(SB_VERT));

    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 100;
    info.nPage = 10;
    info.nPos = 5;
    View(0, 0)->SetScrollInfo(SB_HORZ, &info);
    Splitter().SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(column0));
    EXPECT_EQ(View(0, 0)->m_hScrolls, 1);
    EXPECT_EQ(View(1, 0)->m_hScrolls, 1);
    EXPECT_EQ(View(0, 1)->m_hScrolls, 0);
    // Each pane took one step from where the bar was: one step in all.
    EXPECT_EQ(::GetScrollPos(column0, SB_CTL), 6);

    HWND row1 = View(1, 0)->GetScrollBarCtrl(SB_VERT);
    Splitter().SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(row1));
    EXPECT_EQ(View(1, 0)->m_vScrolls, 1);
    EXPECT_EQ(View(1, 1)->m_vScrolls, 1);
    EXPECT_EQ(View(0, 0)->m_vScrolls, 0);
}

TEST_F(SplitterTest, TheActivePaneFollowsClicksAndPassesOnWhenItsRowGoes)
{
    ASSERT_TRUE(Splitter().SplitRow(150));
    CPaneView* bottom = View(1, 0);
    bottom->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_frame->m_hWnd),
                        MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    int row = -1, col = -1;
    EXPECT_EQ(Splitter().GetActivePane(&row, &col), bottom);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(m_frame->GetActiveView(), bottom);

    CPaneView* top = View(0, 0);
    Splitter().DeleteRow(1);
    EXPECT_EQ(m_frame->GetActiveView(), top);
    EXPECT_EQ(Splitter().GetActivePane(), top);
}

// A frame whose client is a static splitter of one row and two columns.
class CStaticSplitFrame : public CFrameWnd {
public:
    CSplitterWnd m_wndSplitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override
    {
        return m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE | WS_HSCROLL) &&
               m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(120, 0), context) &&
               m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CPaneView), CSize(0, 0), context);
    }
};

TEST(StaticSplitterTest, PanesAreMadeOnceAndABarDraggedToTheEdgeOnlyMoves)
{
    CPaneDoc doc;
    CCreateContext context;
    context.m_pCurrentDoc = &doc;
    auto* frame = new CStaticSplitFrame;
    ASSERT_TRUE(frame->Create(nullptr, "静态拆分", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400), nullptr, nullptr, &context));
    CSplitterWnd& splitter = frame->m_wndSplitter;
    EXPECT_EQ(splitter.GetRowCount(), 1);
    EXPECT_EQ(splitter.GetColumnCount(), 2);
    EXPECT_EQ(doc.GetViewCount(), 2);
    SplitterLayout layout = splitter.GetLayout();
    EXPECT_TRUE(layout.rowSplitBox.IsRectEmpty());
    EXPECT_TRUE(layout.colSplitBox.IsRectEmpty());
    EXPECT_EQ(layout.hScrollBars.size(), 2u);
    EXPECT_TRUE(layout.vScrollBars.empty());
    EXPECT_EQ(layout.panes[0][0].Width(), 120);
    // A pane that exists is not made again.
    EXPECT_FALSE(splitter.CreateView(0, 1, RUNTIME_CLASS(CPaneView), CSize(0, 0), &context));

    CPoint bar = layout.colBars[0].CenterPoint();
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, bar.y));
    EXPECT_EQ(splitter.GetColumnCount(), 2);
    EXPECT_EQ(doc.GetViewCount(), 2);
    EXPECT_EQ(splitter.GetLayout().panes[0][0].Width(), 0);
    frame->DestroyWindow();
}

} // namespace
