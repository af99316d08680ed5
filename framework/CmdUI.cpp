#include "framework/CmdUI.h"

#include "framework/CmdTarget.h"
#include "framework/CString.h"
#include "framework/Wnd.h"

void CCmdUI::Enable(BOOL on)
{
    if (m_menu != nullptr) {
        // A popup item is updated through its first command and is never disabled for it.
        if (m_subMenu != nullptr)
            return;
        ::EnableMenuItem(m_menu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_other != nullptr) {
        // Move the focus on before disabling the control that has it.
        if (!on && ::GetFocus() == m_other->m_hWnd) {
            HWND parent = ::GetParent(m_other->m_hWnd);
            ::SendMessageA(parent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_other->EnableWindow(on);
    }
    m_enableChanged = TRUE;
}

void CCmdUI::SetCheck(int check)
{
    if (m_menu != nullptr) {
        if (m_subMenu != nullptr)
            return;
        ::CheckMenuItem(m_menu, m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_other != nullptr) {
        if (m_other->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
            m_other->SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
    }
}

void CCmdUI::SetRadio(BOOL on)
{
    if (m_menu != nullptr) {
        if (m_subMenu != nullptr)
            return;
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (!::GetMenuItemInfoA(m_menu, m_nIndex, TRUE, &info))
            return;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        info.fType |= MFT_RADIOCHECK;
        info.fState = on ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
        ::SetMenuItemInfoA(m_menu, m_nIndex, TRUE, &info);
    } else {
        SetCheck(on ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCTSTR text)
{
    if (text == nullptr)
        text = "";
    if (m_menu != nullptr) {
        if (m_subMenu != nullptr)
            return;
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<LPSTR>(text);
        ::SetMenuItemInfoA(m_menu, m_nIndex, TRUE, &info);
    } else if (m_other != nullptr) {
        // Setting the same text again would only flicker.
        CString current;
        m_other->GetWindowText(current);
        if (current != text)
            m_other->SetWindowText(text);
    }
}

void CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF || target == nullptr)
        return;
    m_enableChanged = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && disableIfNoHandler && !m_enableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
}

void CTestCmdUI::Enable(BOOL on)
{
    m_enabled = on;
    m_enableChanged = TRUE;
}

void UpdateMenuCommandUI(HMENU popup, CCmdTarget* target, BOOL disableIfNoHandler)
{
    if (popup == nullptr || target == nullptr)
        return;
    CCmdUI state;
    state.m_menu = popup;
    state.m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(popup));
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = ::GetMenuItemID(popup, static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue;
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A submenu item follows the state of its first command; it is never auto-disabled.
            state.m_subMenu = ::GetSubMenu(popup, static_cast<int>(state.m_nIndex));
            if (state.m_subMenu == nullptr)
                continue;
            state.m_nID = ::GetMenuItemID(state.m_subMenu, 0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(target, FALSE);
        } else {
            state.m_subMenu = nullptr;
            // System commands are the window manager's.
            state.DoUpdate(target, disableIfNoHandler && state.m_nID < 0xF000);
        }
        // An update handler may have added or removed items: keep the index on the next one.
        UINT count = static_cast<UINT>(::GetMenuItemCount(popup));
        if (count < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - count);
            while (state.m_nIndex < count && ::GetMenuItemID(popup, static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = count;
    }
}
