#pragma once
#include <atomic>
#include <memory>
#include <mutex>

#include "editor/settings/SettingsRecords.h"
#include "framework/Collections.h"
#include "framework/Dialog.h"

// What one transfer shares between the dialog and its worker. Each dialog makes its own, and
// the worker holds it until it ends, so a worker that outlives its dialog can never touch
// the next transfer's values.
struct FtpTransferState {
    static const int kList = 2;
    // Posted to the dialog with the count of entries listed so far.
    static const UINT kListProgressMessage = WM_APP + 1;
    int direction = 1;  // 1 download, 0 upload, kList a folder listing
    CFtpSiteRecord account;
    CString remotePath;
    CString localPath;
    DWORD expectedSize = 0;
    // A listing's file-type patterns and, once it went through, its rows; the account's
    // folder is then the folder listed.
    CString filter;
    CStringArray rows;
    std::atomic<int> cancelRequested{0};
    std::atomic<int> result{0};
    // The dialog and its bar while the dialog lives; cleared under the lock when it goes.
    std::mutex windowLock;
    HWND dialog = nullptr;
    HWND progressBar = nullptr;
    int shownPercent = -1;
    DWORD shownAt = 0;  // tick of the last entry count posted to the dialog

    // The percentage for bytesSoFar, 100 for an expected size of 0, without overflow.
    static int Percent(DWORD bytesSoFar, DWORD expectedSize);
    // The progress callback: moves the bar when the percentage changed; 0 once cancelled.
    int Progress(DWORD bytesSoFar);
    // The listing's callback: tells the dialog the entries so far, at most ten times a
    // second; 0 once cancelled.
    int ListProgress(DWORD entries);
};

// Runs one download, upload or folder listing on a worker thread while the user watches a
// progress bar (for a listing, a moving bar and the count of entries in the caption).
// DoModal returns IDOK when the worker ended (the caller reads GetResult(): 1 means the file
// went through or the folder was listed) and IDCANCEL when the user cancelled; the worker
// then stops (at once with the own client; between blocks with the internet classes) and
// posts nothing. The destructor waits for the worker, keeping the interface painted meanwhile.
class CFtpTransferDlg : public CDialog {
public:
    CFtpTransferDlg(int direction, const CFtpSiteRecord& account, LPCTSTR remotePath, LPCTSTR localPath,
                    DWORD expectedSize, CWnd* parent = nullptr);
    // Lists the account's folder with the ';'-separated patterns of filter.
    CFtpTransferDlg(const CFtpSiteRecord& account, LPCTSTR filter, CWnd* parent = nullptr);
    ~CFtpTransferDlg() override;

    int GetResult() const { return m_state->result; }
    // After a listing went through: its rows and the folder the server listed.
    const CStringArray& GetRows() const { return m_state->rows; }
    const CString& GetListedFolder() const { return m_state->account.folder; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnDestroy();
    LRESULT OnListProgress(WPARAM entries, LPARAM);
    DECLARE_MESSAGE_MAP()

private:

    static UINT Worker(LPVOID parameter);
    void WaitForWorker();

    std::shared_ptr<FtpTransferState> m_state;
    HANDLE m_worker = nullptr;
};

// The password of an account whose password is not saved; the account text is shown
// read-only, the password typed hidden.
class CFtpPasswordDlg : public CDialog {
public:
    explicit CFtpPasswordDlg(CWnd* parent = nullptr);

    CString m_password;
    CString m_accountText;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
