#include "editor/inputaids/PromptListDlg.h"

#include "editor/res/resource.h"
#include "framework/AppEnvironment.h"

#include <algorithm>

POINT PlacePromptPopup(POINT caret, int screenWidth)
{
    return POINT{std::min<LONG>(caret.x, screenWidth - kPromptRightMargin), caret.y};
}

namespace {
PromptMessage Classify(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
        return PromptMessage::KeyDown;
    case WM_SYSKEYDOWN:
        return PromptMessage::SysKeyDown;
    case WM_IME_STARTCOMPOSITION:
        return PromptMessage::ImeStartComposition;
    case WM_IME_NOTIFY:
        return PromptMessage::ImeNotify;
    case WM_IME_CHAR:
        return PromptMessage::ImeChar;
    case WM_IME_KEYDOWN:
        return PromptMessage::ImeKeyDown;
    default:
        return PromptMessage::Other;
    }
}
} // namespace

BEGIN_MESSAGE_MAP(CPromptListDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CPromptListDlg::Create(CWnd* owner)
{
    return CDialog::Create(IDD_PROMPT_LIST, owner);
}

BOOL CPromptListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RECT rect;
    GetWindowRect(&rect);
    m_width = rect.right - rect.left;
    m_height = rect.bottom - rect.top;
    m_tables.LoadAll((LPCTSTR)GetProgramFolder());
    return FALSE;
}

int CPromptListDlg::FillList()
{
    SendDlgItemMessage(IDC_PROMPT_LIST, LB_RESETCONTENT);
    m_tables.FindPromptMatches(m_prefix, m_tableIndex, m_matches);
    for (const PromptEntry* entry : m_matches)
        SendDlgItemMessage(IDC_PROMPT_LIST, LB_ADDSTRING, 0, (LPARAM)FormatPromptListLine(*entry).c_str());
    SendDlgItemMessage(IDC_PROMPT_LIST, LB_SETCURSEL, 0);
    return (int)m_matches.size();
}

void CPromptListDlg::StartTimer(int selecting)
{
    KillTimer(kPromptTimerId);
    SetTimer(kPromptTimerId, kPromptTickMilliseconds, nullptr);
    m_state.StartTimer(selecting);
}

void CPromptListDlg::CloseOnNextTick()
{
    m_state.CloseOnNextTick();
}

void CPromptListDlg::ShowFor(POINT caret, const char* prefix, int tableIndex, CWnd* view)
{
    m_prefix = prefix ? prefix : "";
    m_tableIndex = tableIndex;
    if (m_prefix.IsEmpty() || FillList() <= 0) {
        CloseOnNextTick();
        return;
    }
    POINT at = PlacePromptPopup(caret, ::GetSystemMetrics(SM_CXFULLSCREEN));
    MoveWindow(at.x, at.y, m_width, m_height);
    m_targetView = view;
    StartTimer(0);
}

void CPromptListDlg::OnTimer(UINT_PTR)
{
    PromptTickEffects effects = m_state.OnTick();
    if (effects.show && !IsWindowVisible()) {
        // The popup takes the keyboard while it is up, so that Enter, Space and the arrows
        // reach its list; every other key goes on to the view.
        ShowWindow(SW_SHOW);
        GetDlgItem(IDC_PROMPT_LIST)->SetFocus();
    }
    if (effects.killTimer)
        KillTimer(kPromptTimerId);
    if (effects.hide && IsWindowVisible())
        Hide();
}

void CPromptListDlg::Hide()
{
    ShowWindow(SW_HIDE);
    if (m_targetView && m_targetView->GetSafeHwnd()) {
        m_targetView->EnableWindow(TRUE);
        m_targetView->SetFocus();
        m_targetView->Invalidate();
        m_targetView->UpdateWindow();
    }
}

void CPromptListDlg::Accept()
{
    int selected = (int)SendDlgItemMessage(IDC_PROMPT_LIST, LB_GETCURSEL);
    if (selected < 0 || selected >= (int)m_matches.size() || !m_targetView)
        return;
    const PromptEntry* entry = m_matches[selected];
    if (auto* target = dynamic_cast<IPromptTarget*>(m_targetView))
        target->ExpectPromptAccept(entry->insert);
    m_targetView->PostMessage(kPromptAcceptMessage, (WPARAM)entry->insert, entry->CaretOffset());
}

BOOL CPromptListDlg::PreTranslateMessage(MSG* msg)
{
    PromptMessage kind = Classify(msg->message);
    if (kind != PromptMessage::Other && m_hWnd && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        PromptKeyEffects effects = m_state.OnMessage(kind, (int)msg->wParam);
        if (effects.restartTimer)
            StartTimer(1);
        if (effects.accept)
            Accept();
        if (effects.forward && m_targetView)
            m_targetView->PostMessage(msg->message, msg->wParam, msg->lParam);
        if (effects.handled)
            return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}
