#pragma once
#include <vector>

#include "editor/dialogs/FtpAccountsDlg.h"
#include "framework/Collections.h"
#include "framework/CommonControls.h"
#include "framework/Dialog.h"

// Each entry of a remote selection: the full remote path, a line feed and the size in bytes.
using RemoteSelection = CStringArray;

// The file dialog for FTP accounts. Open mode (1) picks one or several remote files, save
// mode (0) names one. The dialog works on its own copy of the accounts (SetAccounts before
// DoModal, GetAccounts afterwards, whatever the result: the copy has learned folders and
// passwords). The caller presets m_accountIndex and m_fileTypeIndex and reads them after
// IDOK, with m_selection (at least one entry) or GetRemotePath.
class CRemoteOpenDlg : public CDialog, public FtpAccountCopy {
public:
    CRemoteOpenDlg(int mode, LPCTSTR fileName, LPCTSTR filter, CWnd* parent = nullptr);

    // The first selection entry's path.
    CString GetRemotePath() const;

    int m_accountIndex = 0;
    int m_fileTypeIndex = 0;
    RemoteSelection m_selection;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    DECLARE_MESSAGE_MAP()

private:
    enum Image { kParentImage, kLinkImage, kFolderImage, kFileImage };
    // One listed entry. The list asks for what it shows of the entries it shows, so a folder
    // of hundreds of thousands of entries is listed at once.
    struct Entry {
        CString name;
        int image;
        DWORD size;
    };

    void OnConnect() { ListAndEnableOK(); }
    void OnAccountChanged();
    void OnFileTypeChanged();
    void OnParentFolder();
    void OnCreateDirectory();
    void OnAccounts();
    void OnSelectionChanged(NMHDR* header, LRESULT* result);
    void OnDoubleClick(NMHDR* header, LRESULT* result);
    void OnGetEntry(NMHDR* header, LRESULT* result);
    void OnFindEntry(NMHDR* header, LRESULT* result);

    void FillAccountCombo();
    void FillFileTypeCombo();
    CFtpSiteRecord* SelectedAccount();
    // Lists folder of the selected account into the list: 1 when listed, 0 when it failed
    // (already reported), -1 when the user stopped it.
    int Refresh(const CString& folder);
    // Lists folder (the account's own when none) and enables OK as the listing went.
    void ListAndEnableOK(const CString* folder = nullptr);
    // Enters the folder name relative to the account's folder (or absolute) and lists it.
    void ChangeDirectory(const CString& name);
    int EntryImage(int item) const;
    CString EntryName(int item) const;
    // The first entry from start on (wrapping round when wrap) whose name is text, or begins
    // with it when partial, letter case aside; -1 when none is.
    int FindEntry(const CString& text, bool partial, int start = 0, bool wrap = false) const;
    // Acts on a listed entry as a double-click does: enter a folder, or take a file.
    void Enter(int item);

    int m_mode;
    CString m_fileName;
    CString m_filter;
    CStringArray m_descriptions;
    CStringArray m_patterns;
    std::vector<Entry> m_entries;
    CListCtrl m_files;
    CButtonImages m_buttonImages;
    CButtonImages m_entryImages;
};
