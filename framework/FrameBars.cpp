// The frame's side of control bars: docking, floating, showing, idle updates, status-line
// prompts and tool tips, and the saved arrangement.
#include "framework/FrameWnd.h"

#include "framework/BarState.h"
#include "framework/CmdUI.h"
#include "framework/Debug.h"
#include "framework/DockBar.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// The frame's dock bars, in the order they take their room: top and bottom span the whole
// width, left and right what is left between them.
const struct {
    DWORD side;
    UINT id;
} kDockBars[] = {
    {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
    {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
    {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
    {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT},
};

bool IsDockBarId(UINT id)
{
    return id >= AFX_IDW_DOCKBAR_TOP && id <= AFX_IDW_DOCKBAR_FLOAT;
}

CMiniDockFrameWnd* FloatingFrameOf(const CControlBar* bar)
{
    if (!bar->IsFloating())
        return nullptr;
    return dynamic_cast<CMiniDockFrameWnd*>(bar->GetDockBar()->GetParent());
}

// Shows or hides the small frame of a floating bar with the bar.
void SyncFloatingFrame(const CControlBar* bar)
{
    if (CMiniDockFrameWnd* frame = FloatingFrameOf(bar)) {
        BOOL show = (bar->GetStyle() & WS_VISIBLE) != 0;
        if (show != frame->IsWindowVisible())
            frame->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    }
}

} // namespace

void CFrameWnd::AddControlBar(CControlBar* bar)
{
    if (m_listControlBars.Find(bar) == nullptr)
        m_listControlBars.AddTail(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar)
{
    if (POSITION position = m_listControlBars.Find(bar))
        m_listControlBars.RemoveAt(position);
}

CControlBar* CFrameWnd::GetControlBar(UINT id) const
{
    for (POSITION position = m_listControlBars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(position));
        if (bar->m_hWnd != nullptr && static_cast<UINT>(bar->GetDlgCtrlID()) == id)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::OnBarCheck(UINT id)
{
    if (CControlBar* bar = GetControlBar(id)) {
        ShowControlBar(bar, !bar->IsVisible(), FALSE);
        return;
    }
    // A document window's frame sees the command first: the bars are its main frame's.
    for (CWnd* outer = GetParent(); outer != nullptr; outer = outer->GetParent())
        if (auto* frame = dynamic_cast<CFrameWnd*>(outer)) {
            frame->OnBarCheck(id);
            return;
        }
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* cmdUI)
{
    CControlBar* bar = GetControlBar(cmdUI->m_nID);
    if (bar == nullptr) {
        cmdUI->ContinueRouting();
        return;
    }
    cmdUI->SetCheck(bar->IsVisible());
}

CDockBar* CFrameWnd::GetDockBar(UINT dockBarId) const
{
    if (!IsDockBarId(dockBarId) || dockBarId == AFX_IDW_DOCKBAR_FLOAT)
        return nullptr;
    return dynamic_cast<CDockBar*>(GetControlBar(dockBarId));
}

void CFrameWnd::EnableDocking(DWORD dockStyle)
{
    for (const auto& side : kDockBars) {
        if ((dockStyle & side.side) == 0 || GetDockBar(side.id) != nullptr)
            continue;
        // Freed by its window only once it has one: a failed creation leaves it to us.
        auto* dockBar = new CDockBar;
        if (!dockBar->Create(this, side.side, side.id))
            delete dockBar;
        else
            dockBar->m_bAutoDelete = TRUE;
    }
}

UINT CFrameWnd::CanDockAt(const CControlBar* bar, DWORD sides) const
{
    for (const auto& side : kDockBars)
        if ((sides & side.side & bar->GetDockStyle()) != 0 && GetDockBar(side.id) != nullptr)
            return side.id;
    return 0;
}

UINT CFrameWnd::DockBarAtPoint(const CControlBar* bar, CPoint point, int margin) const
{
    for (const auto& side : kDockBars) {
        CDockBar* dockBar = GetDockBar(side.id);
        if (dockBar == nullptr || (bar->GetDockStyle() & side.side) == 0)
            continue;
        CRect rect;
        dockBar->GetWindowRect(&rect);
        rect.InflateRect(margin, margin);
        if (rect.PtInRect(point))
            return side.id;
    }
    return 0;
}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, LPCRECT rect)
{
    ASSERT(bar != nullptr && bar->m_hWnd != nullptr);
    if (dockBarId == 0) {
        // The side the bar is aligned to, when it may dock there; else the first it may.
        dockBarId = CanDockAt(bar, bar->GetBarStyle() & CBRS_ALIGN_ANY);
        if (dockBarId == 0)
            dockBarId = CanDockAt(bar, CBRS_ALIGN_ANY);
    }
    CDockBar* dockBar = GetDockBar(dockBarId);
    ASSERT(dockBar != nullptr);
    if (dockBar == nullptr)
        return;
    CMiniDockFrameWnd* oldFrame = FloatingFrameOf(bar);
    dockBar->DockControlBar(bar, rect);
    bar->m_mruDockBarId = dockBarId;
    if (oldFrame != nullptr && oldFrame->m_wndDockBar.GetDockedCount() == 0)
        oldFrame->DestroyWindow();
    RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* bar, CPoint point, DWORD style)
{
    ASSERT(bar != nullptr && bar->m_hWnd != nullptr);
    CMiniDockFrameWnd* frame = FloatingFrameOf(bar);
    if (frame == nullptr) {
        if (CDockBar* dockBar = bar->GetDockBar()) {
            bar->m_mruDockBarId = static_cast<UINT>(dockBar->GetDlgCtrlID());
            bar->GetWindowRect(&bar->m_mruDockRect);
        }
        frame = new CMiniDockFrameWnd;
        if (!frame->Create(this, bar)) {
            delete frame;
            return;
        }
        DWORD side = style & CBRS_ALIGN_ANY;
        bar->SetBarStyle((bar->GetBarStyle() & ~CBRS_ALIGN_ANY) | (side != 0 ? side : CBRS_ALIGN_TOP));
        frame->m_wndDockBar.InsertBar(bar, 0, 0, TRUE);
        frame->RecalcLayout();
    }
    frame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    bar->m_floatPoint = point;
    SyncFloatingFrame(bar);
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL delay)
{
    ASSERT(bar != nullptr);
    if (delay) {
        bar->DelayShow(show);
        return;
    }
    bar->m_delayedShow = show ? 1 : 0;
    bar->ApplyDelayedShow();
    SyncFloatingFrame(bar);
    RecalcLayout();
}

void CFrameWnd::DelayRecalcLayout(BOOL)
{
    m_bDelayedLayout = TRUE;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_bDelayedLayout) {
        m_bDelayedLayout = FALSE;
        for (POSITION position = m_listControlBars.GetHeadPosition(); position != nullptr;) {
            auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(position));
            bar->ApplyDelayedShow();
            SyncFloatingFrame(bar);
        }
        RecalcLayout();
    }
    for (POSITION position = m_listControlBars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(position));
        if (bar->IsFloating() && bar->IsVisible())
            bar->SendMessage(WM_IDLEUPDATECMDUI, wParam);
    }
    return 0;
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    if (wParam != 0)
        SetMessageText(static_cast<UINT>(wParam));
    else
        SetMessageText(reinterpret_cast<LPCTSTR>(lParam));
    return 0;
}

