#include "framework/SplitterWnd.h"

#include "framework/AppState.h"
#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"

#include <algorithm>

namespace {

constexpr int kGap = 6;
constexpr int kMaxPanes = 16;  // rows or columns: the pane ids leave room for 16

CView* AsView(CWnd* window)
{
    return dynamic_cast<CView*>(window);
}

// The sizes of one row or column; out of range reads as 0 and writes nothing.
template <typename Extents>
void ReadExtent(const Extents& extents, int index, int& current, int& minimum)
{
    ASSERT(index >= 0 && index < static_cast<int>(extents.size()));
    bool valid = index >= 0 && index < static_cast<int>(extents.size());
    current = valid ? extents[index].current : 0;
    minimum = valid ? extents[index].minimum : 0;
}

template <typename Extents>
void WriteExtent(Extents& extents, int index, int ideal, int minimum)
{
    ASSERT(index >= 0 && index < static_cast<int>(extents.size()));
    if (index < 0 || index >= static_cast<int>(extents.size()))
        return;
    extents[index].ideal = std::max(ideal, 0);
    extents[index].minimum = std::max(minimum, 0);
}

} // namespace

IMPLEMENT_DYNAMIC_ROOT(CSplitterWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_KEYDOWN()
    ON_WM_SETCURSOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::Create(CWnd* parent, int maxRows, int maxCols, SIZE sizeMin, CCreateContext* context,
                          DWORD style, UINT id)
{
    ASSERT(parent != nullptr && context != nullptr && context->m_pNewViewClass != nullptr);
    ASSERT(maxRows >= 1 && maxRows <= 2 && maxCols >= 1 && maxCols <= 2);
    if (parent == nullptr || context == nullptr || context->m_pNewViewClass == nullptr)
        return FALSE;
    m_bDynamic = (style & SPLS_DYNAMIC_SPLIT) != 0;
    m_nMaxRows = std::max(1, std::min(maxRows, 2));
    m_nMaxCols = std::max(1, std::min(maxCols, 2));
    m_pDynamicViewClass = context->m_pNewViewClass;
    m_nRows = m_nCols = 1;
    m_rowInfo.assign(m_nMaxRows, Extent{0, static_cast<int>(sizeMin.cy), 0});
    m_colInfo.assign(m_nMaxCols, Extent{0, static_cast<int>(sizeMin.cx), 0});
    if (!CreateSplitterWindow(parent, style, id))
        return FALSE;
    if (!CreateView(0, 0, context->m_pNewViewClass, CSize(0, 0), context)) {
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id)
{
    ASSERT(parent != nullptr && rows >= 1 && rows <= kMaxPanes && cols >= 1 && cols <= kMaxPanes);
    if (parent == nullptr || rows < 1 || rows > kMaxPanes || cols < 1 || cols > kMaxPanes)
        return FALSE;
    m_bDynamic = FALSE;
    m_nMaxRows = m_nRows = rows;
    m_nMaxCols = m_nCols = cols;
    m_rowInfo.assign(rows, Extent());
    m_colInfo.assign(cols, Extent());
    return CreateSplitterWindow(parent, style, id);
}

BOOL CSplitterWnd::CreateSplitterWindow(CWnd* parent, DWORD style, UINT id)
{
    // The scroll bars asked for are the shared ones, not the window's own.
    m_bHasHScroll = (style & WS_HSCROLL) != 0;
    m_bHasVScroll = (style & WS_VSCROLL) != 0;
    DWORD windowStyle = (style & ~(WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT)) | WS_CHILD | WS_CLIPCHILDREN;
    LPCTSTR className = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (className == nullptr || !CreateEx(0, className, nullptr, windowStyle, CRect(0, 0, 0, 0), parent, id))
        return FALSE;
    SyncScrollBars();
    return TRUE;
}

CCreateContext CSplitterWnd::ContextFromPane(int row, int col) const
{
    CCreateContext context;
    context.m_pNewViewClass = m_pDynamicViewClass;
    if (CView* view = AsView(GetPane(row, col))) {
        context.m_pLastView = view;
        context.m_pCurrentDoc = view->GetDocument();
        context.m_pCurrentFrame = view->GetParentFrame();
    }
    return context;
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                              CCreateContext* context)
{
    ASSERT(row >= 0 && row < m_nRows && col >= 0 && col < m_nCols && viewClass != nullptr);
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || viewClass == nullptr || GetPane(row, col) != nullptr)
        return FALSE;
    CCreateContext own;
    if (context == nullptr) {
        own = ContextFromPane(0, 0);
        context = &own;
    }
    CCmdTarget* object = viewClass->CreateObject();
    auto* view = dynamic_cast<CWnd*>(object);
    if (view == nullptr) {
        delete object;
        return FALSE;
    }
    if (initialSize.cx > 0)
        m_colInfo[col].ideal = initialSize.cx;
    if (initialSize.cy > 0)
        m_rowInfo[row].ideal = initialSize.cy;
    // A view that fails to create has deleted itself.
    return view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                        static_cast<UINT>(IdFromRowCol(row, col)), context);
}

