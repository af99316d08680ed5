#pragma once
#include <atomic>
#include <memory>
#include <mutex>

#include "editor/shell/SettingsRecords.h"
#include "framework/Dialog.h"

// What one transfer shares between the dialog and its worker. Each dialog makes its own, and
// the worker holds it until it ends, so a worker that outlives its dialog can never touch
// the next transfer's values.
struct FtpTransferState {
    int direction = 1;  // 1 download, 0 upload
    CFtpSiteRecord account;
    CString remotePath;
    CString localPath;
    DWORD expectedSize = 0;
    std::atomic<int> cancelRequested{0};
    std::atomic<int> result{0};
    // The dialog and its bar while the dialog lives; cleared under the lock when it goes.
    std::mutex windowLock;
    HWND dialog = nullptr;
    HWND progressBar = nullptr;
    int shownPercent = -1;

    // The percentage for bytesSoFar, 100 for an expected size of 0, without overflow.
    static int Percent(DWORD bytesSoFar, DWORD expectedSize);
    // The progress callback: moves the bar when the percentage changed; 0 once cancelled.
    int Progress(DWORD bytesSoFar);
};

// Runs one download or upload on a worker thread while the user watches a progress bar.
// DoModal returns IDOK when the worker ended (the caller reads GetResult(): nonzero means the
// file went through) and IDCANCEL when the user cancelled; the worker then stops after the
// block in hand and posts nothing. The destructor waits for the worker, keeping the
// interface painted meanwhile.
class CFtpTransferDlg : public CDialog {
public:
    CFtpTransferDlg(int direction, const CFtpSiteRecord& account, LPCTSTR remotePath, LPCTSTR localPath,
                    DWORD expectedSize, CWnd* parent = nullptr);
    ~CFtpTransferDlg() override;

    int GetResult() const { return m_state->result; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnDestroy();
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
