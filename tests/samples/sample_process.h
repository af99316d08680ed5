#pragma once
// A sample program started under test, with helpers to find its top-level windows and to
// read its controls across the process boundary.
#include <windows.h>

#include <string>

class SampleProcess {
public:
    explicit SampleProcess(const std::string& program);
    ~SampleProcess();
    SampleProcess(const SampleProcess&) = delete;
    SampleProcess& operator=(const SampleProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    // A top-level window of this process with the class and title, waited for up to the
    // given time; null when none appeared. A null title matches any.
    HWND WaitForWindow(const char* className, const char* title, int milliseconds = 20000) const;
    // The exit code once the process has ended within the time; STILL_ACTIVE otherwise.
    DWORD WaitForExit(int milliseconds = 20000) const;
    DWORD ThreadId() const { return m_process.dwThreadId; }
    DWORD ProcessId() const { return m_process.dwProcessId; }

private:
    PROCESS_INFORMATION m_process = {};
};

std::string ClassOf(HWND window);
std::string TextOf(HWND window);
// The control with the keyboard focus in the process's GUI thread.
HWND FocusOf(DWORD threadId);
// Waits until the condition holds, pumping nothing; false on time-out.
template <typename Condition>
bool WaitUntil(Condition condition, int milliseconds = 10000)
{
    DWORD end = GetTickCount() + (DWORD)milliseconds;
    while (!condition()) {
        if ((int)(end - GetTickCount()) <= 0)
            return false;
        Sleep(20);
    }
    return true;
}