void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const
{
    ReadExtent(m_rowInfo, row, current, minimum);
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum)
{
    WriteExtent(m_rowInfo, row, ideal, minimum);
}

void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const
{
    ReadExtent(m_colInfo, col, current, minimum);
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum)
{
    WriteExtent(m_colInfo, col, ideal, minimum);
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    ASSERT(row >= 0 && row < kMaxPanes && col >= 0 && col < kMaxPanes);
    return static_cast<int>(AFX_IDW_PANE_FIRST) + row * 16 + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (m_hWnd == nullptr || row < 0 || row >= m_nRows || col < 0 || col >= m_nCols)
        return nullptr;
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

BOOL CSplitterWnd::IsChildPane(const CWnd* window, int* row, int* col) const
{
    if (window == nullptr || window->m_hWnd == nullptr || ::GetParent(window->m_hWnd) != m_hWnd)
        return FALSE;
    int id = ::GetDlgCtrlID(window->m_hWnd) - static_cast<int>(AFX_IDW_PANE_FIRST);
    int r = id / 16;
    int c = id % 16;
    if (id < 0 || r >= m_nRows || c >= m_nCols)
        return FALSE;
    if (row != nullptr)
        *row = r;
    if (col != nullptr)
        *col = c;
    return TRUE;
}

CWnd* CSplitterWnd::GetActivePane(int* row, int* col) const
{
    CWnd* pane = nullptr;
    CWnd* parent = GetParent();
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent))
        pane = frame->GetActiveView();
    if (!IsChildPane(pane, row, col)) {
        pane = CWnd::GetFocus();
        if (!IsChildPane(pane, row, col))
            pane = nullptr;
    }
    return pane;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* window)
{
    CWnd* pane = window != nullptr ? window : GetPane(row, col);
    if (pane == nullptr)
        return;
    auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
    if (CView* view = AsView(pane); frame != nullptr && view != nullptr)
        frame->SetActiveView(view);
    else
        pane->SetFocus();
}

HWND CSplitterWnd::GetPaneScrollBar(int bar, const CWnd* pane) const
{
    int row = 0;
    int col = 0;
    if (!IsChildPane(pane, &row, &col))
        return nullptr;
    if (bar == SB_HORZ && col < static_cast<int>(m_hScrollBars.size()))
        return m_hScrollBars[col];
    if (bar == SB_VERT && row < static_cast<int>(m_vScrollBars.size()))
        return m_vScrollBars[row];
    return nullptr;
}

void CSplitterWnd::SyncScrollBars()
{
    auto sync = [this](std::vector<HWND>& bars, BOOL wanted, int count, UINT firstId, DWORD barStyle) {
        size_t target = wanted ? static_cast<size_t>(count) : 0;
        while (bars.size() > target) {
            ::DestroyWindow(bars.back());
            bars.pop_back();
        }
        while (bars.size() < target) {
            UINT id = firstId + static_cast<UINT>(bars.size());
            HWND bar = ::CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | barStyle, 0, 0, 0, 0, m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetInstanceHandle(),
                                         nullptr);
            if (bar == nullptr)
                break;
            // A pane's range is set by the pane; until then the bar shows disabled.
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
            ::SetScrollInfo(bar, SB_CTL, &info, FALSE);
            bars.push_back(bar);
        }
    };
    sync(m_hScrollBars, m_bHasHScroll, m_nCols, AFX_IDW_HSCROLL_FIRST, SBS_HORZ);
    sync(m_vScrollBars, m_bHasVScroll, m_nRows, AFX_IDW_VSCROLL_FIRST, SBS_VERT);
}

