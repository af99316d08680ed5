/* Drives, directories and module file names over the C runtime and KERNEL32. */
#include "runtime/源码/目录.h"

#include <direct.h>
#include <windows.h>

int DirSetDrive(int drive)
{
    return _chdrive(drive) == 0 ? 0 : -1;
}

int DirGetDrive(void)
{
    return _getdrive();
}

unsigned long DirGetDriveMask(void)
{
    return GetLogicalDrives();
}

char* DirGetCurrent(char* buffer, int size)
{
    if (buffer == NULL || size <= 0)
        return NULL;
    if (_getcwd(buffer, size) == NULL) {
        buffer[0] = '\0';
        return NULL;
    }
    return buffer;
}

int DirChange(const char* path)
{
    return path != NULL && _chdir(path) == 0 ? 0 : -1;
}

int DirMake(const char* path)
{
    return path != NULL && _mkdir(path) == 0 ? 0 : -1;
}

int DirRemove(const char* path)
{
    return path != NULL && _rmdir(path) == 0 ? 0 : -1;
}

int SysModuleFileName(void* module, char* buffer, int size)
{
    if (buffer == NULL || size <= 0)
        return 0;
    DWORD length = GetModuleFileNameA((HMODULE)module, buffer, (DWORD)size);
    /* A name cut to the buffer comes back with the full size and, on older systems, no NUL. */
    if (length >= (DWORD)size)
        length = (DWORD)size - 1;
    buffer[length] = '\0';
    return (int)length;
}

int SysExePath(char* buffer, int size)
{
    if (buffer == NULL || size < 2)
        return 0;
    DWORD length = GetModuleFileNameA(NULL, buffer, (DWORD)size);
    if (length == 0 || length >= (DWORD)size) {
        buffer[0] = '\0';
        return 0;
    }
    buffer[length] = '\0';
    return (int)length;
}
