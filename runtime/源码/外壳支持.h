/* Registry, environment and shell support behind the window API's Wnd functions. Every
   text they read is bounded by the caller's size and always terminated. */
#ifndef MOYU_GUI_SHELL_SUPPORT_H
#define MOYU_GUI_SHELL_SUPPORT_H

#include <windows.h>
#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kBrowserWorkSize = 520,
    kOpenCommandBrowserSize = 512,
    kOpenCommandMax = 1020
};

/* 1 with the value in buffer, terminated within size bytes; 0 on any failing step, for a
   string value that does not fit with its NUL, or for a null buffer or size below 1. */
int VdRegRead(HKEY root, const char* subKey, const char* valueName, char* buffer, int size);
int VdRegWrite(HKEY root, const char* subKey, const char* valueName, const char* text);
int VdRegDeleteKey(HKEY root, const char* subKey);
int VdRegDeleteValue(HKEY root, const char* subKey, const char* valueName);
DWORD VdGetEnv(const char* name, char* buffer, int size);
/* The shell-open command of .htm files without its "%1" argument (and the quotes round it);
   its length, or 0 when none was found or it did not fit in size - 1 bytes. */
int VdGetBrowserCommand(char* buffer, int size);
/* The text of a command as the browser command yields it, cut before "%1". */
int VdCutBrowserArgument(char* command);
/* "command "file"" into buffer (at most size - 1 bytes); 1, or 0 when it does not fit. */
int VdBuildOpenCommand(const char* browserCommand, const char* file, char* buffer, int size);
/* "print" for 打印, "explore" for 浏览, "open" for anything else. */
const char* VdShellVerb(KindWord verb);
HINSTANCE VdShellExecute(HWND window, KindWord verb, const char* file, const char* parameters,
                         const char* directory, int show);
INT_PTR VdShellOpen(const char* file, int show);
BOOL VdSetConsoleCursor(int x, int y);

#ifdef __cplusplus
}
#endif

#endif
