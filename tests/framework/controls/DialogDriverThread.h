#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

// Drives a system modal dialog or a tracked popup menu (each runs its own loop, out of
// reach of the framework's dialog driver) from a second thread: waits until a visible window
// of the class (a dialog by default) of the given thread appears, runs the action on it
// (which may read its controls with SendMessage) and then posts the closing command to it
// (none for 0).
class DialogDriverThread {
public:
    DialogDriverThread(DWORD uiThread, std::function<void(HWND)> action, int closeCommand,
                       const char* windowClass = "#32770")
        : m_windowClass(windowClass),
          m_worker([this, uiThread, action, closeCommand] { Run(uiThread, action, closeCommand); })
    {
    }
    ~DialogDriverThread() { m_worker.join(); }
    DialogDriverThread(const DialogDriverThread&) = delete;
    DialogDriverThread& operator=(const DialogDriverThread&) = delete;

    // Whether a dialog was found before the time ran out.
    bool Found() const { return m_found; }

private:
    struct Search {
        const char* windowClass;
        HWND found;
    };

    static BOOL CALLBACK FindWindowOfClass(HWND window, LPARAM param)
    {
        Search* search = (Search*)param;
        char className[16] = "";
        ::GetClassName(window, className, sizeof className);
        if (lstrcmp(className, search->windowClass) == 0 && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    void Run(DWORD uiThread, const std::function<void(HWND)>& action, int closeCommand)
    {
        Search search = {m_windowClass, nullptr};
        for (int tries = 0; tries < 400 && !search.found; ++tries) {
            ::Sleep(25);
            ::EnumThreadWindows(uiThread, &FindWindowOfClass, (LPARAM)&search);
        }
        HWND dialog = search.found;
        if (!dialog)
            return;
        // Let the dialog finish filling itself after it became visible.
        ::Sleep(100);
        m_found = true;
        if (action)
            action(dialog);
        if (closeCommand != 0)
            ::PostMessage(dialog, WM_COMMAND, MAKEWPARAM(closeCommand, BN_CLICKED), 0);
    }

    const char* m_windowClass;
    std::atomic<bool> m_found{false};
    std::thread m_worker;
};