SplitterMetrics CSplitterWnd::Metrics() const
{
    SplitterMetrics metrics;
    metrics.rows = m_nRows;
    metrics.cols = m_nCols;
    for (int r = 0; r < m_nRows; ++r)
        metrics.rowHeights.push_back(m_rowInfo[r].ideal);
    for (int c = 0; c < m_nCols; ++c)
        metrics.colWidths.push_back(m_colInfo[c].ideal);
    metrics.hScroll = m_bHasHScroll != FALSE;
    metrics.vScroll = m_bHasVScroll != FALSE;
    metrics.rowSplitBox = m_bDynamic && m_bHasVScroll && m_nRows < m_nMaxRows;
    metrics.colSplitBox = m_bDynamic && m_bHasHScroll && m_nCols < m_nMaxCols;
    metrics.gap = kGap;
    metrics.cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    metrics.cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    return metrics;
}

SplitterLayout CSplitterWnd::GetLayout() const
{
    CRect client;
    GetClientRect(&client);
    return LayoutSplitter(Metrics(), client);
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    SyncScrollBars();
    SplitterLayout layout = GetLayout();
    HDWP positions = ::BeginDeferWindowPos(m_nRows * m_nCols + m_nRows + m_nCols);
    auto place = [&positions](HWND window, const CRect& rect) {
        if (window != nullptr && positions != nullptr)
            positions = ::DeferWindowPos(positions, window, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                         SWP_NOZORDER | SWP_NOACTIVATE);
    };
    for (int r = 0; r < m_nRows; ++r)
        for (int c = 0; c < m_nCols; ++c)
            if (CWnd* pane = GetPane(r, c))
                place(pane->m_hWnd, layout.panes[r][c]);
    for (size_t c = 0; c < m_hScrollBars.size() && c < layout.hScrollBars.size(); ++c)
        place(m_hScrollBars[c], layout.hScrollBars[c]);
    for (size_t r = 0; r < m_vScrollBars.size() && r < layout.vScrollBars.size(); ++r)
        place(m_vScrollBars[r], layout.vScrollBars[r]);
    if (positions != nullptr)
        ::EndDeferWindowPos(positions);
    for (int r = 0; r < m_nRows; ++r)
        m_rowInfo[r].current = layout.panes[r][0].Height();
    for (int c = 0; c < m_nCols; ++c)
        m_colInfo[c].current = layout.panes[0][c].Width();
    Invalidate(TRUE);
}

CWnd* CSplitterWnd::PaneAt(bool rows, int index, int other) const
{
    return rows ? GetPane(index, other) : GetPane(other, index);
}

BOOL CSplitterWnd::SplitAt(bool rows, int sizeBefore)
{
    int& count = rows ? m_nRows : m_nCols;
    int maximum = rows ? m_nMaxRows : m_nMaxCols;
    int others = rows ? m_nCols : m_nRows;
    ASSERT(m_bDynamic && count < maximum);
    if (!m_bDynamic || count >= maximum || m_pDynamicViewClass == nullptr)
        return FALSE;
    int added = count;
    (rows ? m_rowInfo : m_colInfo)[added - 1].ideal = std::max(sizeBefore, 0);
    ++count;
    // The new panes show the documents of their neighbours before them.
    std::vector<CView*> made;
    for (int other = 0; other < others; ++other) {
        int row = rows ? added : other;
        int col = rows ? other : added;
        CCreateContext context = ContextFromPane(rows ? row - 1 : row, rows ? col : col - 1);
        if (!CreateView(row, col, m_pDynamicViewClass, CSize(0, 0), &context)) {
            for (CView* view : made)
                view->DestroyWindow();
            --count;
            RecalcLayout();
            return FALSE;
        }
        made.push_back(AsView(GetPane(row, col)));
    }
    RecalcLayout();
    for (CView* view : made)
        if (view != nullptr)
            view->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

void CSplitterWnd::DeleteAt(bool rows, int index)
{
    int& count = rows ? m_nRows : m_nCols;
    int others = rows ? m_nCols : m_nRows;
    std::vector<Extent>& info = rows ? m_rowInfo : m_colInfo;
    ASSERT(count > 1 && index >= 0 && index < count);
    if (count <= 1 || index < 0 || index >= count)
        return;
    int kept = index == 0 ? 1 : 0;
    for (int other = 0; other < others; ++other) {
        CWnd* going = PaneAt(rows, index, other);
        auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
        // The frame's active view, if it goes, hands over to the pane that stays.
        if (frame != nullptr && going != nullptr && frame->GetActiveView() == going) {
            if (CView* stays = AsView(PaneAt(rows, kept, other)))
                frame->SetActiveView(stays);
        }
        if (going != nullptr)
            going->DestroyWindow();
    }
    for (int later = index + 1; later < count; ++later) {
        for (int other = 0; other < others; ++other) {
            if (CWnd* pane = PaneAt(rows, later, other))
                pane->SetDlgCtrlID(rows ? IdFromRowCol(later - 1, other) : IdFromRowCol(other, later - 1));
        }
    }
    info.erase(info.begin() + index);
    info.push_back(Extent{0, info.front().minimum, 0});
    --count;
    // The last row or column takes what is left.
    info[count - 1].ideal = 0;
    RecalcLayout();
}

BOOL CSplitterWnd::SplitRow(int cyBefore)
{
    return SplitAt(true, cyBefore);
}

BOOL CSplitterWnd::SplitColumn(int cxBefore)
{
    return SplitAt(false, cxBefore);
}

void CSplitterWnd::DeleteRow(int row)
{
    DeleteAt(true, row);
}

void CSplitterWnd::DeleteColumn(int col)
{
    DeleteAt(false, col);
}

void CSplitterWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    SplitterLayout layout = GetLayout();
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (const CRect& bar : layout.rowBars)
        dc.FillSolidRect(&bar, face);
    for (const CRect& bar : layout.colBars)
        dc.FillSolidRect(&bar, face);
    for (CRect box : {layout.rowSplitBox, layout.colSplitBox}) {
        if (box.IsRectEmpty())
            continue;
        dc.FillSolidRect(&box, face);
        dc.DrawEdge(&box, EDGE_RAISED, BF_RECT);
    }
    if (!layout.sizeBox.IsRectEmpty())
        dc.FillSolidRect(&layout.sizeBox, face);
}

