#include "framework/ControlBar.h"

#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kEdge = 2;          // a CBRS_BORDER_* edge
constexpr int kGripper = 8;       // the strip a docked bar is dragged by
constexpr int kDragThreshold = 4; // a press that moves less than this is a click
constexpr int kDockMargin = 12;   // how near a dock bar's edge a drop still docks

// Keeps the mouse captured for a drag and lets it go however the drag ends.
class CaptureGuard {
public:
    explicit CaptureGuard(HWND window) { ::SetCapture(window); }
    ~CaptureGuard() { ::ReleaseCapture(); }
    CaptureGuard(const CaptureGuard&) = delete;
    CaptureGuard& operator=(const CaptureGuard&) = delete;
};

// The rectangle that follows the mouse while a bar is dragged, drawn inverted on the screen
// so that drawing it again takes it away.
class DragFeedback {
public:
    DragFeedback() : m_dc(nullptr) {}
    ~DragFeedback() { Hide(); }
    DragFeedback(const DragFeedback&) = delete;
    DragFeedback& operator=(const DragFeedback&) = delete;

    void Show(const CRect& rect)
    {
        Hide();
        m_rect = rect;
        m_dc.DrawFocusRect(&m_rect);
        m_shown = true;
    }
    void Hide()
    {
        if (m_shown)
            m_dc.DrawFocusRect(&m_rect);
        m_shown = false;
    }

private:
    CWindowDC m_dc;
    CRect m_rect;
    bool m_shown = false;
};

CPoint ScreenPointOf(const MSG& msg)
{
    CPoint point(static_cast<DWORD>(msg.lParam));
    ::ClientToScreen(msg.hwnd, &point);
    return point;
}

} // namespace

DWORD DockBarAlignment(UINT dockBarId)
{
    switch (dockBarId) {
    case AFX_IDW_DOCKBAR_TOP:
        return CBRS_ALIGN_TOP;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return CBRS_ALIGN_BOTTOM;
    case AFX_IDW_DOCKBAR_LEFT:
        return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT:
        return CBRS_ALIGN_RIGHT;
    default:
        return 0;
    }
}

BarSide BarSideOf(DWORD alignment)
{
    if (alignment & CBRS_ALIGN_BOTTOM)
        return BarSide::kBottom;
    if (alignment & CBRS_ALIGN_LEFT)
        return BarSide::kLeft;
    if (alignment & CBRS_ALIGN_RIGHT)
        return BarSide::kRight;
    return BarSide::kTop;
}

