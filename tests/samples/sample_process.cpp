#include "sample_process.h"

#include <vector>

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

HWND SampleProcess::WaitForWindow(const char* className, const char* title) const
{
    WindowSearch search = { Id(), className, title, nullptr };
    WaitUntil([&] {
        EnumWindows(MatchWindow, (LPARAM)&search);
        return search.found != nullptr;
    });
    return search.found;
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
