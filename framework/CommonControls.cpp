#include "framework/CommonControls.h"

#include "framework/Debug.h"
#include "framework/ImageList.h"

#include <cstring>

namespace {

// Enough for any label these controls show; longer labels are cut, never overrun.
const int kMaxLabelBytes = 1024;

// Sends a control's hit-test message; flags, when given, receives where on the item point lies.
template <class HitTestInfo>
LRESULT SendHitTest(const CWnd& control, UINT message, POINT point, UINT* flags)
{
    HitTestInfo info;
    std::memset(&info, 0, sizeof info);
    info.pt = point;
    LRESULT item = control.SendMessage(message, 0, (LPARAM)&info);
    if (flags)
        *flags = info.flags;
    return item;
}

} // namespace

void AfxInitCommonControls()
{
    static const BOOL registered = [] {
        INITCOMMONCONTROLSEX classes;
        classes.dwSize = sizeof classes;
        classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                        ICC_HOTKEY_CLASS | ICC_BAR_CLASSES | ICC_WIN95_CLASSES;
        return ::InitCommonControlsEx(&classes);
    }();
    (void)registered;
}

// List view.

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    AfxInitCommonControls();
    return CWnd::Create(WC_LISTVIEW, nullptr, style, rect, parent, id);
}

HIMAGELIST CListCtrl::SetImageList(CImageList* imageList, int imageListType)
{
    return (HIMAGELIST)SendMessage(LVM_SETIMAGELIST, imageListType,
                                   (LPARAM)(imageList ? imageList->GetSafeHandle() : nullptr));
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem)
{
    LVCOLUMN info;
    std::memset(&info, 0, sizeof info);
    info.mask = LVCF_FMT | LVCF_TEXT;
    info.fmt = format;
    info.pszText = const_cast<LPTSTR>(heading);
    if (width != -1) {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    if (subItem != -1) {
        info.mask |= LVCF_SUBITEM;
        info.iSubItem = subItem;
    }
    return (int)SendMessage(LVM_INSERTCOLUMN, column, (LPARAM)&info);
}

int CListCtrl::InsertItem(int item, LPCTSTR text)
{
    LVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = LVIF_TEXT;
    info.iItem = item;
    info.pszText = const_cast<LPTSTR>(text);
    return InsertItem(&info);
}

int CListCtrl::InsertItem(int item, LPCTSTR text, int image)
{
    LVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = LVIF_TEXT | LVIF_IMAGE;
    info.iItem = item;
    info.pszText = const_cast<LPTSTR>(text);
    info.iImage = image;
    return InsertItem(&info);
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text)
{
    LVITEM info;
    std::memset(&info, 0, sizeof info);
    info.iSubItem = subItem;
    info.pszText = const_cast<LPTSTR>(text);
    return (BOOL)SendMessage(LVM_SETITEMTEXT, item, (LPARAM)&info);
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    CString text;
    if (item < 0 || item >= GetItemCount())
        return text;
    LVITEM info;
    std::memset(&info, 0, sizeof info);
    info.iSubItem = subItem;
    info.cchTextMax = kMaxLabelBytes;
    info.pszText = text.GetBuffer(kMaxLabelBytes);
    int length = (int)SendMessage(LVM_GETITEMTEXT, item, (LPARAM)&info);
    text.ReleaseBuffer(length < 0 ? 0 : (length >= kMaxLabelBytes ? kMaxLabelBytes - 1 : length));
    return text;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    LVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = LVIF_PARAM;
    info.iItem = item;
    info.lParam = (LPARAM)data;
    return SetItem(&info);
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = LVIF_PARAM;
    info.iItem = item;
    return GetItem(&info) ? (DWORD_PTR)info.lParam : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEM info;
    std::memset(&info, 0, sizeof info);
    info.state = state;
    info.stateMask = mask;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, item, (LPARAM)&info);
}

