/* File identity and atomic replacement on Win32. */
#include "tools/converter/FileReplace.h"

#include <stdlib.h>
#include <windows.h>
#include "runtime/源码/字符串.h"

static HANDLE OpenForQuery(const char* name)
{
    return CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
}

int FilesAreSame(const char* first, const char* second)
{
    if (first == NULL || second == NULL)
        return 0;
    char firstFull[MAX_PATH];
    char secondFull[MAX_PATH];
    if (_fullpath(firstFull, first, sizeof firstFull) != NULL
        && _fullpath(secondFull, second, sizeof secondFull) != NULL
        && StrCompareNoCase(firstFull, secondFull) == 0)
        return 1;
    HANDLE a = OpenForQuery(first);
    HANDLE b = OpenForQuery(second);
    int same = 0;
    BY_HANDLE_FILE_INFORMATION infoA;
    BY_HANDLE_FILE_INFORMATION infoB;
    if (a != INVALID_HANDLE_VALUE && b != INVALID_HANDLE_VALUE
        && GetFileInformationByHandle(a, &infoA) && GetFileInformationByHandle(b, &infoB)) {
        same = infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber
            && infoA.nFileIndexHigh == infoB.nFileIndexHigh
            && infoA.nFileIndexLow == infoB.nFileIndexLow;
    }
    if (a != INVALID_HANDLE_VALUE)
        CloseHandle(a);
    if (b != INVALID_HANDLE_VALUE)
        CloseHandle(b);
    return same;
}

int ReplaceFileWith(const char* source, const char* target)
{
    if (MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    int error = (int)GetLastError();
    return error != 0 ? error : -1;
}
