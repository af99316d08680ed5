#pragma once
#include <windows.h>

#include "framework/WinApp.h"

#include <string>
#include <vector>

// Handles every message already queued for this thread the way the framework's loops do.
inline void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// Records the order in which objects saw something.
using CallLog = std::vector<std::string>;
