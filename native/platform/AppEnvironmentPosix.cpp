#include "framework/AppEnvironment.h"

#include <unistd.h>

#include <climits>

// What the system reports, for the native build of the cores: the folder of the running
// executable, and double-byte support on (the cores are built for GBK text).

CString SystemExecutableFolder()
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || (size_t)length >= sizeof path)
        return CString();
    CString folder(path, (int)length);
    int slash = folder.ReverseFind('/');
    return slash > 0 ? folder.Left(slash) : CString();
}

bool SystemDbcsEnabled()
{
    return true;
}
