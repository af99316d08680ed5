#include "editor/dialogs/FindReplaceDialogs.h"

#include "editor/res/resource.h"
#include "framework/DataExchange.h"

namespace {
// The find dialog keeps 30 texts, the replace dialog one more in each of its lists.
constexpr size_t kFindHistoryCapacity = 30;
constexpr size_t kReplaceHistoryCapacity = 31;

// Makes id the dialog's default button, in its id and in both buttons' styles.
void SetDefaultButton(CDialog& dialog, int id, int other)
{
    dialog.SetDefID(id);
    dialog.SendDlgItemMessage(id, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    dialog.SendDlgItemMessage(other, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
}
} // namespace

BEGIN_MESSAGE_MAP(CFindDlg, CSearchDialog)
    ON_BN_CLICKED(IDC_FIND_NEXT, OnFindNext)
END_MESSAGE_MAP()

CFindDlg::CFindDlg(CWnd* parent) : CSearchDialog(IDD_FIND, parent, kFindHistoryCapacity) {}

void CFindDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Check(dx, IDC_MATCH_CASE, m_matchCase);
    DDX_Check(dx, IDC_REGULAR_EXPRESSION, m_regularExpression);
    DDX_Check(dx, IDC_WHOLE_WORD, m_wholeWord);
    DDX_Radio(dx, IDC_DIRECTION_UP, m_direction);
}

void CFindDlg::EnableSearchButtons(BOOL enable)
{
    GetDlgItem(IDC_FIND_NEXT)->EnableWindow(enable);
}

void CFindDlg::OnFindNext()
{
    const CString text = FieldText(IDC_FIND_TEXT);
    if (text.IsEmpty())
        return;
    m_findText = text;
    m_findHistory.Remember(text);
    CDialog::OnOK();
}

BEGIN_MESSAGE_MAP(CReplaceDlg, CSearchDialog)
    ON_BN_CLICKED(IDC_FIND_NEXT, OnFindNext)
    ON_BN_CLICKED(IDC_REPLACE_ALL, OnReplaceAll)
END_MESSAGE_MAP()

CReplaceDlg::CReplaceDlg(CWnd* parent)
    : CSearchDialog(IDD_REPLACE, parent, kReplaceHistoryCapacity),
      m_replaceHistory(kReplaceHistoryCapacity)
{
    m_replaceField = &m_replaceTokens;
}

BOOL CReplaceDlg::OnInitDialog()
{
    CSearchDialog::OnInitDialog();
    m_replaceTokens.focused = false;
    FillField(IDC_REPLACE_TEXT, m_replaceHistory, m_replaceText);
    if (m_scope == kScopeSelection) {
        SetDefaultButton(*this, IDC_REPLACE_ALL, IDC_FIND_NEXT);
    } else {
        SetDefaultButton(*this, IDC_FIND_NEXT, IDC_REPLACE_ALL);
        GetDlgItem(IDC_SCOPE_SELECTION)->EnableWindow(FALSE);
    }
    if (!m_allFilesAvailable)
        GetDlgItem(IDC_SCOPE_ALL_FILES)->EnableWindow(FALSE);
    return TRUE;
}

void CReplaceDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Check(dx, IDC_WHOLE_WORD, m_wholeWord);
    DDX_Check(dx, IDC_REGULAR_EXPRESSION, m_regularExpression);
    DDX_Check(dx, IDC_MATCH_CASE, m_matchCase);
    DDX_Radio(dx, IDC_SCOPE_SELECTION, m_scope);
}

void CReplaceDlg::EnableSearchButtons(BOOL enable)
{
    GetDlgItem(IDC_FIND_NEXT)->EnableWindow(enable);
    GetDlgItem(IDC_REPLACE_ALL)->EnableWindow(enable);
}

void CReplaceDlg::Accept(int replaceAll)
{
    const CString text = FieldText(IDC_FIND_TEXT);
    if (text.IsEmpty())
        return;
    m_findText = text;
    m_replaceText = FieldText(IDC_REPLACE_TEXT);
    m_findHistory.Remember(m_findText);
    m_replaceHistory.Remember(m_replaceText);
    m_replaceAll = replaceAll;
    CDialog::OnOK();
}

BEGIN_MESSAGE_MAP(CReplaceConfirmDlg, CDialog)
    ON_BN_CLICKED(IDYES, OnYes)
    ON_BN_CLICKED(IDNO, OnNo)
    ON_BN_CLICKED(IDCLOSE, OnAll)
END_MESSAGE_MAP()

CReplaceConfirmDlg::CReplaceConfirmDlg(CWnd* parent) : CDialog(IDD_REPLACE_CONFIRM, parent) {}

BOOL CReplaceConfirmDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowPos(nullptr, m_x, m_y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CReplaceConfirmDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F3) {
        if (::GetKeyState(VK_SHIFT) < 0)
            Finish(IDCANCEL, 0, 0, 1);
        else
            Finish(IDCANCEL, 0, 1, 0);
    }
    return CDialog::PreTranslateMessage(msg);
}

void CReplaceConfirmDlg::Finish(int result, int replaceAll, int next, int previous)
{
    m_replaceAllInFile = replaceAll;
    m_goToNext = next;
    m_goToPrevious = previous;
    EndDialog(result);
}
