#include "framework/DockBar.h"

#include "framework/Debug.h"
#include "framework/FrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL floating) : m_bFloating(floating) {}

BOOL CDockBar::Create(CWnd* parent, DWORD style, UINT id)
{
    LPCTSTR className = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (className == nullptr)
        return FALSE;
    return CreateBar(0, className, style | WS_VISIBLE | WS_CLIPCHILDREN, 0, parent, id);
}

void CDockBar::InsertBar(CControlBar* bar, int row, int pos, BOOL newRow)
{
    ASSERT(bar != nullptr && bar->m_hWnd != nullptr);
    if (bar->m_pDockBar != nullptr)
        bar->m_pDockBar->RemoveControlBar(bar);
    row = std::max(row, 0);
    if (newRow || row >= GetRowCount()) {
        row = std::min(row, GetRowCount());
        m_rows.insert(m_rows.begin() + row, std::vector<Slot>());
    }
    std::vector<Slot>& slots = m_rows[row];
    auto at = std::find_if(slots.begin(), slots.end(), [pos](const Slot& slot) { return slot.pos > pos; });
    slots.insert(at, Slot{bar, std::max(pos, 0)});
    bar->m_pDockBar = this;
    if (::GetParent(bar->m_hWnd) != m_hWnd)
        bar->SetParent(this);
    // A bar takes the orientation of the side it docks at.
    DWORD side = m_bFloating ? (bar->m_dwStyle & CBRS_ALIGN_ANY) : (m_dwStyle & CBRS_ALIGN_ANY);
    if (side == 0)
        side = CBRS_ALIGN_TOP;
    bar->SetBarStyle((bar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | side | (m_bFloating ? CBRS_FLOATING : 0));
}

void CDockBar::DockControlBar(CControlBar* bar, LPCRECT rect)
{
    if (rect == nullptr) {
        InsertBar(bar, GetRowCount(), 0, TRUE);
        return;
    }
    CRect mine;
    GetWindowRect(&mine);
    BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int along = horz ? rect->left - mine.left : rect->top - mine.top;
    int middle = horz ? (rect->top + rect->bottom) / 2 - mine.top : (rect->left + rect->right) / 2 - mine.left;
    // The rows as they stand without the bar, so that moving it within its own row works.
    if (bar->m_pDockBar == this)
        RemoveControlBar(bar);
    int row = DockRowAt(LayoutDockRows(RowItems(horz, 32767), 32767), middle);
    if (row < 0)
        InsertBar(bar, 0, along, TRUE);
    else
        InsertBar(bar, row, along, row >= GetRowCount());
}

void CDockBar::RemoveControlBar(CControlBar* bar)
{
    for (size_t row = 0; row < m_rows.size(); ++row) {
        std::vector<Slot>& slots = m_rows[row];
        auto found = std::find_if(slots.begin(), slots.end(), [bar](const Slot& slot) { return slot.bar == bar; });
        if (found == slots.end())
            continue;
        slots.erase(found);
        if (slots.empty())
            m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
        break;
    }
    if (bar->m_pDockBar == this)
        bar->m_pDockBar = nullptr;
}

BOOL CDockBar::FindBar(const CControlBar* bar, int* row, int* pos) const
{
    for (size_t r = 0; r < m_rows.size(); ++r) {
        for (const Slot& slot : m_rows[r]) {
            if (slot.bar != bar)
                continue;
            if (row != nullptr)
                *row = static_cast<int>(r);
            if (pos != nullptr)
                *pos = slot.pos;
            return TRUE;
        }
    }
    return FALSE;
}

int CDockBar::GetDockedCount() const
{
    int count = 0;
    for (const std::vector<Slot>& slots : m_rows)
        count += static_cast<int>(slots.size());
    return count;
}

int CDockBar::GetDockedVisibleCount() const
{
    int count = 0;
    for (const std::vector<Slot>& slots : m_rows)
        for (const Slot& slot : slots)
            count += slot.bar->IsVisible() ? 1 : 0;
    return count;
}

std::vector<CControlBar*> CDockBar::GetRowBars(int row) const
{
    std::vector<CControlBar*> bars;
    if (row >= 0 && row < GetRowCount())
        for (const Slot& slot : m_rows[row])
            bars.push_back(slot.bar);
    return bars;
}

CSize CDockBar::BarSize(CControlBar* bar) const
{
    BOOL horz = m_bFloating ? bar->IsHorz() : (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (bar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        DWORD mode = m_bFloating ? (LM_HORZ | LM_MRUWIDTH) : (horz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
        return bar->CalcDynamicLayout(-1, mode);
    }
    return bar->CalcFixedLayout(FALSE, horz);
}

std::vector<std::vector<DockRowItem>> CDockBar::RowItems(BOOL horz, int length) const
{
    std::vector<std::vector<DockRowItem>> rows;
    for (const std::vector<Slot>& slots : m_rows) {
        std::vector<DockRowItem> items;
        for (const Slot& slot : slots) {
            CSize size = BarSize(slot.bar);
            // A bar never reaches past the dock bar.
            int along = std::min(static_cast<int>(horz ? size.cx : size.cy), length);
            int across = horz ? size.cy : size.cx;
            items.push_back(DockRowItem{along, across, slot.pos, slot.bar->IsVisible() != FALSE});
        }
        rows.push_back(std::move(items));
    }
    return rows;
}

int CDockBar::PlaceBars(int length, BOOL apply)
{
    BOOL horz = m_bFloating || (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (m_bFloating)
        length = 32767;
    DockRowsLayout layout = LayoutDockRows(RowItems(horz, length), length);
    if (apply) {
        for (size_t r = 0; r < m_rows.size(); ++r) {
            for (size_t i = 0; i < m_rows[r].size(); ++i) {
                CControlBar* bar = m_rows[r][i].bar;
                if (!bar->IsVisible())
                    continue;
                CRect place = layout.placed[r][i];
                if (!horz)
                    place = CRect(place.top, place.left, place.bottom, place.right);
                bar->SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
                bar->ApplyDelayedShow();
            }
        }
    }
    return layout.thickness;
}

CSize CDockBar::CalcFixedLayout(BOOL, BOOL horz)
{
    CRect client;
    GetClientRect(&client);
    int thickness = PlaceBars(horz ? client.Width() : client.Height(), FALSE);
    return horz ? CSize(32767, thickness) : CSize(thickness, 32767);
}

LRESULT CDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect& room = *reinterpret_cast<CRect*>(&layout->rect);
    BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int length = horz ? room.Width() : room.Height();
    int thickness = PlaceBars(length, layout->hDWP != nullptr);
    CRect place = TakeSideStrip(&room, BarSideOf(m_dwStyle), thickness);
    if (layout->hDWP != nullptr)
        layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, place.left, place.top, place.Width(),
                                        place.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

// --- The floating frame ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_SIZING, OnSizing)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL CMiniDockFrameWnd::Create(CFrameWnd* dockSite, CControlBar* bar)
{
    CString title;
    bar->GetWindowText(title);
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC)
        style |= WS_THICKFRAME;
    LPCTSTR className = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_TOOLWINDOW, className, title, style, 0, 0, 50, 50, dockSite->m_hWnd, nullptr))
        return FALSE;
    if (!m_wndDockBar.Create(this, CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    m_wndDockBar.m_pDockSite = dockSite;
    m_wndDockBar.SetOwner(dockSite);
    m_bAutoDelete = TRUE;
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetBar() const
{
    std::vector<CControlBar*> bars = m_wndDockBar.GetRowBars(0);
    return bars.empty() ? nullptr : bars.front();
}

void CMiniDockFrameWnd::RecalcLayout()
{
    CControlBar* bar = GetBar();
    if (bar == nullptr || m_inLayout)
        return;
    m_inLayout = TRUE;
    CSize size = (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC) ? bar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                         : bar->CalcFixedLayout(FALSE, TRUE);
    CRect window(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    bar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_inLayout = FALSE;
}

void CMiniDockFrameWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    CControlBar* bar = GetBar();
    if (bar == nullptr || m_inLayout || type == SIZE_MINIMIZED)
        return;
    // The user sized the frame: the bar keeps the width it was given.
    if (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC)
        bar->CalcDynamicLayout(cx, LM_HORZ | LM_COMMIT);
    RecalcLayout();
}

void CMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* info)
{
    // As small as the bar inside may be: a caption's usual minimum would leave gaps.
    CRect frame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    info->ptMinTrackSize.x = frame.Width() + 1;
    info->ptMinTrackSize.y = frame.Height() + 1;
}

LRESULT CMiniDockFrameWnd::OnSizing(WPARAM edge, LPARAM lParam)
{
    CControlBar* bar = GetBar();
    if (bar == nullptr || (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC) == 0)
        return Default();
    auto* rect = reinterpret_cast<RECT*>(lParam);
    CRect frame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    int width = (rect->right - rect->left) - frame.Width();
    int height = (rect->bottom - rect->top) - frame.Height();
    bool byHeight = edge == WMSZ_TOP || edge == WMSZ_BOTTOM;
    CSize size = byHeight ? bar->CalcDynamicLayout(height, LM_HORZ | LM_LENGTHY)
                          : bar->CalcDynamicLayout(width, LM_HORZ);
    // Keep the edge the user does not hold where it is.
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
        rect->left = rect->right - (size.cx + frame.Width());
    else
        rect->right = rect->left + size.cx + frame.Width();
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
        rect->top = rect->bottom - (size.cy + frame.Height());
    else
        rect->bottom = rect->top + size.cy + frame.Height();
    return TRUE;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating bar hides it; it comes back through the frame's bar commands.
    if (CControlBar* bar = GetBar()) {
        if (CFrameWnd* site = bar->GetDockingFrame()) {
            site->ShowControlBar(bar, FALSE, FALSE);
            return;
        }
    }
    ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT hitTest, CPoint point)
{
    CControlBar* bar = GetBar();
    if (hitTest == HTCAPTION && bar != nullptr && bar->GetDockStyle() != 0) {
        ::SetActiveWindow(m_hWnd);
        bar->StartDrag(point);
        return;
    }
    Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT hitTest, CPoint)
{
    CControlBar* bar = GetBar();
    if (hitTest == HTCAPTION && bar != nullptr && bar->GetDockStyle() != 0) {
        bar->ToggleDocking();
        return;
    }
    Default();
}

LRESULT CMiniDockFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    if (IsWindowVisible())
        SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, lParam, TRUE);
    return 0;
}

void CMiniDockFrameWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