BOOL CSplitterWnd::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (window != this || hitTest != HTCLIENT)
        return CWnd::OnSetCursor(window, hitTest, message);
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    SplitterHit hit = HitTestSplitter(GetLayout(), point);
    LPCSTR cursor = IDC_ARROW;
    switch (hit.kind) {
    case SplitterHit::kRowBar:
    case SplitterHit::kRowSplitBox:
        cursor = IDC_SIZENS;
        break;
    case SplitterHit::kColBar:
    case SplitterHit::kColSplitBox:
        cursor = IDC_SIZEWE;
        break;
    case SplitterHit::kBarCross:
        cursor = IDC_SIZEALL;
        break;
    default:
        break;
    }
    ::SetCursor(::LoadCursorA(nullptr, cursor));
    return TRUE;
}

CRect CSplitterWnd::TrackerRect() const
{
    CRect client;
    GetClientRect(&client);
    CRect rect;
    bool rows = m_tracking.kind == SplitterHit::kRowBar || m_tracking.kind == SplitterHit::kRowSplitBox;
    if (rows)
        rect = CRect(client.left, m_trackPoint.y, client.right, m_trackPoint.y + kGap);
    else
        rect = CRect(m_trackPoint.x, client.top, m_trackPoint.x + kGap, client.bottom);
    return rect;
}

void CSplitterWnd::DrawTracker()
{
    CClientDC dc(this);
    // Inverting twice takes the tracker away again.
    if (m_bTrackerShown)
        ::InvertRect(dc.m_hDC, &m_trackerShown);
    m_bTrackerShown = m_bTracking;
    if (m_bTracking) {
        m_trackerShown = TrackerRect();
        ::InvertRect(dc.m_hDC, &m_trackerShown);
    }
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    if (m_bTracking)
        return;
    SplitterHit hit = HitTestSplitter(GetLayout(), point);
    if (hit.kind == SplitterHit::kNone)
        return;
    SplitterLayout layout = GetLayout();
    CPoint corner;
    switch (hit.kind) {
    case SplitterHit::kRowSplitBox:
        corner = layout.rowSplitBox.TopLeft();
        break;
    case SplitterHit::kColSplitBox:
        corner = layout.colSplitBox.TopLeft();
        break;
    default:
        corner.x = hit.col >= 0 ? layout.colBars[hit.col].left : point.x;
        corner.y = hit.row >= 0 ? layout.rowBars[hit.row].top : point.y;
        break;
    }
    m_tracking = hit;
    m_bTracking = TRUE;
    m_trackGrab = point - corner;
    m_trackPoint = corner;
    SetCapture();
    SetFocus();
    DrawTracker();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTracking)
        return;
    m_trackPoint = point - m_trackGrab;
    DrawTracker();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bTracking)
        return;
    m_trackPoint = point - m_trackGrab;
    m_bTracking = FALSE;
    DrawTracker();
    ::ReleaseCapture();
    EndTracking(m_trackPoint);
}

