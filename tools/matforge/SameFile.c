/* The one place matforge asks the platform about files beyond the runtime library. */
#include "tools/matforge/SameFile.h"

#include <windows.h>
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"

/* The full path of a name in a tracked block, or null. */
static char* FullPathOf(const char* name)
{
    DWORD needed = GetFullPathNameA(name, 0, NULL, NULL);
    if (needed == 0)
        return NULL;
    char* path = (char*)MOYU_ALLOC(needed);
    if (!path)
        return NULL;
    DWORD written = GetFullPathNameA(name, needed, path, NULL);
    if (written == 0 || written >= needed) {
        MOYU_FREE(path);
        return NULL;
    }
    return path;
}

static int FullPathsEqual(const char* first, const char* second)
{
    char* firstPath = FullPathOf(first);
    char* secondPath = FullPathOf(second);
    int equal = firstPath && secondPath && StrCompareNoCase(firstPath, secondPath) == 0;
    if (firstPath)
        MOYU_FREE(firstPath);
    if (secondPath)
        MOYU_FREE(secondPath);
    return equal;
}

/* Opens a name for its attributes only, sharing everything, so an open stream is no bar. */
static HANDLE OpenForIdentity(const char* name)
{
    return CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
}

static int SameIdentity(const char* first, const char* second)
{
    HANDLE firstFile = OpenForIdentity(first);
    HANDLE secondFile = OpenForIdentity(second);
    BY_HANDLE_FILE_INFORMATION firstInfo, secondInfo;
    int same = firstFile != INVALID_HANDLE_VALUE && secondFile != INVALID_HANDLE_VALUE
        && GetFileInformationByHandle(firstFile, &firstInfo)
        && GetFileInformationByHandle(secondFile, &secondInfo)
        && firstInfo.dwVolumeSerialNumber == secondInfo.dwVolumeSerialNumber
        && firstInfo.nFileIndexHigh == secondInfo.nFileIndexHigh
        && firstInfo.nFileIndexLow == secondInfo.nFileIndexLow;
    if (firstFile != INVALID_HANDLE_VALUE)
        CloseHandle(firstFile);
    if (secondFile != INVALID_HANDLE_VALUE)
        CloseHandle(secondFile);
    return same;
}

int NamesSameFile(const char* first, const char* second)
{
    return FullPathsEqual(first, second) || SameIdentity(first, second);
}
