#include "framework/DialogBar.h"

#include "framework/CommonControls.h"
#include "framework/Debug.h"
#include "framework/AppState.h"
#include "framework/Dialog.h"
#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

CDialogBar::CDialogBar() = default;

BOOL CDialogBar::Create(CWnd* parent, UINT templateId, UINT style, UINT id)
{
    return Create(parent, MAKEINTRESOURCEA(templateId), style, id);
}

BOOL CDialogBar::Create(CWnd* parent, LPCTSTR templateName, UINT style, UINT id)
{
    ASSERT(parent != nullptr && m_hWnd == nullptr);
    if (parent == nullptr || m_hWnd != nullptr)
        return FALSE;
    AfxInitCommonControls();
    m_dwStyle = style & CBRS_ALL;
    if (m_hWndOwner == nullptr)
        m_hWndOwner = parent->m_hWnd;
    m_pDockSite = dynamic_cast<CFrameWnd*>(parent);
    HWND hWnd;
    {
        WndCreateHook hook(this);
        hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), templateName, parent->m_hWnd, &AfxDlgProc, 0);
    }
    if (hWnd == nullptr)
        return FALSE;
    ASSERT(hWnd == m_hWnd);
    // The template decides the controls; the bar decides its window's place and look.
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME, WS_CHILD | WS_CLIPSIBLINGS);
    ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE, 0);
    SetDlgCtrlID(static_cast<int>(id));
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    if (m_pDockSite != nullptr)
        m_pDockSite->AddControlBar(this);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (style & WS_VISIBLE)
        ShowWindow(SW_SHOWNA);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL stretch, BOOL horz)
{
    return SizeAround(m_sizeDefault, stretch, horz);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    UpdateDialogControls(target, disableIfNoHandler);
}

BOOL CDialogBar::IsBackgroundPoint(CPoint clientPoint) const
{
    // Anywhere but on a control.
    HWND child = ::ChildWindowFromPointEx(m_hWnd, clientPoint, CWP_SKIPINVISIBLE);
    return child == nullptr || child == m_hWnd;
}
