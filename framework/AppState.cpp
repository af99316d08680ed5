#include "framework/AppState.h"

#include "framework/CString.h"

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
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path - 1);
    if (length == 0 || length >= sizeof path - 1)
        return CString();
    CString full(path, (int)length);
    int slash = full.ReverseFind('\\');
    int colon = full.ReverseFind(':');
    CString name = full.Mid((slash > colon ? slash : colon) + 1);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
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