BOOL CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (CWnd::OnNotify(wParam, lParam, result))
        return TRUE;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_NEEDTEXTA || header->code == TTN_NEEDTEXTW)
        return OnToolTipText(header, result);
    return FALSE;
}

BOOL CFrameWnd::OnToolTipText(NMHDR* header, LRESULT* result)
{
    // Both forms start alike up to the flags.
    auto* tipA = reinterpret_cast<NMTTDISPINFOA*>(header);
    UINT_PTR id = header->idFrom;
    if (tipA->uFlags & TTF_IDISHWND)
        id = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(id)));
    m_toolTipText.Empty();
    CString full;
    if (id != 0 && full.LoadString(static_cast<UINT>(id))) {
        int split = full.Find('\n');
        if (split >= 0)
            m_toolTipText = full.Mid(split + 1);
    }
    if (header->code == TTN_NEEDTEXTA) {
        tipA->hinst = nullptr;
        tipA->szText[0] = '\0';
        tipA->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_toolTipText));
    } else {
        auto* tipW = reinterpret_cast<NMTTDISPINFOW*>(header);
        int length = ::MultiByteToWideChar(CP_ACP, 0, m_toolTipText, -1, nullptr, 0);
        m_toolTipTextW.assign(static_cast<size_t>(std::max(length, 1)), L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, m_toolTipText, -1, &m_toolTipTextW[0], length);
        tipW->hinst = nullptr;
        tipW->szText[0] = L'\0';
        tipW->lpszText = &m_toolTipTextW[0];
    }
    if (result != nullptr)
        *result = 0;
    // Keep the tip above the frame's other windows.
    ::SetWindowPos(header->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

// --- Bar state -------------------------------------------------------------------------------

void CFrameWnd::SaveBarState(LPCTSTR section) const
{
    CWinApp* application = AfxGetApp();
    if (application == nullptr)
        return;
    std::vector<BarStateEntry> entries;
    for (POSITION position = m_listControlBars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(position));
        UINT id = static_cast<UINT>(bar->GetDlgCtrlID());
        if (id == 0 || IsDockBarId(id))
            continue;
        BarStateEntry entry;
        entry.id = id;
        entry.visible = bar->IsVisible() ? 1 : 0;
        entry.floating = bar->IsFloating() ? 1 : 0;
        entry.floatPoint = bar->m_floatPoint;
        if (CMiniDockFrameWnd* frame = FloatingFrameOf(bar)) {
            CRect rect;
            frame->GetWindowRect(&rect);
            entry.floatPoint = rect.TopLeft();
        } else if (CDockBar* dockBar = bar->GetDockBar()) {
            entry.dockBarId = static_cast<UINT>(dockBar->GetDlgCtrlID());
            dockBar->FindBar(bar, &entry.row, &entry.pos);
        }
        entries.push_back(entry);
    }
    WriteBarState(*application, section, entries);
}

