#include "framework/Controls.h"

#include <cstring>

namespace {

// The text of item index as a control's length and text messages give it; empty and
// errorValue when the index is out of range.
int ItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index, int errorValue, CString& text)
{
    text.Empty();
    int length = (int)control.SendMessage(lengthMessage, index);
    if (length == errorValue || length < 0)
        return errorValue;
    LPTSTR buffer = text.GetBuffer(length);
    int copied = (int)control.SendMessage(textMessage, index, (LPARAM)buffer);
    text.ReleaseBuffer(copied < 0 ? 0 : (copied > length ? length : copied));
    return copied;
}

} // namespace

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("BUTTON", caption, style, rect, parent, id);
}

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("STATIC", text, style, rect, parent, id);
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("EDIT", nullptr, style, rect, parent, id);
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD first = 0;
    DWORD last = 0;
    SendMessage(EM_GETSEL, (WPARAM)&first, (LPARAM)&last);
    start = (int)first;
    end = (int)last;
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, start, end);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

CString CEdit::GetLine(int line) const
{
    CString text;
    if (line < 0 || line >= GetLineCount())
        return text;
    int length = LineLength(LineIndex(line));
    if (length <= 0)
        return text;
    // EM_GETLINE takes the buffer size in its first word and does not terminate the text.
    // Some edit controls count characters rather than bytes, so the buffer has room for two
    // bytes a character and starts zeroed; the text ends at the first zero byte.
    int size = length * 2 + 2;
    LPTSTR buffer = text.GetBufferSetLength(size);
    std::memset(buffer, 0, size);
    *(WORD*)buffer = (WORD)(size < 0xFFFF ? size : 0xFFFF);
    SendMessage(EM_GETLINE, line, (LPARAM)buffer);
    text.ReleaseBuffer((int)strnlen(buffer, size));
    return text;
}

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("LISTBOX", nullptr, style, rect, parent, id);
}

int CListBox::GetText(int index, CString& text) const
{
    return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index, LB_ERR, text);
}

UINT CListBox::ItemFromPoint(POINT point, BOOL& outside) const
{
    DWORD result = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    outside = HIWORD(result) != 0;
    return LOWORD(result);
}

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("COMBOBOX", nullptr, style, rect, parent, id);
}

int CComboBox::GetLBText(int index, CString& text) const
{
    return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, CB_ERR, text);
}
