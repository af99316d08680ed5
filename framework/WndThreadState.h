#pragma once
#include <windows.h>

#include <memory>
#include <unordered_map>

class CWnd;

// Per-thread window bookkeeping of the framework: which object owns which window, the
// temporary wrappers of FromHandle, the window being created and the message being handled.
struct WndThreadState {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    CWnd* pendingCreate = nullptr;
    HHOOK createHook = nullptr;
    // The message the window procedure is handling, for Default().
    MSG current = {};
    // While UpdateData runs on this window its controls' notifications are ignored.
    HWND lockoutNotifyWindow = nullptr;
};

WndThreadState& CurrentWndThreadState();

// Reports the exception being handled (call it inside a catch block) the way the window
// procedure does: framework exceptions show their message, user exceptions nothing more.
void ReportWindowProcedureException();
