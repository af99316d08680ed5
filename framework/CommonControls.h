#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/CString.h"
#include "framework/Geometry.h"
#include "framework/Position.h"
#include "framework/Wnd.h"

class CImageList;

// Registers the common-control window classes of this process (list view, tree view, tab,
// progress, hot key, tool tips, bars) once; the controls' Create calls it, and so must
// anything that creates them from a dialog template first.
void AfxInitCommonControls();

// Thin wrappers of the common controls: each member sends the control its message.

class CListCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD exStyle) { return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle); }
    // The control keeps using the list; the caller keeps owning it (LVS_SHAREIMAGELISTS).
    HIMAGELIST SetImageList(CImageList* imageList, int imageListType);
    HIMAGELIST GetImageList(int imageListType) const { return (HIMAGELIST)SendMessage(LVM_GETIMAGELIST, imageListType); }

    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column) { return (BOOL)SendMessage(LVM_DELETECOLUMN, column); }
    int GetColumnWidth(int column) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, column); }
    BOOL SetColumnWidth(int column, int width) { return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)); }

    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    int InsertItem(const LVITEM* item) { return (int)SendMessage(LVM_INSERTITEM, 0, (LPARAM)item); }
    int InsertItem(int item, LPCTSTR text);
    int InsertItem(int item, LPCTSTR text, int image);
    BOOL DeleteItem(int item) { return (BOOL)SendMessage(LVM_DELETEITEM, item); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    BOOL GetItem(LVITEM* item) const { return (BOOL)SendMessage(LVM_GETITEM, 0, (LPARAM)item); }
    BOOL SetItem(const LVITEM* item) { return (BOOL)SendMessage(LVM_SETITEM, 0, (LPARAM)item); }
    BOOL SetItemText(int item, int subItem, LPCTSTR text);
    // Empty when the item or sub-item does not exist.
    CString GetItemText(int item, int subItem) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const { return (UINT)SendMessage(LVM_GETITEMSTATE, item, mask); }
    int GetNextItem(int start, int flags) const { return (int)SendMessage(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)); }
    UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
    // Selected items in order: start with GetFirstSelectedItemPosition, and while the
    // position is not null GetNextSelectedItem gives an item and advances.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& position) const;
    BOOL EnsureVisible(int item, BOOL partialOk) { return (BOOL)SendMessage(LVM_ENSUREVISIBLE, item, partialOk); }
    BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
    int HitTest(POINT point, UINT* flags = nullptr) const;
    int GetTopIndex() const { return (int)SendMessage(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return (int)SendMessage(LVM_GETCOUNTPERPAGE); }
    BOOL RedrawItems(int first, int last) { return (BOOL)SendMessage(LVM_REDRAWITEMS, first, last); }
    BOOL Update(int item) { return (BOOL)SendMessage(LVM_UPDATE, item); }
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR data) { return (BOOL)SendMessage(LVM_SORTITEMS, data, (LPARAM)compare); }
    // The first item after start (-1: from the top) that matches; -1 when none does. Text
    // searches (LVFI_STRING, with LVFI_PARTIAL for a prefix) ignore case.
    int FindItem(LVFINDINFO* info, int start = -1) const { return (int)SendMessage(LVM_FINDITEM, start, (LPARAM)info); }
};

class CTreeCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    HIMAGELIST SetImageList(CImageList* imageList, int imageListType);
    HIMAGELIST GetImageList(int imageListType) const { return (HIMAGELIST)SendMessage(TVM_GETIMAGELIST, imageListType); }

    HTREEITEM InsertItem(const TVINSERTSTRUCT* insert);
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    BOOL DeleteItem(HTREEITEM item) { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)item); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    UINT GetCount() const { return (UINT)SendMessage(TVM_GETCOUNT); }

    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
    BOOL ItemHasChildren(HTREEITEM item) const;

    BOOL SelectItem(HTREEITEM item) { return Select(item, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM item) { return Select(item, TVGN_DROPHILITE); }
    BOOL Select(HTREEITEM item, UINT code) { return (BOOL)SendMessage(TVM_SELECTITEM, code, (LPARAM)item); }
    BOOL Expand(HTREEITEM item, UINT code) { return (BOOL)SendMessage(TVM_EXPAND, code, (LPARAM)item); }
    BOOL EnsureVisible(HTREEITEM item) { return (BOOL)SendMessage(TVM_ENSUREVISIBLE, 0, (LPARAM)item); }
    BOOL SortChildren(HTREEITEM item) { return (BOOL)SendMessage(TVM_SORTCHILDREN, 0, (LPARAM)item); }
    // Sorts the children of sort->hParent with sort->lpfnCompare, which gets the items' data.
    BOOL SortChildrenCB(LPTVSORTCB sort) { return (BOOL)SendMessage(TVM_SORTCHILDRENCB, 0, (LPARAM)sort); }

    BOOL GetItem(TVITEM* item) const { return (BOOL)SendMessage(TVM_GETITEM, 0, (LPARAM)item); }
    BOOL SetItem(const TVITEM* item) { return (BOOL)SendMessage(TVM_SETITEM, 0, (LPARAM)item); }
    // Empty for a null item.
    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT mask) const { return (UINT)SendMessage(TVM_GETITEMSTATE, (WPARAM)item, mask); }
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    // The item's rectangle; textOnly: only its label's.
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
    HTREEITEM HitTest(POINT point, UINT* flags = nullptr) const;
    // Starts editing the label; the edit control is the tree's to destroy.
    HWND EditLabel(HTREEITEM item) { return (HWND)SendMessage(TVM_EDITLABEL, 0, (LPARAM)item); }
    HWND GetEditControl() const { return (HWND)SendMessage(TVM_GETEDITCONTROL); }
};

class CTabCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    HIMAGELIST SetImageList(CImageList* imageList);
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(TCM_GETIMAGELIST); }
    // image -1: none.
    LONG InsertItem(int item, LPCTSTR text, int image = -1);
    LONG InsertItem(int item, const TCITEM* tabItem) { return (LONG)SendMessage(TCM_INSERTITEM, item, (LPARAM)tabItem); }
    BOOL DeleteItem(int item) { return (BOOL)SendMessage(TCM_DELETEITEM, item); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    BOOL GetItem(int item, TCITEM* tabItem) const { return (BOOL)SendMessage(TCM_GETITEM, item, (LPARAM)tabItem); }
    BOOL SetItem(int item, const TCITEM* tabItem) { return (BOOL)SendMessage(TCM_SETITEM, item, (LPARAM)tabItem); }
    // Empty when the item does not exist.
    CString GetItemText(int item) const;
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int item) { return (int)SendMessage(TCM_SETCURSEL, item); }
    BOOL GetItemRect(int item, LPRECT rect) const { return (BOOL)SendMessage(TCM_GETITEMRECT, item, (LPARAM)rect); }
    int HitTest(POINT point, UINT* flags = nullptr) const;
    // larger: the window rectangle for a display area; else the display area of a window.
    void AdjustRect(BOOL larger, LPRECT rect) { SendMessage(TCM_ADJUSTRECT, larger, (LPARAM)rect); }
    CSize SetItemSize(CSize size);
    void SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int GetRowCount() const { return (int)SendMessage(TCM_GETROWCOUNT); }
    int SetMinTabWidth(int width) { return (int)SendMessage(TCM_SETMINTABWIDTH, 0, width); }
};

class CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, lower, upper); }
    void GetRange(int& lower, int& upper) const;
    int SetPos(int position) { return (int)SendMessage(PBM_SETPOS, position); }
    int GetPos() const { return (int)SendMessage(PBM_GETPOS); }
    int OffsetPos(int delta) { return (int)SendMessage(PBM_DELTAPOS, delta); }
    int SetStep(int step) { return (int)SendMessage(PBM_SETSTEP, step); }
    int StepIt() { return (int)SendMessage(PBM_STEPIT); }
};

// The hot-key control: a virtual key and HOTKEYF_ modifier bits (1 Shift, 2 Ctrl, 4 Alt).
class CHotKeyCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetHotKey(WORD virtualKey, WORD modifiers) { SendMessage(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers)); }
    // The virtual key in the low byte and the modifiers in the high byte.
    DWORD GetHotKey() const { return (DWORD)SendMessage(HKM_GETHOTKEY); }
    void GetHotKey(WORD& virtualKey, WORD& modifiers) const;
    void SetRules(WORD invalidCombinations, WORD modifiers) { SendMessage(HKM_SETRULES, invalidCombinations, MAKELPARAM(modifiers, 0)); }
};

// A tool-tip window for tools of a parent window. The tips appear only while the tool's
// window relays its mouse messages with RelayEvent (from PreTranslateMessage).
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);

    // A tool over rect of window (its whole client area when rect is null), named toolId.
    BOOL AddTool(CWnd* window, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* window, UINT_PTR toolId = 0);
    void UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR toolId = 0);
    // The text of the tool; empty when there is no such tool.
    CString GetText(CWnd* window, UINT_PTR toolId = 0) const;
    void SetToolRect(CWnd* window, UINT_PTR toolId, LPCRECT rect);
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    void SetDelayTime(UINT delay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(delay, 0)); }
    int SetMaxTipWidth(int width) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, width); }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)msg); }
    void Pop() { SendMessage(TTM_POP); }

private:
    static void FillToolInfo(TOOLINFO& info, CWnd* window, UINT_PTR toolId);
};
