// A program that a test starts and watches from outside (the built IDE, a sample, a test
// helper), ended if it still runs when the test is done with it.
#pragma once
#include <windows.h>

#include <string>

#include "wait.h"

class StartedProgram {
public:
    // Starts exe with the arguments in folder (empty: the test's own folder) with the
    // creation flags (DETACHED_PROCESS…). A bare program name is looked for where the
    // system looks (the test program's own folder first).
    StartedProgram(const std::string& exe, const std::string& arguments = "", const std::string& folder = "",
                   DWORD flags = 0)
    {
        std::string commandLine = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup = {sizeof startup};
        m_started = ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, flags, nullptr,
                                     folder.empty() ? nullptr : folder.c_str(), &startup, &m_info) != 0;
    }
    ~StartedProgram()
    {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_info.hProcess, 1);
            ::WaitForSingleObject(m_info.hProcess, kStuckMilliseconds);
        }
        ::CloseHandle(m_info.hThread);
        ::CloseHandle(m_info.hProcess);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool Started() const { return m_started; }
    // Until the program waits for input with nothing left to do.
    void WaitForIdle() const { ::WaitForInputIdle(m_info.hProcess, kStuckMilliseconds); }
    DWORD Id() const { return m_info.dwProcessId; }
    DWORD ThreadId() const { return m_info.dwThreadId; }
    HANDLE Process() const { return m_info.hProcess; }
    // The exit code, or STILL_ACTIVE when it has not ended within the time.
    DWORD WaitForExit(int milliseconds = kStuckMilliseconds) const
    {
        if (!m_started)
            return STILL_ACTIVE;
        ::WaitForSingleObject(m_info.hProcess, static_cast<DWORD>(milliseconds));
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_info.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_info = {};
    bool m_started = false;
};
