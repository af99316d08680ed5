#pragma once
#include "editor/document/DocumentServices.h"

class CFtpSiteRecord;
class CWnd;

// Remote documents reach the FTP accounts and dialogs through this: the application makes
// one over its account table (which must outlive it) and puts it in DocumentServices().
// The password prompt and the transfer dialog are owned by parent.
class CFtpRemoteFiles : public IRemoteFiles {
public:
    CFtpRemoteFiles(CFtpSiteRecord* accounts, int count, CWnd* parent = nullptr)
        : m_accounts(accounts), m_count(count), m_parent(parent)
    {
    }

    bool GetAccount(int index, CRemoteAccount& account) override;
    bool AskPassword(int index) override;
    void MarkPasswordGiven(int index) override;
    TransferResult Transfer(bool download, int index, const CString& remotePath, const CString& localPath,
                            long long size) override;

private:
    CFtpSiteRecord* Record(int index) const;

    CFtpSiteRecord* m_accounts;
    int m_count;
    CWnd* m_parent;
};
