#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

// Drives a system modal dialog (which runs its own loop, out of reach of the framework's
// dialog driver) from a second thread: waits until a visible dialog of the given thread
// appears, runs the action on it (which may read its controls with SendMessage) and then
// posts the closing command to it.
class DialogDriverThread {
public:
    DialogDriverThread(DWORD uiThread, std::function<void(HWND)> action, int closeCommand)
        : m_worker([this, uiThread, action, closeCommand] { Run(uiThread, action, closeCommand); })
    {
    }
    ~DialogDriverThread() { m_worker.join(); }
    DialogDriverThread(const DialogDriverThread&) = delete;
    DialogDriverThread& operator=(const DialogDriverThread&) = delete;

    // Whether a dialog was found before the time ran out.
    bool Found() const { return m_found; }

private:
    static BOOL CALLBACK FindDialog(HWND window, LPARAM found)
    {
        char className[16] = "";
        ::GetClassName(window, className, sizeof className);
        if (lstrcmp(className, "#32770") == 0 && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            *(HWND*)found = window;
            return FALSE;
        }
        return TRUE;
    }

    void Run(DWORD uiThread, const std::function<void(HWND)>& action, int closeCommand)
    {
        HWND dialog = nullptr;
        for (int tries = 0; tries < 400 && !dialog; ++tries) {
            ::Sleep(25);
            ::EnumThreadWindows(uiThread, &FindDialog, (LPARAM)&dialog);
        }
        if (!dialog)
            return;
        // Let the dialog finish filling itself after it became visible.
        ::Sleep(100);
        m_found = true;
        if (action)
            action(dialog);
        ::PostMessage(dialog, WM_COMMAND, MAKEWPARAM(closeCommand, BN_CLICKED), 0);
    }

    std::atomic<bool> m_found{false};
    std::thread m_worker;
};
