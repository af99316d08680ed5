#pragma once
#include <windows.h>

class CCmdTarget;
class CWnd;

// One command's user interface being updated: a menu item or a dialog control. An update
// handler sets its state; DoUpdate asks the route and disables commands nobody handles.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;            // menu item index
    UINT m_nIndexMax = 0;
    HMENU m_menu = nullptr;       // the popup when updating a menu item
    HMENU m_subMenu = nullptr;    // the item's own popup, if it has one
    CWnd* m_other = nullptr;      // the control when updating a dialog control
    BOOL m_enableChanged = FALSE;
    BOOL m_continueRouting = FALSE;

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate (buttons only).
    virtual void SetCheck(int check = 1);
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(LPCTSTR text);
    // Lets the next target on the route handle the update too.
    void ContinueRouting() { m_continueRouting = TRUE; }

    // Routes the update to target; with no update handler and disableIfNoHandler, the item
    // is enabled only when some target handles the command itself.
    void DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);
};

// Asks the route whether a command is enabled without touching any user interface: a
// menu or accelerator command an update handler disables is not run.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_enabled = TRUE;
    void Enable(BOOL on = TRUE) override;
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};

// Updates each item of popup through target's route, as before the popup opens.
void UpdateMenuCommandUI(HMENU popup, CCmdTarget* target, BOOL disableIfNoHandler);
