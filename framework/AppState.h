#pragma once
#include <windows.h>

// Process-wide values the framework's window-free core needs: the module whose resources
// (string table) are loaded, and the application name used as the message-box caption.

// The module LoadString and friends read from; the executable unless set.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resources);

// The executable's module.
HINSTANCE AfxGetInstanceHandle();

// The application's title: the caption of message boxes. Defaults to the executable's file
// title (its file name without folder and extension).
LPCTSTR AfxGetAppName();
void AfxSetAppName(LPCTSTR name);