void CFrameWnd::LoadBarState(LPCTSTR section)
{
    CWinApp* application = AfxGetApp();
    std::vector<BarStateEntry> entries;
    if (application == nullptr || !ReadBarState(*application, section, &entries))
        return;
    std::vector<BarStateTarget> targets;
    for (POSITION position = m_listControlBars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(position));
        UINT id = static_cast<UINT>(bar->GetDlgCtrlID());
        if (id != 0 && !IsDockBarId(id))
            targets.push_back(BarStateTarget{id, bar->GetDockBar() != nullptr ? bar->GetDockStyle() : 0});
    }
    if (!IsUsableBarState(entries, targets))
        return;

    // Docked bars go back row by row in order, each dock bar's saved rows after the rows of
    // the bars the state does not mention.
    std::vector<const BarStateEntry*> docked;
    for (const BarStateEntry& entry : entries)
        if (!entry.floating && entry.dockBarId != 0)
            docked.push_back(&entry);
    std::sort(docked.begin(), docked.end(), [](const BarStateEntry* a, const BarStateEntry* b) {
        return std::tie(a->dockBarId, a->row, a->pos) < std::tie(b->dockBarId, b->row, b->pos);
    });
    for (const BarStateEntry* entry : docked) {
        CControlBar* bar = GetControlBar(entry->id);
        CMiniDockFrameWnd* oldFrame = FloatingFrameOf(bar);
        if (CDockBar* old = bar->GetDockBar())
            old->RemoveControlBar(bar);
        if (oldFrame != nullptr)
            oldFrame->DestroyWindow();
    }
    std::map<UINT, std::pair<int, int>> lastRow;  // dock bar: saved row, row it became
    for (const BarStateEntry* entry : docked) {
        CControlBar* bar = GetControlBar(entry->id);
        CDockBar* dockBar = GetDockBar(entry->dockBarId);
        auto last = lastRow.find(entry->dockBarId);
        bool sameRow = last != lastRow.end() && last->second.first == entry->row;
        int row = sameRow ? last->second.second : dockBar->GetRowCount();
        dockBar->InsertBar(bar, row, entry->pos, !sameRow);
        bar->m_mruDockBarId = entry->dockBarId;
        lastRow[entry->dockBarId] = std::make_pair(entry->row, row);
    }
    for (const BarStateEntry& entry : entries) {
        CControlBar* bar = GetControlBar(entry.id);
        if (entry.floating)
            FloatControlBar(bar, entry.floatPoint);
        bar->m_delayedShow = entry.visible;
        bar->ApplyDelayedShow();
        SyncFloatingFrame(bar);
    }
    RecalcLayout();
}
