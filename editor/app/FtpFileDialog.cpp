#include "editor/app/FtpFileDialog.h"

#include <cstdlib>

#include "editor/dialogs/FtpAccountsDlg.h"
#include "editor/dialogs/RemoteOpenDlg.h"
#include "editor/settings/SettingsFiles.h"

namespace {

enum { kSaveMode = 0, kOpenMode = 1 };

// Runs the remote file dialog on a copy of the accounts and takes the copy back, whatever
// the result: it has learned folders and passwords.
bool RunRemoteDialog(CRemoteOpenDlg& dialog, int& account, int& filterPosition)
{
    FtpAccountTable& accounts = TheFtpAccounts();
    dialog.SetAccounts(kFtpAccountCount, accounts.data());
    dialog.m_accountIndex = account;
    dialog.m_fileTypeIndex = filterPosition;
    const bool chosen = dialog.DoModal() == IDOK;
    dialog.GetAccounts(kFtpAccountCount, accounts.data());
    if (!chosen || dialog.m_selection.GetSize() == 0)
        return false;
    account = dialog.m_accountIndex;
    filterPosition = dialog.m_fileTypeIndex;
    return true;
}

} // namespace

bool CFtpFileDialog::ChooseToOpen(const CString& filter, int& account, int& filterPosition,
                                  std::vector<Choice>& files)
{
    CRemoteOpenDlg dialog(kOpenMode, nullptr, filter, m_parent);
    if (!RunRemoteDialog(dialog, account, filterPosition))
        return false;
    files.clear();
    for (int i = 0; i < dialog.m_selection.GetSize(); ++i) {
        const CString& entry = dialog.m_selection[i];
        const int feed = entry.Find('\n');
        Choice choice;
        choice.path = feed < 0 ? entry : entry.Left(feed);
        choice.size = feed < 0 ? 0 : std::atoi(entry.Mid(feed + 1));
        files.push_back(choice);
    }
    return true;
}

bool CFtpFileDialog::ChooseToSave(const CString& filter, int& account, int& filterPosition, CString& remotePath)
{
    CRemoteOpenDlg dialog(kSaveMode, remotePath, filter, m_parent);
    if (!RunRemoteDialog(dialog, account, filterPosition))
        return false;
    remotePath = dialog.GetRemotePath();
    return true;
}

bool CFtpFileDialog::EditAccounts()
{
    FtpAccountTable& accounts = TheFtpAccounts();
    CFtpAccountsDlg dialog(m_parent);
    dialog.SetAccounts(kFtpAccountCount, accounts.data());
    if (dialog.DoModal() != IDOK)
        return false;
    dialog.GetAccounts(kFtpAccountCount, accounts.data());
    return true;
}
