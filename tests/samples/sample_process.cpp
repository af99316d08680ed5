#include "sample_process.h"

#include <vector>

SampleProcess::SampleProcess(const std::string& program)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        m_process = {};
}

SampleProcess::~SampleProcess()
{
    if (!m_process.hProcess)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.hProcess, 99);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    WindowSearch* search = (WindowSearch*)parameter;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || ClassOf(window) != search->className)
        return TRUE;
    if (search->title && TextOf(window) != search->title)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND SampleProcess::WaitForWindow(const char* className, const char* title, int milliseconds) const
{
    WindowSearch search = { m_process.dwProcessId, className, title, nullptr };
    WaitUntil([&] {
        EnumWindows(MatchWindow, (LPARAM)&search);
        return search.found != nullptr;
    }, milliseconds);
    return search.found;
}

DWORD SampleProcess::WaitForExit(int milliseconds) const
{
    DWORD code = STILL_ACTIVE;
    if (m_process.hProcess && WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    // WM_GETTEXT is marshalled across processes; GetWindowText would not ask the control.
    std::vector<char> text(1024, '\0');
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), (LPARAM)text.data(), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return text.data();
}

HWND FocusOf(DWORD threadId)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}
