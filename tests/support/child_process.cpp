#include "child_process.h"

namespace {

// Closes a handle when the scope ends.
class HandleGuard {
public:
    explicit HandleGuard(HANDLE handle = nullptr) : m_handle(handle) {}
    ~HandleGuard() { Close(); }
    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;
    HANDLE* Out() { return &m_handle; }
    HANDLE Get() const { return m_handle; }
    void Close()
    {
        if (m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
        m_handle = nullptr;
    }

private:
    HANDLE m_handle;
};

}  // namespace

ProgramRun RunProgram(std::string commandLine, const std::string& folder, const std::string& input)
{
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HandleGuard outRead, outWrite, inRead, inWrite;
    if (!CreatePipe(outRead.Out(), outWrite.Out(), &inherit, 0) || !CreatePipe(inRead.Out(), inWrite.Out(), &inherit, 0))
        return run;
    SetHandleInformation(outRead.Get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inWrite.Get(), HANDLE_FLAG_INHERIT, 0);
    // The test inputs are small enough for the pipe's buffer, so the child need not run yet.
    DWORD written = 0;
    if (!input.empty()) WriteFile(inWrite.Get(), input.data(), (DWORD)input.size(), &written, nullptr);
    inWrite.Close();

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead.Get();
    startup.hStdOutput = outWrite.Get();
    startup.hStdError = outWrite.Get();
    PROCESS_INFORMATION process = {};
    run.started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                 folder.empty() ? nullptr : folder.c_str(), &startup, &process) != 0;
    outWrite.Close();
    inRead.Close();
    if (!run.started) return run;

    if (process.hProcess == nullptr)
        return run;  // a Unix program: see StartHostProgram
    HandleGuard processHandle(process.hProcess), threadHandle(process.hThread);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(outRead.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) run.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    return run;
}

bool StartHostProgram(std::string commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // Wine starts a Unix program without a process handle, and what it leaves as the thread
    // handle is no handle of ours: closing it closed whatever held that value, once the
    // process's registry root, after which no printer could be found.
    if (process.hProcess != nullptr) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return true;
}
