#include "framework/Menu.h"

#include "framework/AppState.h"
#include "framework/Debug.h"
#include "framework/TempHandleMap.h"
#include "framework/Wnd.h"

#include <string>

using MenuTempMap = TempHandleMap<HMENU, CMenu, &CMenu::m_hMenu>;

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::Attach(HMENU menu)
{
    ASSERT(m_hMenu == nullptr);
    if (!menu || m_hMenu || !::IsMenu(menu))
        return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    return MenuTempMap::ForThread().Find(menu);
}

void CMenu::DeleteTempMap()
{
    MenuTempMap::ForThread().Clear();
}

BOOL CMenu::LoadMenu(UINT resourceId)
{
    return LoadMenu(MAKEINTRESOURCE(resourceId));
}

BOOL CMenu::LoadMenu(LPCTSTR resourceName)
{
    return Attach(::LoadMenu(AfxGetResourceHandle(), resourceName));
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

CMenu* CMenu::GetSubMenu(int position) const
{
    return FromHandle(::GetSubMenu(m_hMenu, position));
}

UINT CMenu::GetMenuItemCount() const
{
    int count = ::GetMenuItemCount(m_hMenu);
    return count < 0 ? 0 : (UINT)count;
}

UINT CMenu::GetMenuItemID(int position) const
{
    return ::GetMenuItemID(m_hMenu, position);
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const
{
    return ::GetMenuState(m_hMenu, item, flags);
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    text.Empty();
    int length = ::GetMenuString(m_hMenu, item, nullptr, 0, flags);
    if (length <= 0)
        return 0;
    std::string bytes(length + 1, '\0');
    length = ::GetMenuString(m_hMenu, item, &bytes[0], length + 1, flags);
    text = CString(bytes.c_str(), length);
    return length;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    return ::AppendMenu(m_hMenu, flags, idOrPopup, text);
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    return ::InsertMenu(m_hMenu, position, flags, idOrPopup, text);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    return ::ModifyMenu(m_hMenu, position, flags, idOrPopup, text);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags)
{
    return ::DeleteMenu(m_hMenu, position, flags);
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags)
{
    return ::RemoveMenu(m_hMenu, position, flags);
}

UINT CMenu::CheckMenuItem(UINT item, UINT check)
{
    return (UINT)::CheckMenuItem(m_hMenu, item, check);
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable)
{
    return (UINT)::EnableMenuItem(m_hMenu, item, enable);
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags)
{
    return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
}

BOOL CMenu::SetDefaultItem(UINT item, BOOL byPosition)
{
    return ::SetMenuDefaultItem(m_hMenu, item, byPosition);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT excludeRect) const
{
    ASSERT(owner && owner->GetSafeHwnd());
    if (!owner || !owner->GetSafeHwnd())
        return FALSE;
    TPMPARAMS params;
    params.cbSize = sizeof params;
    if (excludeRect)
        params.rcExclude = *excludeRect;
    return ::TrackPopupMenuEx(m_hMenu, flags, x, y, owner->GetSafeHwnd(), excludeRect ? &params : nullptr);
}
