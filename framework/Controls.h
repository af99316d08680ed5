#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/Wnd.h"

// Thin wrappers of the standard controls: each member sends the control its message. Item
// queries out of range give LB_ERR/CB_ERR or an empty text, as the controls themselves do.

class CButton : public CWnd {
public:
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, check); }
    UINT GetState() const { return (UINT)SendMessage(BM_GETSTATE); }
    void SetState(BOOL highlight) { SendMessage(BM_SETSTATE, highlight); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
    // The button shows the icon or bitmap (BS_ICON / BS_BITMAP); the caller keeps ownership.
    HICON SetIcon(HICON icon) { return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)icon); }
    HICON GetIcon() const { return (HICON)SendMessage(BM_GETIMAGE, IMAGE_ICON); }
    HBITMAP SetBitmap(HBITMAP bitmap) { return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap); }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(BM_GETIMAGE, IMAGE_BITMAP); }
};

class CStatic : public CWnd {
public:
    BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);

    HICON SetIcon(HICON icon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)icon); }
    HICON GetIcon() const { return (HICON)SendMessage(STM_GETICON); }
    HBITMAP SetBitmap(HBITMAP bitmap) { return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap); }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(STM_GETIMAGE, IMAGE_BITMAP); }
};

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Selection as byte offsets; end is the first byte after it.
    void GetSel(int& start, int& end) const;
    DWORD GetSel() const { return (DWORD)SendMessage(EM_GETSEL); }
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetSel(DWORD selection, BOOL noScroll = FALSE) { SetSel(LOWORD(selection), HIWORD(selection), noScroll); }
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE) { SendMessage(EM_REPLACESEL, canUndo, (LPARAM)text); }
    void LimitText(int maxChars = 0) { SendMessage(EM_LIMITTEXT, maxChars); }
    void SetLimitText(UINT maxChars) { SendMessage(EM_SETLIMITTEXT, maxChars); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, readOnly); }
    void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, (BYTE)ch); }

    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    // The text of line (0-based) without its line end; empty when out of range.
    CString GetLine(int line) const;
    int LineIndex(int line = -1) const { return (int)SendMessage(EM_LINEINDEX, line); }
    int LineLength(int charIndex = -1) const { return (int)SendMessage(EM_LINELENGTH, charIndex); }
    int LineFromChar(int charIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, charIndex); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    void LineScroll(int lines, int chars = 0) { SendMessage(EM_LINESCROLL, chars, lines); }

    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL modified = TRUE) { SendMessage(EM_SETMODIFY, modified); }
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Cut() { SendMessage(WM_CUT); }
    void Copy() { SendMessage(WM_COPY); }
    void Paste() { SendMessage(WM_PASTE); }
    void Clear() { SendMessage(WM_CLEAR); }
};

class CListBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(LPCTSTR text) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)text); }
    int InsertString(int index, LPCTSTR text) { return (int)SendMessage(LB_INSERTSTRING, index, (LPARAM)text); }
    int DeleteString(UINT index) { return (int)SendMessage(LB_DELETESTRING, index); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    int GetTextLen(int index) const { return (int)SendMessage(LB_GETTEXTLEN, index); }
    // Empty (and LB_ERR) when index is out of range.
    int GetText(int index, CString& text) const;
    int FindString(int startAfter, LPCTSTR prefix) const { return (int)SendMessage(LB_FINDSTRING, startAfter, (LPARAM)prefix); }
    int FindStringExact(int startAfter, LPCTSTR text) const { return (int)SendMessage(LB_FINDSTRINGEXACT, startAfter, (LPARAM)text); }
    int SelectString(int startAfter, LPCTSTR prefix) { return (int)SendMessage(LB_SELECTSTRING, startAfter, (LPARAM)prefix); }
    DWORD_PTR GetItemData(int index) const { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, index); }
    int SetItemData(int index, DWORD_PTR data) { return (int)SendMessage(LB_SETITEMDATA, index, (LPARAM)data); }

    // Single-selection boxes.
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int index) { return (int)SendMessage(LB_SETCURSEL, index); }
    // Multiple-selection boxes.
    int GetSel(int index) const { return (int)SendMessage(LB_GETSEL, index); }
    int SetSel(int index, BOOL select = TRUE) { return (int)SendMessage(LB_SETSEL, select, index); }
    int GetSelCount() const { return (int)SendMessage(LB_GETSELCOUNT); }
    int GetSelItems(int maxItems, LPINT items) const { return (int)SendMessage(LB_GETSELITEMS, maxItems, (LPARAM)items); }

    int GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
    int SetTopIndex(int index) { return (int)SendMessage(LB_SETTOPINDEX, index); }
    int GetItemRect(int index, LPRECT rect) const { return (int)SendMessage(LB_GETITEMRECT, index, (LPARAM)rect); }
    int GetItemHeight(int index) const { return (int)SendMessage(LB_GETITEMHEIGHT, index); }
    int SetItemHeight(int index, UINT height) { return (int)SendMessage(LB_SETITEMHEIGHT, index, height); }
    // The item nearest to a client point; outside is TRUE when the point is past the items.
    UINT ItemFromPoint(POINT point, BOOL& outside) const;

    // The width in pixels the box scrolls horizontally over (WS_HSCROLL).
    void SetHorizontalExtent(int width) { SendMessage(LB_SETHORIZONTALEXTENT, width); }
    int GetHorizontalExtent() const { return (int)SendMessage(LB_GETHORIZONTALEXTENT); }
    // Tab stops in dialog units (LBS_USETABSTOPS): the default of every 32, one distance
    // repeated, or a list.
    BOOL SetTabStops() { return (BOOL)SendMessage(LB_SETTABSTOPS); }
    BOOL SetTabStops(const int& eachDistance) { return (BOOL)SendMessage(LB_SETTABSTOPS, 1, (LPARAM)&eachDistance); }
    BOOL SetTabStops(int count, const int* tabStops) { return (BOOL)SendMessage(LB_SETTABSTOPS, count, (LPARAM)tabStops); }
};

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(LPCTSTR text) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)text); }
    int InsertString(int index, LPCTSTR text) { return (int)SendMessage(CB_INSERTSTRING, index, (LPARAM)text); }
    int DeleteString(UINT index) { return (int)SendMessage(CB_DELETESTRING, index); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int index) { return (int)SendMessage(CB_SETCURSEL, index); }
    int GetLBTextLen(int index) const { return (int)SendMessage(CB_GETLBTEXTLEN, index); }
    // Empty (and CB_ERR) when index is out of range.
    int GetLBText(int index, CString& text) const;
    int FindString(int startAfter, LPCTSTR prefix) const { return (int)SendMessage(CB_FINDSTRING, startAfter, (LPARAM)prefix); }
    int FindStringExact(int startAfter, LPCTSTR text) const { return (int)SendMessage(CB_FINDSTRINGEXACT, startAfter, (LPARAM)text); }
    int SelectString(int startAfter, LPCTSTR prefix) { return (int)SendMessage(CB_SELECTSTRING, startAfter, (LPARAM)prefix); }
    DWORD_PTR GetItemData(int index) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, index); }
    int SetItemData(int index, DWORD_PTR data) { return (int)SendMessage(CB_SETITEMDATA, index, (LPARAM)data); }

    DWORD GetEditSel() const { return (DWORD)SendMessage(CB_GETEDITSEL); }
    BOOL SetEditSel(int start, int end) { return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
    BOOL LimitText(int maxChars) { return (BOOL)SendMessage(CB_LIMITTEXT, maxChars); }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
    void GetDroppedControlRect(LPRECT rect) const { SendMessage(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)rect); }
    int SetDroppedWidth(UINT width) { return (int)SendMessage(CB_SETDROPPEDWIDTH, width); }
    int GetItemHeight(int index) const { return (int)SendMessage(CB_GETITEMHEIGHT, index); }
    int SetItemHeight(int index, UINT height) { return (int)SendMessage(CB_SETITEMHEIGHT, index, height); }
};
