#pragma once
#include <windows.h>

#include "framework/CString.h"

class CWnd;

// A menu or popup. A menu made by LoadMenu, CreateMenu, CreatePopupMenu or Attach is owned
// and destroyed with the object; FromHandle and GetSubMenu give borrowed wrappers (kept
// until DeleteTempMap) that never destroy theirs. A submenu belongs to its parent menu.
class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    static CMenu* FromHandle(HMENU menu);
    static void DeleteTempMap();

    // From the resource module.
    BOOL LoadMenu(UINT resourceId);
    BOOL LoadMenu(LPCTSTR resourceName);
    BOOL CreateMenu();
    BOOL CreatePopupMenu();

    // Null when the item at position is no popup.
    CMenu* GetSubMenu(int position) const;
    UINT GetMenuItemCount() const;
    // The command id at position; -1 (as UINT) for a popup, 0 for a separator.
    UINT GetMenuItemID(int position) const;
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;

    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    // DeleteMenu destroys a popup item's submenu; RemoveMenu keeps it.
    BOOL DeleteMenu(UINT position, UINT flags);
    BOOL RemoveMenu(UINT position, UINT flags);

    // Each returns the item's previous state, or -1 (as UINT) when there is no such item.
    UINT CheckMenuItem(UINT item, UINT check);
    UINT EnableMenuItem(UINT item, UINT enable);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
    BOOL SetDefaultItem(UINT item, BOOL byPosition = FALSE);

    // Shows the popup at a screen point for owner, which receives its commands; with
    // TPM_RETURNCMD the result is the chosen command (0 for none).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT excludeRect = nullptr) const;

    HMENU m_hMenu = nullptr;
};
