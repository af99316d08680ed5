#include "editor/dialogs/RemoteOpenDlg.h"

#include <algorithm>
#include <cstring>

#include "editor/dialogs/FtpAccountsDlg.h"
#include "editor/dialogs/FtpTransferDlg.h"
#include "editor/dialogs/RemoteTransfer.h"
#include "editor/res/resource.h"
#include "editor/util/PathUtil.h"
#include "framework/MessageBox.h"

namespace {

HWND Item(HWND dialog, int id)
{
    return ::GetDlgItem(dialog, id);
}

int ComboSelection(HWND dialog, int id)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void FillCombo(HWND combo, const CStringArray& texts)
{
    const int selected = std::max(0, static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0)));
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < texts.GetSize(); ++i)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(texts[i])));
    ::SendMessageA(combo, CB_SETCURSEL, selected, 0);
}

} // namespace

BEGIN_MESSAGE_MAP(CRemoteOpenDlg, CDialog)
    ON_BN_CLICKED(IDC_REMOTE_CONNECT, OnConnect)
    ON_BN_CLICKED(IDC_REMOTE_PARENT, OnParentFolder)
    ON_BN_CLICKED(IDC_REMOTE_CREATE_FOLDER, OnCreateDirectory)
    ON_BN_CLICKED(IDC_REMOTE_ACCOUNTS_BUTTON, OnAccounts)
    ON_CBN_SELCHANGE(IDC_REMOTE_ACCOUNT, OnAccountChanged)
    ON_CBN_SELCHANGE(IDC_REMOTE_FILE_TYPE, OnFileTypeChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_REMOTE_FILES, OnSelectionChanged)
    ON_NOTIFY(LVN_ODSTATECHANGED, IDC_REMOTE_FILES, OnSelectionChanged)
    ON_NOTIFY(NM_DBLCLK, IDC_REMOTE_FILES, OnDoubleClick)
    ON_NOTIFY(LVN_GETDISPINFO, IDC_REMOTE_FILES, OnGetEntry)
    ON_NOTIFY(LVN_ODFINDITEM, IDC_REMOTE_FILES, OnFindEntry)
END_MESSAGE_MAP()

CRemoteOpenDlg::CRemoteOpenDlg(int mode, LPCTSTR fileName, LPCTSTR filter, CWnd* parent)
    : CDialog(IDD_REMOTE_OPEN, parent), m_mode(mode), m_fileName(fileName ? fileName : ""),
      m_filter(filter ? filter : "")
{
}

CString CRemoteOpenDlg::GetRemotePath() const
{
    if (m_selection.GetSize() == 0)
        return CString();
    const CString& entry = m_selection[0];
    const int feed = entry.Find('\n');
    return feed < 0 ? entry : entry.Left(feed);
}

BOOL CRemoteOpenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_files.SubclassDlgItem(IDC_REMOTE_FILES, this);
    const LONG style = ::GetWindowLongA(m_files.m_hWnd, GWL_STYLE);
    ::SetWindowLongA(m_files.m_hWnd, GWL_STYLE, m_mode ? style & ~LVS_SINGLESEL : style | LVS_SINGLESEL);
    if (m_buttonImages.Load(IDB_REMOTE_BUTTONS, 16)) {
        m_buttonImages.Put(*this, IDC_REMOTE_PARENT, 0);
        m_buttonImages.Put(*this, IDC_REMOTE_CREATE_FOLDER, 1);
        m_buttonImages.Put(*this, IDC_REMOTE_ACCOUNTS_BUTTON, 2);
    }
    if (m_entryImages.Load(IDB_REMOTE_ENTRIES, 16))
        m_files.SetImageList(&m_entryImages.List(), LVSIL_SMALL);
    CString text;
    text.LoadString(m_mode ? IDS_REMOTE_OPEN_BUTTON : IDS_REMOTE_SAVE_BUTTON);
    SetDlgItemText(IDOK, text);
    text.LoadString(m_mode ? IDS_REMOTE_OPEN_TITLE : IDS_REMOTE_SAVE_TITLE);
    SetWindowText(text);
    SetDlgItemText(IDC_REMOTE_FILE_NAME, m_fileName);
    // Nothing is listed until the user asks; OK waits for a listing.
    ::EnableWindow(Item(m_hWnd, IDOK), FALSE);
    ::EnableWindow(Item(m_hWnd, IDC_REMOTE_PARENT), FALSE);
    FillAccountCombo();
    ::SendDlgItemMessageA(m_hWnd, IDC_REMOTE_ACCOUNT, CB_SETCURSEL, m_accountIndex, 0);
    OnAccountChanged();
    FillFileTypeCombo();
    ::SendDlgItemMessageA(m_hWnd, IDC_REMOTE_FILE_TYPE, CB_SETCURSEL, m_fileTypeIndex, 0);
    return TRUE;
}

