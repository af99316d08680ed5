#include "framework/MessageBox.h"

#include "framework/AppState.h"

int ShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type)
{
    if (MessageBoxHook* hook = GetMessageBoxHook())
        return hook->OnMessageBox(owner, text ? text : "", caption ? caption : "", type);
    return ::MessageBoxA(owner, text ? text : "", caption, type);
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT /*helpId*/)
{
    return ShowMessageBox(::GetActiveWindow(), text, AfxGetAppName(), type);
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId)
{
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type, helpId);
}
