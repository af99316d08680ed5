#include "editor/dialogs/FtpTransferDlg.h"

#include <commctrl.h>

#include <new>

#include "editor/dialogs/RemoteTransfer.h"
#include "editor/res/resource.h"
#include "framework/DataExchange.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/WinThread.h"

int FtpTransferState::Percent(DWORD bytesSoFar, DWORD expectedSize)
{
    if (!expectedSize)
        return 100;
    const unsigned long long percent = bytesSoFar * 100ull / expectedSize;
    return percent > 100 ? 100 : static_cast<int>(percent);
}

int FtpTransferState::Progress(DWORD bytesSoFar)
{
    const int percent = Percent(bytesSoFar, expectedSize);
    {
        std::lock_guard<std::mutex> guard(windowLock);
        // Posted, not sent: a worker never waits for an interface thread that may be
        // waiting for it.
        if (progressBar && percent != shownPercent) {
            shownPercent = percent;
            ::PostMessageA(progressBar, PBM_SETPOS, percent, 0);
        }
    }
    return !cancelRequested;
}

int FtpTransferState::ListProgress(DWORD entries)
{
    {
        std::lock_guard<std::mutex> guard(windowLock);
        const DWORD now = ::GetTickCount();
        if (dialog && (entries == 1 || now - shownAt >= 100)) {
            shownAt = now;
            ::PostMessageA(dialog, kListProgressMessage, entries, 0);
        }
    }
    return !cancelRequested;
}

BEGIN_MESSAGE_MAP(CFtpTransferDlg, CDialog)
    ON_WM_DESTROY()
    ON_MESSAGE(FtpTransferState::kListProgressMessage, OnListProgress)
END_MESSAGE_MAP()

CFtpTransferDlg::CFtpTransferDlg(int direction, const CFtpSiteRecord& account, LPCTSTR remotePath,
                                 LPCTSTR localPath, DWORD expectedSize, CWnd* parent)
    : CDialog(IDD_FTP_TRANSFER, parent), m_state(std::make_shared<FtpTransferState>())
{
    m_state->direction = direction;
    m_state->account.Copy(account);
    m_state->remotePath = remotePath;
    m_state->localPath = localPath;
    m_state->expectedSize = expectedSize;
}

CFtpTransferDlg::CFtpTransferDlg(const CFtpSiteRecord& account, LPCTSTR filter, CWnd* parent)
    : CDialog(IDD_FTP_TRANSFER, parent), m_state(std::make_shared<FtpTransferState>())
{
    m_state->direction = FtpTransferState::kList;
    m_state->account.Copy(account);
    m_state->filter = filter;
}

CFtpTransferDlg::~CFtpTransferDlg()
{
    WaitForWorker();
}

void CFtpTransferDlg::WaitForWorker()
{
    if (!m_worker)
        return;
    // A cancel stops the own client at once and every other socket call has a time-out, so
    // this ends; windows keep painting.
    while (::MsgWaitForMultipleObjects(1, &m_worker, FALSE, INFINITE, QS_PAINT | QS_POSTMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageA(&msg);
        // Posted messages wait for their loops; only what would pile up here is dropped.
        while (::PeekMessageA(&msg, nullptr, PBM_SETPOS, PBM_SETPOS, PM_REMOVE)) {
        }
    }
    ::CloseHandle(m_worker);
    m_worker = nullptr;
}

BOOL CFtpTransferDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    WaitForWorker();  // a second run of the same dialog
    m_state->cancelRequested = 0;
    m_state->result = 0;
    HWND bar = ::GetDlgItem(m_hWnd, IDC_FTP_PROGRESS);
    ::SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    if (m_state->direction == FtpTransferState::kList) {
        // No size is known ahead: the bar moves, the caption counts.
        ::SetWindowLongA(bar, GWL_STYLE, ::GetWindowLongA(bar, GWL_STYLE) | PBS_MARQUEE);
        ::SendMessageA(bar, PBM_SETMARQUEE, TRUE, 30);
        OnListProgress(0, 0);
    }
    {
        std::lock_guard<std::mutex> guard(m_state->windowLock);
        m_state->dialog = m_hWnd;
        m_state->progressBar = bar;
        m_state->shownPercent = -1;
    }
    // The worker holds its own reference to the state until it ends.
    auto* held = new std::shared_ptr<FtpTransferState>(m_state);
    CWinThread* thread = AfxBeginThread(Worker, held, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread) {
        delete held;
        EndDialog(IDOK);
        return TRUE;
    }
    ::DuplicateHandle(::GetCurrentProcess(), thread->m_hThread, ::GetCurrentProcess(), &m_worker, 0, FALSE,
                      DUPLICATE_SAME_ACCESS);
    thread->ResumeThread();
    return TRUE;
}

void CFtpTransferDlg::OnCancel()
{
    m_state->cancelRequested = 1;
    EndDialog(IDCANCEL);
}

LRESULT CFtpTransferDlg::OnListProgress(WPARAM entries, LPARAM)
{
    // The account and, once known, the folder.
    CString where = m_state->account.title;
    if (!m_state->account.folder.IsEmpty())
        where += " " + m_state->account.folder;
    CString caption;
    caption.Format(IDS_FTP_LISTING, static_cast<LPCTSTR>(where), static_cast<unsigned long>(entries));
    SetWindowText(caption);
    return 0;
}

void CFtpTransferDlg::OnDestroy()
{
    {
        std::lock_guard<std::mutex> guard(m_state->windowLock);
        m_state->dialog = nullptr;
        m_state->progressBar = nullptr;
    }
    CWnd::OnDestroy();
}

UINT CFtpTransferDlg::Worker(LPVOID parameter)
{
    std::unique_ptr<std::shared_ptr<FtpTransferState>> held(static_cast<std::shared_ptr<FtpTransferState>*>(parameter));
    FtpTransferState& state = **held;
    const TransferProgressCallback progress = [&state](DWORD bytes) { return state.Progress(bytes); };
    const TransferProgressCallback listProgress = [&state](DWORD entries) { return state.ListProgress(entries); };
    int result = 0;
    // Nothing may escape a worker thread: every failure becomes a box and the result 0.
    try {
        if (state.direction == FtpTransferState::kList)
            result = RemoteListDirectory(state.rows, state.account, state.filter, listProgress,
                                         &state.cancelRequested);
        else if (state.direction)
            result = RemoteGetFile(state.account, state.remotePath, state.localPath, progress, state.expectedSize,
                                   &state.cancelRequested);
        else
            result = RemotePutFile(state.account, state.localPath, state.remotePath, progress,
                                   &state.cancelRequested);
    } catch (CException* e) {
        char text[512] = "";
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        CString message;
        message.Format(IDS_FTP_TRANSFER_FAILED, text);
        AfxMessageBox(message, MB_OK | MB_ICONSTOP);
    } catch (const std::bad_alloc&) {
        CString message;
        message.Format(IDS_FTP_TRANSFER_FAILED, "内存不足.");
        AfxMessageBox(message, MB_OK | MB_ICONSTOP);
    }
    state.result = result;
    std::lock_guard<std::mutex> guard(state.windowLock);
    if (state.dialog && !state.cancelRequested)
        ::PostMessageA(state.dialog, WM_COMMAND, IDOK, 0);
    return 0;
}

CFtpPasswordDlg::CFtpPasswordDlg(CWnd* parent) : CDialog(IDD_FTP_PASSWORD, parent) {}

void CFtpPasswordDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_FTP_PASSWORD, m_password);
    DDX_Text(dx, IDC_FTP_ACCOUNT_TEXT, m_accountText);
}