// A position is the index of the next selected item plus one, so that null ends the walk.
POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    int first = GetNextItem(-1, LVNI_SELECTED);
    return (POSITION)(INT_PTR)(first + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const
{
    int item = (int)(INT_PTR)position - 1;
    ASSERT(item >= 0);
    int next = GetNextItem(item, LVNI_SELECTED);
    position = (POSITION)(INT_PTR)(next + 1);
    return item;
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const
{
    rect->left = (LONG)code;
    return (BOOL)SendMessage(LVM_GETITEMRECT, item, (LPARAM)rect);
}

int CListCtrl::HitTest(POINT point, UINT* flags) const
{
    return (int)SendHitTest<LVHITTESTINFO>(*this, LVM_HITTEST, point, flags);
}

// Tree view.

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    AfxInitCommonControls();
    return CWnd::Create(WC_TREEVIEW, nullptr, style, rect, parent, id);
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* imageList, int imageListType)
{
    return (HIMAGELIST)SendMessage(TVM_SETIMAGELIST, imageListType,
                                   (LPARAM)(imageList ? imageList->GetSafeHandle() : nullptr));
}

HTREEITEM CTreeCtrl::InsertItem(const TVINSERTSTRUCT* insert)
{
    return (HTREEITEM)SendMessage(TVM_INSERTITEM, 0, (LPARAM)insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCT insert;
    std::memset(&insert, 0, sizeof insert);
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPTSTR>(text);
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCT insert;
    std::memset(&insert, 0, sizeof insert);
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPTSTR>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const
{
    return (HTREEITEM)SendMessage(TVM_GETNEXTITEM, code, (LPARAM)item);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_CHILDREN | TVIF_HANDLE;
    info.hItem = item;
    return item && GetItem(&info) && info.cChildren != 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    CString text;
    if (!item)
        return text;
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_TEXT | TVIF_HANDLE;
    info.hItem = item;
    info.cchTextMax = kMaxLabelBytes;
    info.pszText = text.GetBuffer(kMaxLabelBytes);
    if (!GetItem(&info))
        info.pszText[0] = '\0';
    info.pszText[kMaxLabelBytes - 1] = '\0';
    text.ReleaseBuffer();
    return text;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text)
{
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_TEXT | TVIF_HANDLE;
    info.hItem = item;
    info.pszText = const_cast<LPTSTR>(text);
    return SetItem(&info);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_PARAM | TVIF_HANDLE;
    info.hItem = item;
    return item && GetItem(&info) ? (DWORD_PTR)info.lParam : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_PARAM | TVIF_HANDLE;
    info.hItem = item;
    info.lParam = (LPARAM)data;
    return SetItem(&info);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    info.hItem = item;
    if (!item || !GetItem(&info))
        return FALSE;
    image = info.iImage;
    selectedImage = info.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    info.hItem = item;
    info.iImage = image;
    info.iSelectedImage = selectedImage;
    return SetItem(&info);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    TVITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TVIF_STATE | TVIF_HANDLE;
    info.hItem = item;
    info.state = state;
    info.stateMask = mask;
    return SetItem(&info);
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const
{
    // TVM_GETITEMRECT takes the item handle in the rectangle it fills.
    *(HTREEITEM*)rect = item;
    return (BOOL)SendMessage(TVM_GETITEMRECT, textOnly, (LPARAM)rect);
}

HTREEITEM CTreeCtrl::HitTest(POINT point, UINT* flags) const
{
    return (HTREEITEM)SendHitTest<TVHITTESTINFO>(*this, TVM_HITTEST, point, flags);
}

// Tab control.

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    AfxInitCommonControls();
    return CWnd::Create(WC_TABCONTROL, nullptr, style, rect, parent, id);
}

HIMAGELIST CTabCtrl::SetImageList(CImageList* imageList)
{
    return (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)(imageList ? imageList->GetSafeHandle() : nullptr));
}

LONG CTabCtrl::InsertItem(int item, LPCTSTR text, int image)
{
    TCITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TCIF_TEXT | TCIF_IMAGE;
    info.pszText = const_cast<LPTSTR>(text);
    info.iImage = image;
    return InsertItem(item, &info);
}

CString CTabCtrl::GetItemText(int item) const
{
    CString text;
    TCITEM info;
    std::memset(&info, 0, sizeof info);
    info.mask = TCIF_TEXT;
    info.cchTextMax = kMaxLabelBytes;
    info.pszText = text.GetBuffer(kMaxLabelBytes);
    if (item < 0 || item >= GetItemCount() || !GetItem(item, &info))
        info.pszText[0] = '\0';
    info.pszText[kMaxLabelBytes - 1] = '\0';
    text.ReleaseBuffer();
    return text;
}

int CTabCtrl::HitTest(POINT point, UINT* flags) const
{
    return (int)SendHitTest<TCHITTESTINFO>(*this, TCM_HITTEST, point, flags);
}

CSize CTabCtrl::SetItemSize(CSize size)
{
    DWORD previous = (DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return CSize(LOWORD(previous), HIWORD(previous));
}

// Progress bar.

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    AfxInitCommonControls();
    return CWnd::Create(PROGRESS_CLASS, nullptr, style, rect, parent, id);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const
{
    PBRANGE range = {0, 0};
    SendMessage(PBM_GETRANGE, FALSE, (LPARAM)&range);
    lower = range.iLow;
    upper = range.iHigh;
}

// Hot-key control.

BOOL CHotKeyCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    AfxInitCommonControls();
    return CWnd::Create(HOTKEY_CLASS, nullptr, style, rect, parent, id);
}

void CHotKeyCtrl::GetHotKey(WORD& virtualKey, WORD& modifiers) const
{
    DWORD hotKey = GetHotKey();
    virtualKey = LOBYTE(LOWORD(hotKey));
    modifiers = HIBYTE(LOWORD(hotKey));
}

// Tool tips.

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    AfxInitCommonControls();
    ASSERT(parent && parent->GetSafeHwnd());
    if (!parent || !parent->GetSafeHwnd())
        return FALSE;
    return CreateEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, parent->GetSafeHwnd(), nullptr);
}

