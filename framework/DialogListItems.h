#pragma once
#include <windows.h>

class CWnd;

// The DIALOG statement of resource scripts cannot give a combo or list box its initial
// items, so a template ships them in a resource of this type with the template's name:
// per item a 16-bit control id and the item's text in UTF-8, zero-terminated, e.g.
//     IDD_FIND LISTITEMS
//     BEGIN
//         IDC_SCOPE, "当前文件\0",
//         IDC_SCOPE, "全部文件\0"
//     END
// The dialog base fills the boxes with LoadDialogListItems at WM_INITDIALOG.
constexpr LPCTSTR kListItemsResourceType = "LISTITEMS";

// Adds the items of the template's LISTITEMS resource (from the resource module) to the
// dialog's combo and list boxes, in order. TRUE when the template has no such resource or
// every item was added; FALSE when the data is damaged (an item without its terminator or
// with invalid UTF-8, an id of no combo or list box), after adding the items before it.
BOOL LoadDialogListItems(CWnd* dialog, LPCTSTR templateName);
BOOL LoadDialogListItems(CWnd* dialog, UINT templateId);
