#include "framework/AppEnvironment.h"

#include "framework/FileName.h"

CString SystemExecutableFolder()
{
    char path[MAX_PATH * 2] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return CString();
    return FilePathParts::FolderOf(CString(path, (int)length));
}

bool SystemDbcsEnabled()
{
    return ::GetSystemMetrics(SM_DBCSENABLED) != 0;
}