// The first version of the record, which every version of the tool-tip control accepts.
void CToolTipCtrl::FillToolInfo(TOOLINFO& info, CWnd* window, UINT_PTR toolId)
{
    std::memset(&info, 0, sizeof info);
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = window ? window->GetSafeHwnd() : nullptr;
    info.uId = toolId;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCTSTR text, LPCRECT rect, UINT_PTR toolId)
{
    ASSERT(window && window->GetSafeHwnd());
    if (!window || !window->GetSafeHwnd())
        return FALSE;
    TOOLINFO info;
    FillToolInfo(info, window, toolId);
    // No TTF_SUBCLASS: the tip would chain itself into the tool's window procedure, which
    // the framework may subclass and restore; the owner relays its messages instead.
    info.lpszText = const_cast<LPTSTR>(text);
    if (rect)
        info.rect = *rect;
    else
        ::GetClientRect(window->GetSafeHwnd(), &info.rect);
    return (BOOL)SendMessage(TTM_ADDTOOL, 0, (LPARAM)&info);
}

void CToolTipCtrl::DelTool(CWnd* window, UINT_PTR toolId)
{
    TOOLINFO info;
    FillToolInfo(info, window, toolId);
    SendMessage(TTM_DELTOOL, 0, (LPARAM)&info);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR toolId)
{
    TOOLINFO info;
    FillToolInfo(info, window, toolId);
    info.lpszText = const_cast<LPTSTR>(text);
    SendMessage(TTM_UPDATETIPTEXT, 0, (LPARAM)&info);
}

CString CToolTipCtrl::GetText(CWnd* window, UINT_PTR toolId) const
{
    // TTM_GETTEXT has no buffer size: the buffer holds the longest text a tip takes.
    CString text;
    TOOLINFO info;
    FillToolInfo(info, window, toolId);
    info.lpszText = text.GetBuffer(kMaxLabelBytes);
    info.lpszText[0] = '\0';
    SendMessage(TTM_GETTEXT, 0, (LPARAM)&info);
    text.ReleaseBuffer();
    return text;
}

void CToolTipCtrl::SetToolRect(CWnd* window, UINT_PTR toolId, LPCRECT rect)
{
    TOOLINFO info;
    FillToolInfo(info, window, toolId);
    info.rect = *rect;
    SendMessage(TTM_NEWTOOLRECT, 0, (LPARAM)&info);
}