void CRemoteOpenDlg::FillAccountCombo()
{
    CStringArray titles;
    for (const CFtpSiteRecord& account : m_accounts)
        titles.Add(account.GetTitle());
    FillCombo(Item(m_hWnd, IDC_REMOTE_ACCOUNT), titles);
}

void CRemoteOpenDlg::FillFileTypeCombo()
{
    m_descriptions.RemoveAll();
    m_patterns.RemoveAll();
    SplitFilterString(m_filter, m_descriptions, m_patterns);
    FillCombo(Item(m_hWnd, IDC_REMOTE_FILE_TYPE), m_descriptions);
}

CFtpSiteRecord* CRemoteOpenDlg::SelectedAccount()
{
    if (m_accounts.empty())
        return nullptr;
    const int selected = ComboSelection(m_hWnd, IDC_REMOTE_ACCOUNT);
    return &m_accounts[selected >= 0 && selected < static_cast<int>(m_accounts.size()) ? selected : 0];
}

void CRemoteOpenDlg::OnAccountChanged()
{
    m_accountIndex = std::max(0, ComboSelection(m_hWnd, IDC_REMOTE_ACCOUNT));
    if (const CFtpSiteRecord* account = SelectedAccount())
        SetDlgItemText(IDC_REMOTE_OPEN_FOLDER, account->folder);
}

void CRemoteOpenDlg::OnFileTypeChanged()
{
    m_fileTypeIndex = std::max(0, ComboSelection(m_hWnd, IDC_REMOTE_FILE_TYPE));
    ListAndEnableOK();
}

