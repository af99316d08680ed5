#include "framework/AppState.h"

#include "framework/CString.h"
#include "framework/FileName.h"

namespace {

HINSTANCE g_resourceHandle = nullptr;

CString& AppName()
{
    static CString name;
    return name;
}

CString ExecutableFileTitle()
{
    char path[MAX_PATH * 2] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return CString();
    return FilePathParts::TitleOf(CString(path, (int)length));
}

} // namespace

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceHandle ? g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE resources)
{
    g_resourceHandle = resources;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

LPCTSTR AfxGetAppName()
{
    CString& name = AppName();
    if (name.IsEmpty())
        name = ExecutableFileTitle();
    return name;
}

void AfxSetAppName(LPCTSTR name)
{
    AppName() = name;
}
