#include "editor/dialogs/FtpAccountsDlg.h"

#include <algorithm>

#include "editor/res/resource.h"

namespace {
const int kAccountColumnWidth = 240;
}

BEGIN_MESSAGE_MAP(CFtpAccountsDlg, CDialog)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_FTP_ACCOUNTS, OnItemChanged)
    ON_EN_CHANGE(IDC_FTP_NAME, OnNameChanged)
    ON_EN_CHANGE(IDC_FTP_SERVER, OnServerChanged)
    ON_EN_CHANGE(IDC_FTP_USER, OnUserChanged)
    ON_EN_CHANGE(IDC_FTP_PASSWORD, OnPasswordChanged)
    ON_EN_CHANGE(IDC_FTP_FOLDER, OnFolderChanged)
    ON_BN_CLICKED(IDC_FTP_SAVE_PASSWORD, OnSavePassword)
    ON_BN_CLICKED(IDC_FTP_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_FTP_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_FTP_DOWN, OnMoveDown)
    ON_BN_CLICKED(IDC_FTP_ADVANCED, OnAdvanced)
END_MESSAGE_MAP()

CFtpAccountsDlg::CFtpAccountsDlg(CWnd* parent) : CDialog(IDD_FTP_ACCOUNTS, parent) {}

void FtpAccountCopy::SetAccounts(int count, const CFtpSiteRecord* records)
{
    m_accounts.assign(records, records + std::max(count, 0));
}

void FtpAccountCopy::GetAccounts(int count, CFtpSiteRecord* records) const
{
    const int n = std::min(count, static_cast<int>(m_accounts.size()));
    for (int i = 0; i < n; ++i)
        records[i].Copy(m_accounts[i]);
}

BOOL CFtpAccountsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_arrows.Load(IDB_ARROWS, 9)) {
        m_arrows.Put(*this, IDC_FTP_UP, kArrowUp);
        m_arrows.Put(*this, IDC_FTP_DOWN, kArrowDown);
    }
    m_list.SubclassDlgItem(IDC_FTP_ACCOUNTS, this);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(0, "FTP Accounts", LVCFMT_LEFT, kAccountColumnWidth);
    for (size_t i = 0; i < m_accounts.size(); ++i)
        m_list.InsertItem(static_cast<int>(i), m_accounts[i].GetTitle());
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ShowFields();
    return TRUE;
}

CFtpSiteRecord* CFtpAccountsDlg::Current()
{
    return m_current >= 0 && m_current < static_cast<int>(m_accounts.size()) ? &m_accounts[m_current] : nullptr;
}

void CFtpAccountsDlg::OnItemChanged(NMHDR* header, LRESULT*)
{
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (change->iItem < 0 || !(change->uNewState & LVIS_SELECTED) || (change->uOldState & LVIS_SELECTED))
        return;
    m_current = change->iItem;
    ShowFields();
}

void CFtpAccountsDlg::ShowFields()
{
    const CFtpSiteRecord* record = Current();
    if (!record)
        return;
    m_filling = true;
    SetDlgItemText(IDC_FTP_NAME, record->title);
    SetDlgItemText(IDC_FTP_SERVER, record->host);
    SetDlgItemText(IDC_FTP_USER, record->user);
    SetDlgItemText(IDC_FTP_PASSWORD, record->password);
    SetDlgItemText(IDC_FTP_FOLDER, record->folder);
    CheckDlgButton(IDC_FTP_SAVE_PASSWORD, record->savePassword ? BST_CHECKED : BST_UNCHECKED);
    m_filling = false;
}

void CFtpAccountsDlg::StoreTrimmed(int id, CString CFtpSiteRecord::*field, bool retitle)
{
    CFtpSiteRecord* record = Current();
    if (m_filling || !record)
        return;
    CString text;
    GetDlgItemText(id, text);
    text.TrimLeft();
    text.TrimRight();
    record->*field = text;
    if (retitle)
        m_list.SetItemText(m_current, 0, record->GetTitle());
}

void CFtpAccountsDlg::OnPasswordChanged()
{
    if (CFtpSiteRecord* record = Current())
        if (!m_filling)
            GetDlgItemText(IDC_FTP_PASSWORD, record->password);
}

