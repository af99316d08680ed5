#pragma once
#include <windows.h>

#include "framework/WinApp.h"

// Runs every message waiting for this thread as the application's loop would: pre-translation
// (the views' keys, the popup's filter), then translation and dispatch.
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
