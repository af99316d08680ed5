#include "editor/shell/DockingPaneBar.h"

#include "framework/Dc.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"
#include "framework/Gdi.h"

namespace {

constexpr UINT kHitSize = HTSIZE;

// A DC on the whole of a window that draws through the window-update lock, released in the
// destructor.
class LockedWindowDC : public CDC {
public:
    explicit LockedWindowDC(HWND window)
        : m_hWnd(window)
    {
        m_hDC = ::GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    }
    ~LockedWindowDC() override
    {
        if (m_hDC != nullptr)
            ::ReleaseDC(m_hWnd, m_hDC);
        m_hDC = nullptr;
    }
    LockedWindowDC(const LockedWindowDC&) = delete;
    LockedWindowDC& operator=(const LockedWindowDC&) = delete;

private:
    HWND m_hWnd;
};

DockSide DockSideOf(UINT dockBarId)
{
    switch (dockBarId) {
    case AFX_IDW_DOCKBAR_TOP:
        return DockSide::top;
    case AFX_IDW_DOCKBAR_LEFT:
        return DockSide::left;
    case AFX_IDW_DOCKBAR_RIGHT:
        return DockSide::right;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return DockSide::bottom;
    default:
        return DockSide::floating;
    }
}

// The middle of a rectangle across the edge: y for a horizontal bar, x for a vertical one.
int MiddleAcross(const CRect& rect, bool horizontal)
{
    return horizontal ? (rect.top + rect.bottom) / 2 : (rect.left + rect.right) / 2;
}

} // namespace

BEGIN_MESSAGE_MAP(CDockingPaneBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CDockingPaneBar::CDockingPaneBar() = default;

BOOL CDockingPaneBar::Create(CWnd* parent, int width, int height, UINT id, DWORD style)
{
    m_horzSize = m_vertSize = m_floatSize = CSize(width, height);
    LPCTSTR className = RegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // Floating, the bar is sized through CalcDynamicLayout.
    return CreateBar(0, className, style | CBRS_SIZE_DYNAMIC, CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                     CCS_NORESIZE, parent, id);
}

DockSide CDockingPaneBar::GetDockSide() const
{
    if (m_pDockBar == nullptr || IsFloating())
        return DockSide::floating;
    return DockSideOf(m_pDockBar->GetDlgCtrlID());
}

CSize CDockingPaneBar::CalcFixedLayout(BOOL stretch, BOOL horz)
{
    int topWidth = 0;
    int leftHeight = 0;
    if (m_pDockSite != nullptr) {
        CRect rect;
        if (CDockBar* top = m_pDockSite->GetDockBar(AFX_IDW_DOCKBAR_TOP)) {
            top->GetWindowRect(&rect);
            topWidth = rect.Width();
        }
        if (CDockBar* left = m_pDockSite->GetDockBar(AFX_IDW_DOCKBAR_LEFT)) {
            left->GetWindowRect(&rect);
            leftHeight = rect.Height();
        }
    }
    return DockedPaneSize(horz != FALSE, stretch != FALSE, m_horzSize, m_vertSize, topWidth, leftHeight);
}

CSize CDockingPaneBar::CalcDynamicLayout(int length, DWORD mode)
{
    if (mode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZDOCK) != 0);
    SIZE floating = m_floatSize;
    FloatingRequest request = FloatingRequest::width;
    if (mode & LM_MRUWIDTH)
        request = FloatingRequest::mostRecent;
    else if (mode & LM_COMMIT)
        request = FloatingRequest::commit;
    else if (mode & LM_LENGTHY)
        request = FloatingRequest::height;
    CSize size = FloatingPaneSize(floating, request, length);
    m_floatSize = floating;
    return size;
}

void CDockingPaneBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    UpdateDialogControls(target, disableIfNoHandler);
}

void CDockingPaneBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params)
{
    m_dockSide = GetDockSide();
    CRect window(params->rgrc[0]);
    DockEdgeLayout layout = LayoutDockEdge(m_dockSide, CRect(0, 0, window.Width(), window.Height()));
    m_edgeRect = layout.edge;
    DWORD borders = 0;
    const DWORD kBorderBits[4] = {CBRS_BORDER_LEFT, CBRS_BORDER_TOP, CBRS_BORDER_RIGHT, CBRS_BORDER_BOTTOM};
    for (int i = 0; i < 4; ++i)
        if (layout.borders[i])
            borders |= kBorderBits[i];
    m_dwStyle = (m_dwStyle & ~CBRS_BORDER_ANY) | borders;
    CRect client(layout.client);
    client.OffsetRect(window.left, window.top);
    CalcInsideRect(client, IsHorz());
    if (client.right < client.left)
        client.right = client.left;
    if (client.bottom < client.top)
        client.bottom = client.top;
    params->rgrc[0] = client;
}

void CDockingPaneBar::OnNcPaint()
{
    CControlBar::OnNcPaint();
    if (m_edgeRect.IsRectEmpty())
        return;
    CWindowDC dc(this);
    dc.Draw3dRect(&m_edgeRect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

LRESULT CDockingPaneBar::OnNcHitTest(CPoint point)
{
    if (GetDockSide() != DockSide::floating) {
        CRect window;
        GetWindowRect(&window);
        if (m_edgeRect.PtInRect(CPoint(point.x - window.left, point.y - window.top)))
            return kHitSize;
    }
    return CControlBar::OnNcHitTest(point);
}

BOOL CDockingPaneBar::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (hitTest == kHitSize && !m_tracking) {
        DockSide side = GetDockSide();
        if (side != DockSide::floating) {
            ::SetCursor(::LoadCursor(nullptr, IsHorizontalDock(side) ? IDC_SIZENS : IDC_SIZEWE));
            return TRUE;
        }
    }
    return static_cast<BOOL>(Default());
}

void CDockingPaneBar::OnNcLButtonDown(UINT hitTest, CPoint)
{
    if (hitTest == kHitSize && !m_tracking && GetDockSide() != DockSide::floating)
        StartTracking();
    else
        Default();
}

void CDockingPaneBar::OnLButtonDown(UINT, CPoint point)
{
    if (m_pDockSite != nullptr && GetDockSide() != DockSide::floating) {
        ClientToScreen(&point);
        StartDrag(point);
        return;
    }
    Default();
}

void CDockingPaneBar::OnLButtonDblClk(UINT, CPoint)
{
    if (m_pDockSite != nullptr && m_pDockBar != nullptr)
        ToggleDocking();
}

void CDockingPaneBar::OnMouseMove(UINT, CPoint point)
{
    if (!m_tracking || GetDockSide() == DockSide::floating) {
        Default();
        return;
    }
    bool horizontal = IsHorizontalDock(m_dockSide);
    int position = TrackingPositionOf(point);
    int middle = MiddleAcross(m_trackRect, horizontal);
    if (position == middle)
        return;
    InvertTracker();
    if (horizontal)
        m_trackRect.OffsetRect(0, position - middle);
    else
        m_trackRect.OffsetRect(position - middle, 0);
    InvertTracker();
}

void CDockingPaneBar::OnLButtonUp(UINT, CPoint point)
{
    if (!m_tracking) {
        Default();
        return;
    }
    bool horizontal = IsHorizontalDock(m_dockSide);
    int position = TrackingPositionOf(point);
    int middle = MiddleAcross(m_trackRect, horizontal);
    if (horizontal)
        m_trackRect.OffsetRect(0, position - middle);
    else
        m_trackRect.OffsetRect(position - middle, 0);
    StopTracking(true);
}

void CDockingPaneBar::OnCaptureChanged(CWnd* window)
{
    if (m_tracking && (window == nullptr || window->m_hWnd != m_hWnd))
        StopTracking(false);
    Default();
}

void CDockingPaneBar::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
    if (m_inPosChange)
        return;
    // Re-docked without a change of size: the edge moves to the new side all the same.
    if (GetDockSide() != m_dockSide) {
        m_inPosChange = true;
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        m_inPosChange = false;
    }
}