void CFtpAccountsDlg::OnSavePassword()
{
    if (CFtpSiteRecord* record = Current())
        record->savePassword = IsDlgButtonChecked(IDC_FTP_SAVE_PASSWORD) == BST_CHECKED;
}

void CFtpAccountsDlg::OnDelete()
{
    if (CFtpSiteRecord* record = Current()) {
        record->Clear();
        m_list.SetItemText(m_current, 0, record->GetTitle());
        ShowFields();
    }
}

void CFtpAccountsDlg::Move(int step)
{
    const int other = m_current + step;
    if (!Current() || other < 0 || other >= static_cast<int>(m_accounts.size()))
        return;
    std::swap(m_accounts[m_current], m_accounts[other]);
    m_list.SetItemText(m_current, 0, m_accounts[m_current].GetTitle());
    m_list.SetItemText(other, 0, m_accounts[other].GetTitle());
    m_list.SetItemState(other, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(other, FALSE);
}

void CFtpAccountsDlg::OnAdvanced()
{
    CFtpSiteRecord* record = Current();
    if (!record)
        return;
    CFtpAdvancedDlg advanced(this);
    advanced.m_passive = record->passive;
    advanced.m_useInternetClasses = record->useInternetClasses;
    advanced.m_serverType = record->serverType;
    advanced.m_port = record->port;
    if (advanced.DoModal() != IDOK)
        return;
    record->passive = advanced.m_passive;
    record->useInternetClasses = advanced.m_useInternetClasses;
    record->serverType = advanced.m_serverType;
    record->port = advanced.m_port;
}

BEGIN_MESSAGE_MAP(CFtpAdvancedDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_FTP_SERVER_TYPE, OnServerType)
    ON_BN_CLICKED(IDC_FTP_USE_WININET, OnUseInternetClasses)
    ON_BN_CLICKED(IDC_FTP_PASSIVE, OnPassive)
    ON_EN_CHANGE(IDC_FTP_PORT, OnPortChanged)
    ON_BN_CLICKED(IDC_FTP_DEFAULT_PORT, OnDefaultPort)
END_MESSAGE_MAP()

CFtpAdvancedDlg::CFtpAdvancedDlg(CWnd* parent) : CDialog(IDD_FTP_ADVANCED, parent) {}

BOOL CFtpAdvancedDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    HWND types = ::GetDlgItem(m_hWnd, IDC_FTP_SERVER_TYPE);
    ::SendMessageA(types, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("Generic FTP Server"));
    ::SendMessageA(types, CB_SETCURSEL, m_serverType, 0);
    ::EnableWindow(types, !m_useInternetClasses);
    CheckDlgButton(IDC_FTP_PASSIVE, m_passive ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_FTP_USE_WININET, m_useInternetClasses ? BST_CHECKED : BST_UNCHECKED);
    const int port = m_port;
    CString text;
    text.Format("%d", port);
    SetDlgItemText(IDC_FTP_PORT, text);
    m_port = port;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FTP_PORT), port != 21);
    CheckDlgButton(IDC_FTP_DEFAULT_PORT, port == 21 ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CFtpAdvancedDlg::OnServerType()
{
    m_serverType = static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_FTP_SERVER_TYPE, CB_GETCURSEL, 0, 0));
}

void CFtpAdvancedDlg::OnUseInternetClasses()
{
    m_useInternetClasses = IsDlgButtonChecked(IDC_FTP_USE_WININET) == BST_CHECKED;
    if (m_useInternetClasses) {
        m_serverType = 0;
        ::SendDlgItemMessageA(m_hWnd, IDC_FTP_SERVER_TYPE, CB_SETCURSEL, 0, 0);
    }
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FTP_SERVER_TYPE), !m_useInternetClasses);
}

void CFtpAdvancedDlg::OnPassive()
{
    m_passive = IsDlgButtonChecked(IDC_FTP_PASSIVE) == BST_CHECKED;
}

void CFtpAdvancedDlg::OnPortChanged()
{
    CString text;
    GetDlgItemText(IDC_FTP_PORT, text);
    m_port = atoi(text);
}

void CFtpAdvancedDlg::OnDefaultPort()
{
    const bool useDefault = IsDlgButtonChecked(IDC_FTP_DEFAULT_PORT) == BST_CHECKED;
    if (useDefault) {
        m_port = 21;
        SetDlgItemText(IDC_FTP_PORT, "21");
    }
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FTP_PORT), !useDefault);
}
