#include "editor/dialogs/SmallDialogs.h"

#include "editor/res/resource.h"
#include "framework/DataExchange.h"

CGotoLineDlg::CGotoLineDlg(CWnd* parent) : CDialog(IDD_GOTO_LINE, parent) {}

void CGotoLineDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_LINE_PROMPT, m_prompt);
    DDX_Text(dx, IDC_LINE_NUMBER, m_lineNumber);
}

CDocInfoDlg::CDocInfoDlg(CWnd* parent) : CDialog(IDD_DOC_INFO, parent) {}

void CDocInfoDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_INFO_PATH, m_path);
    DDX_Text(dx, IDC_INFO_ENCODING, m_encoding);
    DDX_Text(dx, IDC_INFO_FORMAT, m_fileFormat);
    DDX_Text(dx, IDC_INFO_SIZE, m_fileSize);
    DDX_Text(dx, IDC_INFO_LINES, m_lineCount);
    DDX_Text(dx, IDC_INFO_WORDS, m_wordCount);
    DDX_Text(dx, IDC_INFO_BYTES, m_byteCount);
    DDX_Check(dx, IDC_INFO_READ_ONLY, m_readOnly);
    DDX_Check(dx, IDC_INFO_HIDDEN, m_hidden);
    DDX_Check(dx, IDC_INFO_SYSTEM, m_system);
    DDX_Text(dx, IDC_INFO_MODIFIED, m_lastModified);
}

CReloadAsDlg::CReloadAsDlg(CWnd* parent) : CDialog(IDD_RELOAD_AS, parent) {}

void CReloadAsDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_CBIndex(dx, IDC_RELOAD_ENCODING, m_encodingIndex);
}

namespace {
constexpr int kNumberColumnWidth = 40;
constexpr int kNameColumnWidth = 145;

// The slot names that stand for "no name"; choosing such a slot offers an empty name.
bool IsPlaceholderName(const CString& name)
{
    for (const char* placeholder : {"- Empty -", "[Noname]", "- 空 -", "[无名]"})
        if (name == placeholder)
            return true;
    return false;
}
} // namespace

BEGIN_MESSAGE_MAP(CDefineMacroDlg, CDialog)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MACRO_SLOTS, OnSlotChanged)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDefineMacroDlg::CDefineMacroDlg(CWnd* parent) : CDialog(IDD_DEFINE_MACRO, parent) {}

void CDefineMacroDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_MACRO_SLOTS, m_slots);
}

BOOL CDefineMacroDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString heading;
    heading.LoadString(IDS_MACRO_NUMBER_COLUMN);
    m_slots.InsertColumn(0, heading, LVCFMT_LEFT, kNumberColumnWidth);
    heading.LoadString(IDS_MACRO_NAME_COLUMN);
    m_slots.InsertColumn(1, heading, LVCFMT_LEFT, kNameColumnWidth);
    m_slots.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (int row = 0; row < kSlotCount; ++row) {
        CString number;
        number.Format("%d", (row + 1) % 10);
        m_slots.InsertItem(row, number);
        m_slots.SetItemText(row, 1, m_slotNames[row + 1]);
    }
    m_slots.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_selectedSlot = 1;
    CString newName;
    newName.LoadString(IDS_NEW_MACRO_NAME);
    SetDlgItemText(IDC_MACRO_NAME, newName);
    return TRUE;
}

void CDefineMacroDlg::OnSlotChanged(NMHDR* header, LRESULT*)
{
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (change->iItem < 0 || change->iItem >= kSlotCount || !(change->uNewState & LVIS_SELECTED) ||
        (change->uOldState & LVIS_SELECTED))
        return;
    const CString& name = m_slotNames[change->iItem + 1];
    SetDlgItemText(IDC_MACRO_NAME, IsPlaceholderName(name) ? "" : (LPCTSTR)name);
}

void CDefineMacroDlg::OnDestroy()
{
    const int row = m_slots.GetNextItem(-1, LVNI_SELECTED);
    if (row >= 0 && row < kSlotCount) {
        GetDlgItemText(IDC_MACRO_NAME, m_slotNames[row + 1]);
        m_selectedSlot = row + 1;
    }
    CDialog::OnDestroy();
}

CUserInputDlg::CUserInputDlg(UINT promptId, CWnd* parent) : CDialog(IDD_USER_INPUT, parent)
{
    m_prompt.LoadString(promptId);
}

BOOL CUserInputDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_prompt);
    return TRUE;
}

void CUserInputDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_USER_ANSWER, m_answer);
}