int CRemoteOpenDlg::Refresh(const CString& folder)
{
    CFtpSiteRecord* account = SelectedAccount();
    if (!account || account->title.IsEmpty() || account->host.IsEmpty())
        return 0;
    if (!account->savePassword && !account->passwordKnown) {
        CFtpPasswordDlg prompt(this);
        prompt.m_accountText = account->GetAccountName();
        if (prompt.DoModal() != IDOK)
            return 0;
        account->password = prompt.m_password;
    }
    const int type = ComboSelection(m_hWnd, IDC_REMOTE_FILE_TYPE);
    CString pattern = type >= 0 && type < m_patterns.GetSize() ? m_patterns[type]
                                                                : (m_patterns.GetSize() ? m_patterns[0] : CString());
    if (pattern.IsEmpty())
        pattern = "*.*";
    // The listing runs on the worker behind a dialog that shows it going and can stop it;
    // the account learns the folder only when the listing went through.
    CFtpSiteRecord listed;
    listed.Copy(*account);
    listed.folder = folder;
    CFtpTransferDlg listing(listed, pattern, this);
    if (listing.DoModal() != IDOK)
        return -1;
    if (listing.GetResult() != 1)
        return listing.GetResult() < 0 ? -1 : 0;
    const CStringArray& rows = listing.GetRows();
    account->folder = listing.GetListedFolder();
    if (!account->savePassword)
        account->passwordKnown = 1;
    SetDlgItemText(IDC_REMOTE_OPEN_FOLDER, account->folder);

    const bool atRoot = account->folder == "/";
    ::EnableWindow(Item(m_hWnd, IDC_REMOTE_PARENT), !atRoot);
    m_entries.clear();
    m_entries.reserve(static_cast<size_t>(rows.GetSize()) + 1);
    if (!atRoot)
        m_entries.push_back({"..", kParentImage, 0});
    // Byte order puts every "D/" row before every "F/" row, each group by name.
    std::vector<CString> sorted;
    sorted.reserve(static_cast<size_t>(rows.GetSize()));
    for (int i = 0; i < rows.GetSize(); ++i)
        sorted.push_back(rows[i]);
    std::sort(sorted.begin(), sorted.end(),
              [](const CString& a, const CString& b) { return strcmp(a, b) < 0; });
    for (const CString& row : sorted) {
        const int first = row.Find('/');
        const int second = row.Find('/', first + 1);
        if (first < 0 || second < 0)
            continue;
        const CString name = row.Mid(first + 1, second - first - 1);
        const CString tail = row.Mid(second + 1);
        if (row[0] == 'D')
            m_entries.push_back({name, tail == "N" ? kFolderImage : kLinkImage, 0});
        else if (row[0] == 'F')
            m_entries.push_back({name, kFileImage, static_cast<DWORD>(strtoul(tail, nullptr, 10))});
    }
    // The old selection and scroll position belong to the old entries.
    m_files.DeleteAllItems();
    ::SendMessageA(m_files.m_hWnd, LVM_SETITEMCOUNT, m_entries.size(), 0);
    m_files.Invalidate();
    return 1;
}

void CRemoteOpenDlg::ListAndEnableOK(const CString* folder)
{
    const CFtpSiteRecord* account = SelectedAccount();
    const int listed = Refresh(folder ? *folder : account ? account->folder : CString());
    // A stopped listing leaves the dialog as it was.
    if (listed >= 0)
        ::EnableWindow(Item(m_hWnd, IDOK), listed);
}

void CRemoteOpenDlg::ChangeDirectory(const CString& name)
{
    const CFtpSiteRecord* account = SelectedAccount();
    if (!account)
        return;
    CString folder;
    if (!name.IsEmpty() && name[0] == '/')
        folder = name;
    else if (account->folder != "/")
        folder = account->folder + "/" + name;
    else
        folder = account->folder + name;
    ListAndEnableOK(&folder);
}

void CRemoteOpenDlg::OnParentFolder()
{
    ChangeDirectory("..");
}

void CRemoteOpenDlg::OnCreateDirectory()
{
    AfxMessageBox("Sorry, not available now");
}

void CRemoteOpenDlg::OnAccounts()
{
    CFtpAccountsDlg accounts(this);
    accounts.SetAccounts(static_cast<int>(m_accounts.size()), m_accounts.data());
    if (accounts.DoModal() != IDOK)
        return;
    accounts.GetAccounts(static_cast<int>(m_accounts.size()), m_accounts.data());
    FillAccountCombo();
}

int CRemoteOpenDlg::EntryImage(int item) const
{
    return item >= 0 && item < static_cast<int>(m_entries.size()) ? m_entries[item].image : -1;
}

CString CRemoteOpenDlg::EntryName(int item) const
{
    return item >= 0 && item < static_cast<int>(m_entries.size()) ? m_entries[item].name : CString();
}

int CRemoteOpenDlg::FindEntry(const CString& text, bool partial, int start, bool wrap) const
{
    const int count = static_cast<int>(m_entries.size());
    if (start < 0 || start >= count)
        start = 0;
    for (int step = 0; step < count; ++step) {
        const int item = start + step;
        if (item >= count && !wrap)
            break;
        const CString& name = m_entries[item % count].name;
        if ((partial ? name.Left(text.GetLength()) : name).CompareNoCase(text) == 0)
            return item % count;
    }
    return -1;
}

