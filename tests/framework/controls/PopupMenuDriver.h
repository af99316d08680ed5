#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "wait.h"

// Drives a tracked popup menu, whose loop runs out of reach of the framework's dialog
// driver, from a second thread: waits until a popup menu window of the given thread is
// visible and runs the action on it (which may post keys to it).
class PopupMenuDriver {
public:
    PopupMenuDriver(DWORD uiThread, std::function<void(HWND)> action)
        : m_worker([this, uiThread, action] { Run(uiThread, action); })
    {
    }
    ~PopupMenuDriver() { m_worker.join(); }
    PopupMenuDriver(const PopupMenuDriver&) = delete;
    PopupMenuDriver& operator=(const PopupMenuDriver&) = delete;

    // Whether a popup was found before the time ran out.
    bool Found() const { return m_found; }

private:
    static BOOL CALLBACK FindPopup(HWND window, LPARAM found)
    {
        char className[16] = "";
        ::GetClassName(window, className, sizeof className);
        if (lstrcmp(className, "#32768") == 0 && ::IsWindowVisible(window)) {
            *(HWND*)found = window;
            return FALSE;
        }
        return TRUE;
    }

    void Run(DWORD uiThread, const std::function<void(HWND)>& action)
    {
        HWND popup = nullptr;
        if (!WaitUntil([&] {
                ::EnumThreadWindows(uiThread, &FindPopup, (LPARAM)&popup);
                return popup != nullptr;
            }))
            return;
        m_found = true;
        action(popup);
    }

    std::atomic<bool> m_found{false};
    std::thread m_worker;
};
