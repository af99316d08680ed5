#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/CString.h"

// List views, which the dialog driver does not speak, driven through their messages.
inline int ListRows(HWND list)
{
    return (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
}
inline CString ListText(HWND list, int row)
{
    char text[256] = "";
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, (LPARAM)&item);
    return text;
}
inline int ListSelection(HWND list)
{
    return (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}
// The row's image in the list's small images.
inline int ListImage(HWND list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item);
    return item.iImage;
}
// The button shows an icon rather than its text.
inline bool ShowsIcon(HWND button)
{
    return (GetWindowLongA(button, GWL_STYLE) & BS_ICON) && SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0);
}
// Adds the row to the selection (alone unless keep), as a click or a Ctrl-click does.
inline void ListSelect(HWND list, int row, bool keep = false)
{
    LVITEMA item = {};
    if (!keep) {
        item.stateMask = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&item);
    }
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, (LPARAM)&item);
}