IMPLEMENT_DYNAMIC_ROOT(CControlBar)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    // Here rather than in CWnd's destructor, so that OnDestroy still takes the bar out of
    // its dock bar and its frame's list.
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CControlBar::SetBarStyle(DWORD style)
{
    DWORD old = m_dwStyle;
    m_dwStyle = style & CBRS_ALL;
    // Borders and the gripper live in the non-client area: let it be measured again.
    if (m_hWnd != nullptr && ((old ^ m_dwStyle) & (CBRS_BORDER_ANY | CBRS_GRIPPER | CBRS_ALIGN_ANY)) != 0)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(int left, int top, int right, int bottom)
{
    m_cxLeftBorder = left;
    m_cyTopBorder = top;
    m_cxRightBorder = right;
    m_cyBottomBorder = bottom;
}

void CControlBar::EnableDocking(DWORD dockStyle)
{
    m_dwDockStyle = dockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
}

BOOL CControlBar::IsFloating() const
{
    return m_pDockBar != nullptr && m_pDockBar->IsFloatingDockBar();
}

BOOL CControlBar::IsHorz() const
{
    return (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
}

BOOL CControlBar::IsVisible() const
{
    if (m_delayedShow >= 0)
        return m_delayedShow;
    return m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
}

CWnd* CControlBar::GetOwner() const
{
    if (m_hWndOwner != nullptr)
        return CWnd::FromHandle(m_hWndOwner);
    if (m_pDockSite != nullptr)
        return m_pDockSite;
    return GetParent();
}

BOOL CControlBar::CreateBar(DWORD exStyle, LPCTSTR className, DWORD style, DWORD controlStyle, CWnd* parent,
                            UINT id)
{
    ASSERT(parent != nullptr);
    if (parent == nullptr)
        return FALSE;
    m_dwStyle = style & CBRS_ALL;
    if (m_hWndOwner == nullptr)
        m_hWndOwner = parent->m_hWnd;
    m_pDockSite = dynamic_cast<CFrameWnd*>(parent);
    DWORD windowStyle = (style & ~CBRS_ALL) | (controlStyle & 0xFFFF) | WS_CHILD | WS_CLIPSIBLINGS;
    if (!CreateEx(exStyle, className, nullptr, windowStyle, CRect(0, 0, 0, 0), parent, id))
        return FALSE;
    if (m_pDockSite != nullptr)
        m_pDockSite->AddControlBar(this);
    // The non-client area was measured before the bar style was known.
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

void CControlBar::OnDestroy()
{
    if (m_pDockBar != nullptr)
        m_pDockBar->RemoveControlBar(this);
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        // What the bar's own map does not take goes to the owner frame.
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result))
            return result;
        CWnd* owner = GetOwner();
        if (owner != nullptr && owner->m_hWnd != m_hWnd)
            return owner->SendMessage(message, wParam, lParam);
        break;
    }
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CSize CControlBar::SizeAround(CSize content, BOOL stretch, BOOL horz) const
{
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, horz);
    CSize size(content.cx - inside.Width(), content.cy - inside.Height());
    if (stretch) {
        if (horz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

CSize CControlBar::CalcFixedLayout(BOOL stretch, BOOL horz)
{
    // The borders alone: a bar with nothing in it.
    return SizeAround(CSize(0, 0), stretch, horz);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD mode)
{
    return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL horz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += kEdge;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += kEdge;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kEdge;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kEdge;
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        if (horz)
            rect.left += kGripper;
        else
            rect.top += kGripper;
    }
    rect.DeflateRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

void CControlBar::DelayShow(BOOL show)
{
    m_delayedShow = show ? 1 : 0;
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
}

BOOL CControlBar::ApplyDelayedShow()
{
    if (m_delayedShow < 0 || m_hWnd == nullptr)
        return FALSE;
    BOOL show = m_delayedShow;
    m_delayedShow = -1;
    BOOL wasVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (wasVisible == show)
        return FALSE;
    ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!IsVisible() || (m_dwStyle & CBRS_ALIGN_ANY) == 0)
        return 0;
    CRect* room = reinterpret_cast<CRect*>(&layout->rect);
    BOOL horz = IsHorz();
    CSize size = CalcFixedLayout(layout->bStretch, horz);
    CRect place = TakeSideStrip(room, BarSideOf(m_dwStyle), horz ? size.cy : size.cx);
    // Unstretched, the bar is only as long as it wants to be.
    if (!layout->bStretch) {
        if (horz)
            place.right = place.left + std::min<LONG>(size.cx, place.Width());
        else
            place.bottom = place.top + std::min<LONG>(size.cy, place.Height());
    }
    if (layout->hDWP != nullptr)
        layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, place.left, place.top, place.Width(),
                                        place.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!IsVisible())
        return 0;
    auto* target = dynamic_cast<CFrameWnd*>(GetOwner());
    if (target == nullptr)
        target = m_pDockSite;
    if (target != nullptr)
        OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
    return 0;
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params)
{
    CRect rect(params->rgrc[0]);
    CalcInsideRect(rect, IsHorz());
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    params->rgrc[0] = rect;
}

void CControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(&window);
    window.OffsetRect(-window.left, -window.top);
    CRect inside = window;
    CalcInsideRect(inside, IsHorz());
    // Only the frame around the client area: the client paints itself.
    dc.ExcludeClipRect(&inside);
    dc.FillSolidRect(&window, ::GetSysColor(COLOR_BTNFACE));
    UINT sides = 0;
    if (m_dwStyle & CBRS_BORDER_LEFT)
        sides |= BF_LEFT;
    if (m_dwStyle & CBRS_BORDER_TOP)
        sides |= BF_TOP;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        sides |= BF_RIGHT;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        sides |= BF_BOTTOM;
    CRect edge = window;
    if (sides != 0)
        dc.DrawEdge(&edge, EDGE_ETCHED, sides | BF_ADJUST);
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        CRect grip = edge;
        if (IsHorz()) {
            grip.DeflateRect(2, 3);
            grip.right = grip.left + 3;
        } else {
            grip.DeflateRect(3, 2);
            grip.bottom = grip.top + 3;
        }
        dc.Draw3dRect(&grip, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
}

LRESULT CControlBar::OnNcHitTest(CPoint)
{
    // Borders and gripper answer as client area, so a press there reaches OnLButtonDown.
    return HTCLIENT;
}

BOOL CControlBar::IsBackgroundPoint(CPoint clientPoint) const
{
    CRect client;
    GetClientRect(&client);
    return !client.PtInRect(clientPoint);
}

void CControlBar::OnLButtonDown(UINT, CPoint point)
{
    if (m_pDockSite != nullptr && m_pDockBar != nullptr && IsBackgroundPoint(point)) {
        ClientToScreen(&point);
        StartDrag(point);
        return;
    }
    Default();
}

void CControlBar::OnLButtonDblClk(UINT, CPoint point)
{
    if (m_pDockSite != nullptr && m_pDockBar != nullptr && IsBackgroundPoint(point)) {
        ToggleDocking();
        return;
    }
    Default();
}

void CControlBar::ToggleDocking()
{
    CFrameWnd* site = m_pDockSite;
    if (site == nullptr || m_pDockBar == nullptr)
        return;
    if (IsFloating()) {
        UINT dockBarId = m_mruDockBarId;
        if ((DockBarAlignment(dockBarId) & m_dwDockStyle) == 0)
            dockBarId = site->CanDockAt(this, m_dwDockStyle);
        if (dockBarId != 0)
            site->DockControlBar(this, dockBarId, m_mruDockRect.IsRectNull() ? nullptr : &m_mruDockRect);
        return;
    }
    CPoint point = m_floatPoint;
    if (point.x == -1 && point.y == -1) {
        CRect window;
        GetWindowRect(&window);
        point = window.TopLeft() + CSize(kGripper, kGripper);
    }
    site->FloatControlBar(this, point);
}

void CControlBar::StartDrag(CPoint start)
{
    CFrameWnd* site = m_pDockSite;
    if (site == nullptr || m_pDockBar == nullptr)
        return;
    CRect barRect;
    CWnd* moved = IsFloating() ? m_pDockBar->GetParent() : this;
    moved->GetWindowRect(&barRect);
    CSize grab = start - barRect.TopLeft();
    CPoint point = start;
    bool drop = false;
    {
        CaptureGuard capture(m_hWnd);
        DragFeedback feedback;
        bool moving = false;
        while (::GetCapture() == m_hWnd) {
            MSG msg;
            if (!::GetMessageA(&msg, nullptr, 0, 0)) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
                point = ScreenPointOf(msg);
                moving = moving || std::abs(point.x - start.x) >= kDragThreshold ||
                         std::abs(point.y - start.y) >= kDragThreshold;
                if (msg.message == WM_LBUTTONUP) {
                    drop = moving;
                    break;
                }
                if (moving)
                    feedback.Show(CRect(point - grab, barRect.Size()));
            } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN) {
                break;
            } else {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    if (!drop)
        return;
    CPoint topLeft = point - grab;
    UINT dockBarId = site->DockBarAtPoint(this, point, kDockMargin);
    if (dockBarId != 0) {
        BOOL horz = (DockBarAlignment(dockBarId) & CBRS_ORIENT_HORZ) != 0;
        CSize size = CalcFixedLayout(FALSE, horz);
        CRect rect(topLeft, size);
        site->DockControlBar(this, dockBarId, &rect);
    } else {
        site->FloatControlBar(this, topLeft);
    }
}