void CRemoteOpenDlg::OnGetEntry(NMHDR* header, LRESULT*)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if (item.iItem < 0 || item.iItem >= static_cast<int>(m_entries.size()))
        return;
    const Entry& entry = m_entries[item.iItem];
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        lstrcpynA(item.pszText, entry.name, item.cchTextMax);
    if (item.mask & LVIF_IMAGE)
        item.iImage = entry.image;
}

void CRemoteOpenDlg::OnFindEntry(NMHDR* header, LRESULT* result)
{
    const NMLVFINDITEMA& find = *reinterpret_cast<NMLVFINDITEMA*>(header);
    *result = -1;
    if (find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL))
        *result = FindEntry(find.lvfi.psz, (find.lvfi.flags & LVFI_PARTIAL) != 0, find.iStart,
                            (find.lvfi.flags & LVFI_WRAP) != 0);
}

void CRemoteOpenDlg::OnSelectionChanged(NMHDR*, LRESULT*)
{
    CString collected;
    CString single;
    int files = 0;
    for (int item = m_files.GetNextItem(-1, LVNI_SELECTED); item >= 0; item = m_files.GetNextItem(item, LVNI_SELECTED)) {
        if (EntryImage(item) != kFileImage)
            continue;
        single = EntryName(item);
        collected = "\"" + single + "\" " + collected;
        ++files;
    }
    if (files >= 2)
        SetDlgItemText(IDC_REMOTE_FILE_NAME, collected);
    else if (files == 1)
        SetDlgItemText(IDC_REMOTE_FILE_NAME, single);
}

void CRemoteOpenDlg::OnDoubleClick(NMHDR*, LRESULT*)
{
    const int item = m_files.GetNextItem(-1, LVNI_FOCUSED);
    if (item >= 0)
        Enter(item);
}

void CRemoteOpenDlg::Enter(int item)
{
    if (EntryImage(item) == kFileImage) {
        OnOK();
        return;
    }
    ChangeDirectory(EntryName(item));
}

void CRemoteOpenDlg::OnOK()
{
    CString typed;
    GetDlgItemText(IDC_REMOTE_FILE_NAME, typed);
    if (typed.IsEmpty())
        return;
    CString folder;
    GetDlgItemText(IDC_REMOTE_OPEN_FOLDER, folder);
    if (folder.IsEmpty() || folder[folder.GetLength() - 1] != '/')
        folder += "/";
    auto entry = [&](const CString& name, DWORD_PTR size) {
        CString text;
        text.Format("%s\n%d", static_cast<LPCTSTR>(folder + name), static_cast<int>(size));
        return text;
    };
    m_selection.RemoveAll();
    for (int item = m_files.GetNextItem(-1, LVNI_SELECTED); item >= 0; item = m_files.GetNextItem(item, LVNI_SELECTED))
        if (EntryImage(item) == kFileImage)
            m_selection.Add(entry(EntryName(item), m_entries[item].size));
    if (m_selection.GetSize() >= 2) {
        EndDialog(IDOK);
        return;
    }
    // One name decides: the listed entry's own text (case included) is what is used.
    const int item = FindEntry(typed, false);
    m_selection.RemoveAll();
    if (item < 0) {
        if (m_mode) {
            CString text;
            text.Format("%s\nThere is no such file!", static_cast<LPCTSTR>(typed));
            AfxMessageBox(text);
            return;
        }
        m_selection.Add(entry(typed, 0));
        EndDialog(IDOK);
        return;
    }
    const CString name = EntryName(item);
    if (EntryImage(item) != kFileImage) {
        ChangeDirectory(name);
        return;
    }
    if (!m_mode) {
        CString text;
        text.Format("%s\nOverwrite the existing file?", static_cast<LPCTSTR>(name));
        if (AfxMessageBox(text, MB_YESNO) != IDYES)
            return;
    }
    m_selection.Add(entry(name, m_entries[item].size));
    EndDialog(IDOK);
}
