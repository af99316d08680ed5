#include "framework/DialogListItems.h"

#include "framework/AppState.h"
#include "framework/Debug.h"
#include "framework/Wnd.h"

#include <string>

namespace {

// The text converted from UTF-8 to the ANSI code page; false for invalid UTF-8.
bool Utf8ToAnsi(const char* utf8, int length, std::string& ansi)
{
    ansi.clear();
    if (length == 0)
        return true;
    int wideLength = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, length, nullptr, 0);
    if (wideLength <= 0)
        return false;
    std::wstring wide(wideLength, L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, length, &wide[0], wideLength);
    int ansiLength = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (ansiLength <= 0)
        return false;
    ansi.assign(ansiLength, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &ansi[0], ansiLength, nullptr, nullptr);
    return true;
}

// The add-string message of a combo or list box; 0 for any other control.
UINT AddStringMessageOf(HWND control)
{
    char className[32] = "";
    ::GetClassName(control, className, sizeof className);
    if (lstrcmpi(className, "ComboBox") == 0)
        return CB_ADDSTRING;
    if (lstrcmpi(className, "ListBox") == 0)
        return LB_ADDSTRING;
    return 0;
}

} // namespace

BOOL LoadDialogListItems(CWnd* dialog, LPCTSTR templateName)
{
    ASSERT(dialog && dialog->GetSafeHwnd());
    if (!dialog || !dialog->GetSafeHwnd())
        return FALSE;
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResource(module, templateName, kListItemsResourceType);
    if (!resource)
        return TRUE;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    if (!data)
        return FALSE;
    const DWORD size = ::SizeofResource(module, resource);

    DWORD offset = 0;
    std::string text;
    while (offset < size) {
        if (size - offset < 3)
            return FALSE;
        WORD id = (WORD)((unsigned char)data[offset] | ((unsigned char)data[offset + 1] << 8));
        offset += 2;
        DWORD end = offset;
        while (end < size && data[end] != '\0')
            ++end;
        if (end == size)
            return FALSE;
        if (!Utf8ToAnsi(data + offset, (int)(end - offset), text))
            return FALSE;
        offset = end + 1;

        HWND control = ::GetDlgItem(dialog->GetSafeHwnd(), id);
        UINT addString = control ? AddStringMessageOf(control) : 0;
        if (addString == 0)
            return FALSE;
        ::SendMessage(control, addString, 0, (LPARAM)text.c_str());
    }
    return TRUE;
}

BOOL LoadDialogListItems(CWnd* dialog, UINT templateId)
{
    return LoadDialogListItems(dialog, MAKEINTRESOURCE(templateId));
}
