#pragma once
// The Win32 type names the window-free core of the framework uses in its interfaces. On
// Windows they come from windows.h, which callers of the core rely on; the native build of
// the cores (sanitizers, fuzzing) declares the same types without it.
#ifdef _WIN32
#include <windows.h>
#else
typedef int BOOL;
typedef unsigned int UINT;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#endif
