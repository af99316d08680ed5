#pragma once
#include <windows.h>

// A worker function: its result is the thread's exit code.
typedef UINT (*AFX_THREADPROC)(LPVOID parameter);

// A thread the framework started for a worker function. With m_bAutoDelete (the default)
// the object frees itself and its handle when the function returns, so the caller must not
// use the pointer once the worker may have ended.
class CWinThread {
public:
    ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }

    HANDLE m_hThread = nullptr;
    UINT m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;

private:
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD);
    CWinThread(AFX_THREADPROC proc, LPVOID parameter) : m_proc(proc), m_parameter(parameter) {}
    static unsigned __stdcall Start(void* thread);

    AFX_THREADPROC m_proc;
    LPVOID m_parameter;
};

// Starts proc(parameter) on a new thread at the priority given; CREATE_SUSPENDED leaves it
// for ResumeThread. An exception the worker lets out becomes a message box and exit code
// (UINT)-1; it never ends the process. Null when the system cannot start the thread.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID parameter, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0);
