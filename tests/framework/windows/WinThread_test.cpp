#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/WinThread.h"
#include "WindowTestResources.h"

namespace {

// What a transfer worker shares with its dialog: plain values, as in the IDE.
struct TransferShare {
    HWND dialog = nullptr;
    DWORD workerThreadId = 0;
    int blocksMoved = 0;
};

UINT TransferWorker(LPVOID parameter)
{
    TransferShare* share = static_cast<TransferShare*>(parameter);
    share->workerThreadId = ::GetCurrentThreadId();
    share->blocksMoved = 3;
    ::PostMessageA(share->dialog, WM_COMMAND, IDOK, 0);
    return 0;
}

// The transfer dialog's shape: the worker starts during the modal run and ends it by posting
// IDOK, which the dialog's own OK handling turns into the result.
TEST(WorkerThread, WorkerStartedByAModalDialogEndsItWithAPostedOk)
{
    TransferShare share;
    CDialog dialog(IDD_COMMANDS);
    DialogDriver driver{[&share](DialogDriver& d) {
        share.dialog = d.Dialog();
        ASSERT_NE(AfxBeginThread(&TransferWorker, &share), nullptr);
        d.KeepOpen();
    }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(share.blocksMoved, 3);
    EXPECT_NE(share.workerThreadId, 0u);
    EXPECT_NE(share.workerThreadId, ::GetCurrentThreadId());
}

UINT ReturnParameter(LPVOID parameter) { return static_cast<UINT>(reinterpret_cast<UINT_PTR>(parameter)); }

TEST(WorkerThread, KeptThreadHasItsPriorityIdAndExitCode)
{
    CWinThread* thread = AfxBeginThread(&ReturnParameter, reinterpret_cast<LPVOID>(42), THREAD_PRIORITY_BELOW_NORMAL,
                                        0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    EXPECT_EQ(::GetThreadPriority(thread->m_hThread), THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_NE(thread->m_nThreadID, 0u);
    EXPECT_EQ(::WaitForSingleObject(thread->m_hThread, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "still suspended";

    EXPECT_EQ(thread->ResumeThread(), 1u);
    ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ASSERT_TRUE(::GetExitCodeThread(thread->m_hThread, &exitCode));
    EXPECT_EQ(exitCode, 42u);
    delete thread;
}

UINT ThrowingWorker(LPVOID) { AfxThrowFileException(CFileException::fileNotFound, -1, "传输.txt"); }

TEST(WorkerThread, ExceptionLeftOutByTheWorkerBecomesAMessageBox)
{
    ScopedMessageBoxHook boxes;
    CWinThread* thread = AfxBeginThread(&ThrowingWorker, nullptr, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ::GetExitCodeThread(thread->m_hThread, &exitCode);
    EXPECT_EQ(exitCode, static_cast<DWORD>(-1));
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_NE(boxes.Last().type & MB_ICONSTOP, 0u);
    delete thread;
}

} // namespace