int CDockingPaneBar::TrackingPositionOf(CPoint clientPoint) const
{
    CRect window;
    GetWindowRect(&window);
    CPoint point = clientPoint;
    ClientToScreen(&point);
    point.Offset(-window.left, -window.top);
    return IsHorizontalDock(m_dockSide) ? point.y : point.x;
}

void CDockingPaneBar::StartTracking()
{
    m_dockSide = GetDockSide();
    SetCapture();
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_INVALIDATE | RDW_FRAME);
    if (m_pDockSite != nullptr)
        m_pDockSite->LockWindowUpdate();
    m_trackRect = m_edgeRect;
    if (!IsHorizontalDock(m_dockSide))
        m_trackRect.bottom -= 4;
    m_trackStart = MiddleAcross(m_edgeRect, IsHorizontalDock(m_dockSide));
    m_tracking = true;
    InvertTracker();
}

void CDockingPaneBar::StopTracking(bool apply)
{
    InvertTracker();
    if (m_pDockSite != nullptr)
        ::LockWindowUpdate(nullptr);
    m_tracking = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_pDockSite == nullptr)
        return;
    if (apply) {
        CRect frameClient;
        m_pDockSite->GetClientRect(&frameClient);
        bool horizontal = IsHorizontalDock(m_dockSide);
        int end = MiddleAcross(m_trackRect, horizontal);
        if (horizontal)
            m_horzSize.cy = DraggedDockSize(m_dockSide, m_horzSize.cy, m_trackStart, end, frameClient.Height());
        else
            m_vertSize.cx = DraggedDockSize(m_dockSide, m_vertSize.cx, m_trackStart, end, frameClient.Width());
        m_pDockSite->RecalcLayout();
    }
    // The frame and everything in it are painted anew: what the tracker was drawn over, and
    // what the new layout uncovered, may have been painted while the frame was locked.
    m_pDockSite->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CDockingPaneBar::InvertTracker()
{
    if (m_pDockSite == nullptr || m_trackRect.IsRectEmpty())
        return;
    CRect rect = m_trackRect;
    rect.DeflateRect(1, 1);
    CRect bar;
    GetWindowRect(&bar);
    CRect frame;
    m_pDockSite->GetWindowRect(&frame);
    rect.OffsetRect(bar.left - frame.left, bar.top - frame.top);

    static const WORD kHalftone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap pattern;
    CBrush brush;
    if (!pattern.CreateBitmap(8, 8, 1, 1, kHalftone) || !brush.CreatePatternBrush(&pattern))
        return;
    LockedWindowDC dc(m_pDockSite->m_hWnd);
    if (dc.m_hDC == nullptr)
        return;
    ScopedSelectObject selected(dc, brush);
    dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
}

BEGIN_MESSAGE_MAP(CVerticalLabel, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

void CVerticalLabel::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    LOGFONT description = {};
    CFont* font = GetFont();
    HGDIOBJ fontHandle = font != nullptr ? font->m_hObject : ::GetStockObject(DEFAULT_GUI_FONT);
    ::GetObject(fontHandle, sizeof description, &description);
    description.lfEscapement = description.lfOrientation = 900;
    CFont rotated;
    rotated.CreateFontIndirect(&description);
    CString caption;
    GetWindowText(caption);
    dc.IntersectClipRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    ScopedSelectObject selected(dc, rotated);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    dc.TextOut(client.left + 4, client.bottom - 2, caption);
}

BOOL CVerticalLabel::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVerticalLabel::OnSize(UINT, int, int)
{
    Invalidate();
}
