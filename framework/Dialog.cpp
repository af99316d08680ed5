#include "framework/Dialog.h"

#include "framework/AppState.h"
#include "framework/Debug.h"
#include "framework/DialogDriver.h"
#include "framework/DialogListItems.h"
#include "framework/WinApp.h"
#include "framework/WndThreadState.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)), m_nIDHelp(templateId), m_pParentWnd(parent)
{
}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent)
    : m_lpszTemplateName(templateName), m_pParentWnd(parent)
{
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (dialog == nullptr)
        return TRUE;
    // The dialog manager's frames lie between here and the window procedure: nothing may
    // pass them.
    try {
        return dialog->OnInitDialog();
    } catch (...) {
        ReportWindowProcedureException();
        dialog->EndDialog(-1);
        return FALSE;
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    LRESULT result = Default();
    DialogDriver::NotifyInitialized(m_hWnd);
    return result;
}

BOOL CDialog::OnInitDialog()
{
    if (m_lpszTemplateName != nullptr && !LoadDialogListItems(this, m_lpszTemplateName)) {
        EndDialog(-1);
        return FALSE;
    }
    UpdateData(FALSE);
    return TRUE;
}

LPCDLGTEMPLATE CDialog::LoadTemplate() const
{
    if (m_lpDialogTemplate != nullptr)
        return m_lpDialogTemplate;
    if (m_lpszTemplateName == nullptr)
        return nullptr;
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(module, m_lpszTemplateName, reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (resource == nullptr)
        return nullptr;
    HGLOBAL loaded = ::LoadResource(module, resource);
    return loaded ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE dialogTemplate, HWND owner)
{
    if (dialogTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    HWND hWnd;
    {
        WndCreateHook hook(this);
        hWnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), dialogTemplate, owner, &AfxDlgProc, 0);
    }
    ASSERT(hWnd == nullptr || hWnd == m_hWnd);
    return hWnd != nullptr;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    return Create(MAKEINTRESOURCEA(templateId), parent);
}

BOOL CDialog::Create(LPCTSTR templateName, CWnd* parent)
{
    m_lpszTemplateName = templateName;
    m_pParentWnd = parent;
    LPCDLGTEMPLATE dialogTemplate = LoadTemplate();
    return CreateFromTemplate(dialogTemplate, parent ? parent->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent)
{
    m_pParentWnd = parent;
    return CreateFromTemplate(dialogTemplate, parent ? parent->m_hWnd : nullptr);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent)
{
    m_lpDialogTemplate = dialogTemplate;
    m_pParentWnd = parent;
    return dialogTemplate != nullptr;
}

HWND CDialog::ModalOwner() const
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr) {
        CWnd* mainWnd = AfxGetMainWnd();
        owner = mainWnd ? mainWnd->m_hWnd : ::GetActiveWindow();
    }
    if (owner != nullptr && !::IsWindow(owner))
        owner = nullptr;
    // A popup cannot be owned by a child window.
    while (owner != nullptr && (::GetWindowLongA(owner, GWL_STYLE) & WS_CHILD) != 0)
        owner = ::GetParent(owner);
    // Without a parent given, a dialog opened from another dialog belongs to that one; so
    // does one whose parent that dialog holds disabled (a command that reached the main window
    // during a transfer, say). Owned by the disabled window, it would activate that window at
    // its end, where the focus cannot pass on to a child, and the caret would be lost.
    if (owner != nullptr && (m_pParentWnd == nullptr || !::IsWindowEnabled(owner)))
        owner = ::GetLastActivePopup(owner);
    return owner;
}

int CDialog::DoModal()
{
    ASSERT(!m_inModalLoop);
    LPCDLGTEMPLATE dialogTemplate = LoadTemplate();
    if (dialogTemplate == nullptr || m_inModalLoop)
        return -1;
    HWND owner = ModalOwner();
    bool ownerDisabled = false;
    if (owner != nullptr && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        ownerDisabled = true;
    }
    m_modalResult = -1;
    m_continueModal = true;
    m_inModalLoop = true;
    if (CreateFromTemplate(dialogTemplate, owner)) {
        if (m_continueModal) {
            if (!IsWindowVisible())
                ShowWindow(SW_SHOWNORMAL);
            RunModalLoop();
        }
        // Hide before the owner comes back, so the owner is activated, not another program.
        if (m_hWnd != nullptr)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (ownerDisabled)
        ::EnableWindow(owner, TRUE);
    if (owner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    if (m_hWnd != nullptr)
        DestroyWindow();
    m_inModalLoop = false;
    m_continueModal = false;
    return m_modalResult;
}

int CDialog::RunModalLoop()
{
    BOOL idle = TRUE;
    LONG idleCount = 0;
    MSG peeked;
    while (m_continueModal) {
        while (idle && m_continueModal && !::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = FALSE;
        }
        do {
            if (!m_continueModal)
                break;
            if (!AfxPumpMessage()) {
                // WM_QUIT ends the dialog and is passed on to the outer loop.
                ::PostQuitMessage(0);
                m_modalResult = -1;
                m_continueModal = false;
                break;
            }
            idle = TRUE;
            idleCount = 0;
        } while (m_continueModal && ::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE));
    }
    return m_modalResult;
}

void CDialog::EndDialog(int result)
{
    if (m_inModalLoop) {
        m_modalResult = result;
        if (m_continueModal) {
            m_continueModal = false;
            // Wakes the loop when it waits in GetMessage.
            if (m_hWnd != nullptr)
                PostMessage(WM_NULL);
        }
    } else if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, result);
    }
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::SetDefID(UINT id)
{
    SendMessage(DM_SETDEFID, id);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 0, FALSE);
}

void CDialog::PrevDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 1, FALSE);
}

void CDialog::MapDialogRect(LPRECT rect) const
{
    ::MapDialogRect(m_hWnd, rect);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!keyboard && !mouse)
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}
