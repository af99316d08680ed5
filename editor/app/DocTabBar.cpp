#include "editor/app/DocTabBar.h"

#include "editor/res/resource.h"
#include "editor/shell/FrameGeometry.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/MdiFrameWnd.h"
#include "framework/AppState.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CDocTabBar, CDialogBar)
    ON_WM_SIZE()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

BOOL CDocTabBar::Create(CWnd* parent, UINT id)
{
    if (!CDialogBar::Create(parent, IDD_DOC_TAB_BAR, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, id))
        return FALSE;
    if (!m_tabs.SubclassDlgItem(IDC_DOC_TABS, this))
        return FALSE;
    if (m_images.Create(IDB_TAB_IMAGES, 12, 0, RGB(255, 0, 255)))
        m_tabs.SetImageList(&m_images);
    return TRUE;
}

int CDocTabBar::FindTab(CWnd* window) const
{
    for (int i = 0; i < m_tabs.GetItemCount(); ++i)
        if (GetTabWindow(i) == window)
            return i;
    return -1;
}

CWnd* CDocTabBar::GetTabWindow(int index) const
{
    TCITEM item = {};
    item.mask = TCIF_PARAM;
    if (!m_tabs.GetItem(index, &item))
        return nullptr;
    return reinterpret_cast<CWnd*>(item.lParam);
}

int CDocTabBar::GetTabImage(int index) const
{
    TCITEM item = {};
    item.mask = TCIF_IMAGE;
    return m_tabs.GetItem(index, &item) ? item.iImage : -1;
}

void CDocTabBar::AddTab(CWnd* window)
{
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<char*>("");
    item.iImage = 0;
    item.lParam = reinterpret_cast<LPARAM>(window);
    m_tabs.InsertItem(m_tabs.GetItemCount(), &item);
}

void CDocTabBar::RemoveTab(CWnd* window)
{
    int index = FindTab(window);
    if (index >= 0)
        m_tabs.DeleteItem(index);
}

void CDocTabBar::SelectTab(CWnd* window)
{
    int index = FindTab(window);
    if (index >= 0)
        m_tabs.SetCurSel(index);
}

void CDocTabBar::UpdateTabTitle(CWnd* window, int maxTitleBytes)
{
    int index = FindTab(window);
    if (index < 0)
        return;
    CString title;
    window->GetWindowText(title);
    auto* frame = dynamic_cast<CFrameWnd*>(window);
    CDocument* document = frame != nullptr ? frame->GetActiveDocument() : nullptr;
    if (title.IsEmpty() && document != nullptr)
        title = document->GetTitle();
    CString text = TabTitleFor(title, maxTitleBytes);
    int image = document != nullptr && document->IsModified() ? 1 : 0;
    if (text == m_tabs.GetItemText(index) && image == GetTabImage(index))
        return;
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(static_cast<const char*>(text));
    item.iImage = image;
    m_tabs.SetItem(index, &item);
}

CWnd* CDocTabBar::StepFromSelection(int step) const
{
    int count = m_tabs.GetItemCount();
    int selected = m_tabs.GetCurSel();
    if (count == 0 || selected < 0)
        return nullptr;
    return GetTabWindow((selected + step + count) % count);
}

CWnd* CDocTabBar::GetNextTabWindow() const
{
    return StepFromSelection(1);
}

CWnd* CDocTabBar::GetPrevTabWindow() const
{
    return StepFromSelection(-1);
}

CSize CDocTabBar::CalcFixedLayout(BOOL, BOOL)
{
    CWnd* main = AfxGetApp() != nullptr ? AfxGetApp()->GetMainWnd() : nullptr;
    RECT outer = {0, 0, 400, 0};
    if (main != nullptr && main->m_hWnd != nullptr)
        main->GetWindowRect(&outer);
    return CSize(outer.right - outer.left - 4, 30);
}

CSize CDocTabBar::CalcDynamicLayout(int, DWORD)
{
    return CalcFixedLayout(TRUE, TRUE);
}

void CDocTabBar::OnSize(UINT, int cx, int cy)
{
    Default();
    if (m_tabs.m_hWnd != nullptr)
        m_tabs.MoveWindow(2, 5, cx > 4 ? cx - 4 : 0, cy > 5 ? cy - 5 : 0);
}

void CDocTabBar::Activate(CWnd* window) const
{
    auto* frame = dynamic_cast<CMDIFrameWnd*>(AfxGetApp()->GetMainWnd());
    if (frame != nullptr && window != nullptr)
        frame->MDIActivate(window);
}

BOOL CDocTabBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom == m_tabs.m_hWnd && header->code == TCN_SELCHANGE) {
        Activate(GetTabWindow(m_tabs.GetCurSel()));
        return TRUE;
    }
    return CDialogBar::OnNotify(wParam, lParam, result);
}

void CDocTabBar::OnContextMenu(CWnd*, CPoint point)
{
    if (point.x == -1 && point.y == -1) {
        RECT rect;
        GetWindowRect(&rect);
        point = CPoint(rect.left + 8, rect.top + 8);
    }
    TCHITTESTINFO hit = {};
    hit.pt = point;
    ::ScreenToClient(m_tabs.m_hWnd, &hit.pt);
    int index = m_tabs.HitTest(hit.pt);
    if (index >= 0)
        Activate(GetTabWindow(index));
    HMENU menu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_TAB_MENU));
    if (menu == nullptr)
        return;
    HMENU popup = ::GetSubMenu(menu, index >= 0 ? 1 : 0);
    ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, point.x, point.y, 0, AfxGetApp()->GetMainWnd()->m_hWnd, nullptr);
    ::DestroyMenu(menu);
}
