#include "editor/dialogs/FtpRemoteFiles.h"

#include "editor/dialogs/FtpTransferDlg.h"
#include "editor/settings/SettingsRecords.h"

CFtpSiteRecord* CFtpRemoteFiles::Record(int index) const
{
    return index >= 0 && index < m_count ? &m_accounts[index] : nullptr;
}

bool CFtpRemoteFiles::GetAccount(int index, CRemoteAccount& account)
{
    const CFtpSiteRecord* record = Record(index);
    if (!record)
        return false;
    account.host = record->host;
    account.user = record->user;
    account.passwordSaved = record->savePassword != 0;
    account.passwordGiven = record->passwordKnown != 0;
    return true;
}

bool CFtpRemoteFiles::AskPassword(int index)
{
    CFtpSiteRecord* record = Record(index);
    if (!record)
        return false;
    CFtpPasswordDlg dialog(m_parent);
    dialog.m_accountText = record->GetAccountName();
    if (dialog.DoModal() != IDOK)
        return false;
    record->password = dialog.m_password;
    return true;
}

void CFtpRemoteFiles::MarkPasswordGiven(int index)
{
    if (CFtpSiteRecord* record = Record(index))
        record->passwordKnown = 1;
}

TransferResult CFtpRemoteFiles::Transfer(bool download, int index, const CString& remotePath,
                                         const CString& localPath, long long size)
{
    const CFtpSiteRecord* record = Record(index);
    if (!record)
        return TransferResult::kFailed;
    const DWORD expected = size > 0 && size <= 0xFFFFFFFFll ? static_cast<DWORD>(size) : 0;
    CFtpTransferDlg dialog(download ? 1 : 0, *record, remotePath, localPath, expected, m_parent);
    if (dialog.DoModal() != IDOK)
        return TransferResult::kCancelled;
    return dialog.GetResult() ? TransferResult::kDone : TransferResult::kFailed;
}