void CSplitterWnd::OnCaptureChanged(CWnd*)
{
    // Another window took the mouse: the drag ends without effect.
    if (m_bTracking) {
        m_bTracking = FALSE;
        DrawTracker();
    }
}

void CSplitterWnd::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_ESCAPE && m_bTracking) {
        m_bTracking = FALSE;
        DrawTracker();
        ::ReleaseCapture();
        return;
    }
    CWnd::OnKeyDown(key, repeat, flags);
}

void CSplitterWnd::EndTracking(CPoint point)
{
    SplitterLayout layout = GetLayout();
    SplitterHit::Kind kind = m_tracking.kind;
    if (kind == SplitterHit::kRowBar || kind == SplitterHit::kRowSplitBox || kind == SplitterHit::kBarCross)
        EndTrackingAlong(true, kind == SplitterHit::kRowSplitBox ? -1 : m_tracking.row, point.y, layout);
    if (kind == SplitterHit::kColBar || kind == SplitterHit::kColSplitBox || kind == SplitterHit::kBarCross)
        EndTrackingAlong(false, kind == SplitterHit::kColSplitBox ? -1 : m_tracking.col, point.x, layout);
    RecalcLayout();
}

void CSplitterWnd::EndTrackingAlong(bool rows, int index, int position, const SplitterLayout& layout)
{
    const CRect& first = layout.panes.front().front();
    const CRect& last = layout.panes.back().back();
    int start = rows ? first.top : first.left;
    if (index >= 0)
        start = rows ? layout.panes[index][0].top : layout.panes[0][index].left;
    int end = rows ? last.bottom : last.right;
    std::vector<Extent>& info = rows ? m_rowInfo : m_colInfo;
    int count = rows ? m_nRows : m_nCols;
    int size = position - start;
    int rest = end - (position + kGap);
    if (index < 0) {
        // From the split box: a split where there is room for both.
        if (size >= info[0].minimum && rest >= info[0].minimum) {
            if (rows)
                SplitRow(size);
            else
                SplitColumn(size);
        }
        return;
    }
    // Dragged (nearly) onto an edge, a dynamic splitter loses the row or column there.
    int gone = -1;
    if (m_bDynamic && size < info[index].minimum)
        gone = index;
    else if (m_bDynamic && index + 1 == count - 1 && rest < info[index + 1].minimum)
        gone = index + 1;
    if (gone < 0)
        info[index].ideal = std::max(size, 0);
    else if (rows)
        DeleteRow(gone);
    else
        DeleteColumn(gone);
}

void CSplitterWnd::ScrollPanes(UINT message, UINT code, UINT pos, HWND bar)
{
    int id = ::GetDlgCtrlID(bar);
    bool horz = message == WM_HSCROLL;
    int index = id - static_cast<int>(horz ? AFX_IDW_HSCROLL_FIRST : AFX_IDW_VSCROLL_FIRST);
    int count = horz ? m_nRows : m_nCols;
    if (index < 0 || index >= (horz ? m_nCols : m_nRows))
        return;
    // Each pane starts from the position the bar had, so they all take the same step.
    int before = ::GetScrollPos(bar, SB_CTL);
    for (int i = 0; i < count; ++i) {
        CWnd* pane = horz ? GetPane(i, index) : GetPane(index, i);
        if (pane == nullptr)
            continue;
        if (i > 0)
            ::SetScrollPos(bar, SB_CTL, before, FALSE);
        pane->SendMessage(message, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(bar));
    }
}

void CSplitterWnd::OnHScroll(UINT code, UINT pos, CWnd* scrollBar)
{
    if (scrollBar != nullptr)
        ScrollPanes(WM_HSCROLL, code, pos, scrollBar->m_hWnd);
}

void CSplitterWnd::OnVScroll(UINT code, UINT pos, CWnd* scrollBar)
{
    if (scrollBar != nullptr)
        ScrollPanes(WM_VSCROLL, code, pos, scrollBar->m_hWnd);
}
