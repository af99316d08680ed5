#include "framework/WinThread.h"

#include "framework/Debug.h"
#include "framework/WndThreadState.h"

#include <process.h>

CWinThread::~CWinThread()
{
    if (m_hThread != nullptr)
        ::CloseHandle(m_hThread);
}

unsigned __stdcall CWinThread::Start(void* object)
{
    CWinThread* thread = static_cast<CWinThread*>(object);
    UINT exitCode = static_cast<UINT>(-1);
    try {
        exitCode = thread->m_proc(thread->m_parameter);
    } catch (...) {
        ReportWindowProcedureException();
    }
    if (thread->m_bAutoDelete)
        delete thread;
    return exitCode;
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID parameter, int priority, UINT stackSize, DWORD createFlags)
{
    ASSERT(proc != nullptr);
    CWinThread* thread = new CWinThread(proc, parameter);
    // Started suspended so that handle, id and priority are in place before the worker can
    // run (and, auto-deleting, free the object).
    unsigned id = 0;
    HANDLE handle = reinterpret_cast<HANDLE>(
        ::_beginthreadex(nullptr, stackSize, &CWinThread::Start, thread, CREATE_SUSPENDED, &id));
    if (handle == nullptr) {
        delete thread;
        return nullptr;
    }
    thread->m_hThread = handle;
    thread->m_nThreadID = id;
    VERIFY(::SetThreadPriority(handle, priority));
    if ((createFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(handle);
    return thread;
}
