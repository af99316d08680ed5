#pragma once
#include <windows.h>

// The test programs of one run share one display and one wineserver, so they share the real
// pointer and keyboard: a real click or drag of one program lands on whatever window of any
// program is on top at that point. A test that sends real input, or that shows a window
// whose state a stray click or key would change, holds this lock (a mutex named across the
// processes) for that stretch, and the stretches of different programs take turns.
class RealInputLock {
public:
    RealInputLock() : m_mutex(::CreateMutexA(nullptr, FALSE, "MoyuTestsRealInput"))
    {
        // A program that ended while holding it leaves it abandoned, which is owned too; a
        // holder stuck for minutes does not stop this test, which then goes on without it.
        if (m_mutex != nullptr) {
            DWORD waited = ::WaitForSingleObject(m_mutex, 120000);
            m_owned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        }
    }
    ~RealInputLock()
    {
        if (m_owned)
            ::ReleaseMutex(m_mutex);
        if (m_mutex != nullptr)
            ::CloseHandle(m_mutex);
    }
    RealInputLock(const RealInputLock&) = delete;
    RealInputLock& operator=(const RealInputLock&) = delete;

private:
    HANDLE m_mutex;
    bool m_owned = false;
};
