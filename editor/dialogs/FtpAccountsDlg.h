#pragma once
#include <vector>

#include "editor/dialogs/ButtonImages.h"
#include "editor/settings/SettingsRecords.h"
#include "framework/CommonControls.h"
#include "framework/Dialog.h"

// A dialog's own copy of the account table: SetAccounts before DoModal, GetAccounts (the
// smaller of count and the copy's size) afterwards.
class FtpAccountCopy {
public:
    void SetAccounts(int count, const CFtpSiteRecord* records);
    void GetAccounts(int count, CFtpSiteRecord* records) const;

protected:
    std::vector<CFtpSiteRecord> m_accounts;
};

// Edits a copy of the FTP accounts: the caller hands the table in with SetAccounts before
// DoModal and takes it back with GetAccounts after IDOK. Fields write through to the
// selected account as the user types; names, servers, users and folders lose their
// leading and trailing blanks, passwords are kept as typed.
class CFtpAccountsDlg : public CDialog, public FtpAccountCopy {
public:
    explicit CFtpAccountsDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    void OnItemChanged(NMHDR* header, LRESULT* result);
    void OnNameChanged() { StoreTrimmed(IDC_FTP_NAME, &CFtpSiteRecord::title, true); }
    void OnServerChanged() { StoreTrimmed(IDC_FTP_SERVER, &CFtpSiteRecord::host, true); }
    void OnUserChanged() { StoreTrimmed(IDC_FTP_USER, &CFtpSiteRecord::user, true); }
    void OnFolderChanged() { StoreTrimmed(IDC_FTP_FOLDER, &CFtpSiteRecord::folder, false); }
    void OnPasswordChanged();
    void OnSavePassword();
    void OnDelete();
    void OnMoveUp() { Move(-1); }
    void OnMoveDown() { Move(1); }
    void OnAdvanced();

    CFtpSiteRecord* Current();
    void StoreTrimmed(int id, CString CFtpSiteRecord::*field, bool retitle);
    void ShowFields();
    void Move(int step);

    enum {
        IDC_FTP_NAME = 1101,
        IDC_FTP_SERVER = 1100,
        IDC_FTP_USER = 1124,
        IDC_FTP_FOLDER = 1067,
    };

    int m_current = 0;
    bool m_filling = false;
    CListCtrl m_list;
    CButtonImages m_arrows;
};

// The connection options of one account; the caller sets the members and reads them back
// after IDOK.
class CFtpAdvancedDlg : public CDialog {
public:
    explicit CFtpAdvancedDlg(CWnd* parent = nullptr);

    int m_passive = 0;
    int m_useInternetClasses = 0;
    int m_serverType = 0;
    int m_port = 21;

protected:
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    void OnServerType();
    void OnUseInternetClasses();
    void OnPassive();
    void OnPortChanged();
    void OnDefaultPort();
};
