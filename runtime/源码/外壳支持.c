/* Registry, environment and shell support. */
#include "runtime/源码/外壳支持.h"
#include "runtime/源码/视窗.h"
#include "runtime/源码/字符.h"

#include <string.h>

static int IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

int VdRegRead(HKEY root, const char* subKey, const char* valueName, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = '\0';
    HKEY key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0, length = (DWORD)size;
    LONG status = RegQueryValueExA(key, valueName, NULL, &type, (BYTE*)buffer, &length);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        buffer[0] = '\0';
        return 0;
    }
    /* A stored string need not end with a NUL; one that fills the buffer without it has no
       room left for one. */
    if (length < (DWORD)size) {
        buffer[length] = '\0';
    } else if (IsStringType(type) && buffer[size - 1] != '\0') {
        buffer[0] = '\0';
        return 0;
    }
    return 1;
}

int VdRegWrite(HKEY root, const char* subKey, const char* valueName, const char* text)
{
    if (!text)
        return 0;
    HKEY key;
    if (RegCreateKeyExA(root, subKey, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return 0;
    LONG status = RegSetValueExA(key, valueName, 0, REG_SZ, (const BYTE*)text,
                                 (DWORD)strlen(text) + 1);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

int VdRegDeleteKey(HKEY root, const char* subKey)
{
    return RegDeleteKeyA(root, subKey) == ERROR_SUCCESS;
}

int VdRegDeleteValue(HKEY root, const char* subKey, const char* valueName)
{
    HKEY key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return 0;
    LONG status = RegDeleteValueA(key, valueName);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

DWORD VdGetEnv(const char* name, char* buffer, int size)
{
    if (!name || !buffer || size < 1)
        return 0;
    return GetEnvironmentVariableA(name, buffer, (DWORD)size);
}

int VdCutBrowserArgument(char* command)
{
    /* Neither '"' nor '%' can be a GBK trail byte, so a byte search is safe here. */
    char* mark = strstr(command, "\"%1\"");
    if (!mark)
        mark = strstr(command, "%1");
    if (mark)
        *mark = '\0';
    return (int)strlen(command);
}

int VdGetBrowserCommand(char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    static const char kCommandKey[] = "\\shell\\open\\command";
    char className[kBrowserWorkSize];
    if (!VdRegRead(HKEY_CLASSES_ROOT, ".htm", NULL, className, (int)sizeof className))
        return 0;
    if (strlen(className) + sizeof kCommandKey > sizeof className)
        return 0;
    strcat(className, kCommandKey);
    char work[kBrowserWorkSize];
    if (!VdRegRead(HKEY_CLASSES_ROOT, className, NULL, work, (int)sizeof work))
        return 0;
    int length = VdCutBrowserArgument(work);
    MbStrCopyN(work, buffer, size);
    return (int)strlen(buffer) == length ? length : 0;
}

int VdBuildOpenCommand(const char* browserCommand, const char* file, char* buffer, int size)
{
    if (!browserCommand || !file || !buffer || size < 1)
        return 0;
    size_t needed = strlen(browserCommand) + strlen(file) + 3; /* blank and two quotes */
    if (needed > (size_t)size - 1) {
        buffer[0] = '\0';
        return 0;
    }
    strcpy(buffer, browserCommand);
    strcat(buffer, " \"");
    strcat(buffer, file);
    strcat(buffer, "\"");
    return 1;
}

const char* VdShellVerb(KindWord verb)
{
    if (verb == 打印)
        return "print";
    if (verb == 浏览)
        return "explore";
    return "open";
}

HINSTANCE VdShellExecute(HWND window, KindWord verb, const char* file, const char* parameters,
                         const char* directory, int show)
{
    return ShellExecuteA(window, VdShellVerb(verb), file, parameters, directory, show);
}

INT_PTR VdShellOpen(const char* file, int show)
{
    INT_PTR opened = (INT_PTR)ShellExecuteA(NULL, "open", file, NULL, NULL, show);
    if (opened > 32)
        return opened;
    char browser[kOpenCommandBrowserSize];
    if (!VdGetBrowserCommand(browser, (int)sizeof browser))
        return opened;
    char command[kOpenCommandMax + 1];
    if (!VdBuildOpenCommand(browser, file, command, (int)sizeof command))
        return opened;
    return (INT_PTR)WinExec(command, (UINT)show);
}

BOOL VdSetConsoleCursor(int x, int y)
{
    /* The handle belongs to the process: positioning must not close it. */
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    COORD position = {(SHORT)x, (SHORT)y};
    return SetConsoleCursorPosition(output, position);
}
