#pragma once
#include <windows.h>

#include "framework/CString.h"

#include <deque>
#include <functional>

// Drives dialogs in tests. While a driver is installed on the thread, each dialog that
// finishes WM_INITDIALOG takes the next script from the queue (a dialog that ends by itself
// before its script could run, such as a progress dialog whose work was quick, still takes
// it, so later dialogs keep their own scripts); the script runs from the
// dialog's own message loop once initialisation is over and acts on it as a user would
// (texts, clicks, selections, keys) and reads its state. A dialog still open after its
// script, or one for which no script was queued, is cancelled and counted, so a test cannot
// hang on a modal run.
class DialogDriver {
public:
    using Script = std::function<void(DialogDriver& driver)>;

    DialogDriver();
    explicit DialogDriver(std::initializer_list<Script> scripts);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void Queue(Script script);
    int ScriptsRun() const { return m_scriptsRun; }
    // Dialogs that came when no script was queued.
    int UnscriptedCount() const { return m_unscripted; }
    // Dialogs the driver had to cancel because they were still open after their script.
    int LeftOpenCount() const { return m_leftOpen; }

    // Called by dialog code right after WM_INITDIALOG (the framework's dialogs and its common
    // dialogs do); schedules the next script for the dialog. Nothing happens without a driver.
    static void NotifyInitialized(HWND dialog);

    // The dialog the running script acts on.
    HWND Dialog() const { return m_dialog; }
    HWND Item(int id) const;
    CString Caption() const;

    // Actions; each returns false when the control is missing, or disabled where a user
    // could not act.
    bool SetText(int id, LPCTSTR text);
    // Checks a check box or radio button as a mouse click would, then notifies BN_CLICKED.
    bool Click(int id);
    // Selects item index of a list or combo box and notifies the selection change.
    bool Select(int id, int index);
    bool SelectString(int id, LPCTSTR text);
    bool Focus(int id);
    // Posts a key press (down and up) to the control, so it passes the message loop and the
    // PreTranslateMessage chain; control 0 is the dialog.
    bool PostKey(int id, UINT virtualKey);
    bool PressOK() { return Click(IDOK); }
    // Cancel as the Esc key does, with or without a cancel button.
    bool PressCancel();
    // The dialog ends later by itself (posted keys or messages end it): the driver does not
    // cancel it when the script returns.
    void KeepOpen() { m_keepOpen = true; }

    // State.
    CString GetText(int id) const;
    int GetCheck(int id) const;
    // The selected index of a list or combo box, -1 when none.
    int GetSelection(int id) const;
    int GetCount(int id) const;
    CString GetItemText(int id, int index) const;
    bool IsEnabled(int id) const;
    bool IsVisible(int id) const;
    // The current default push button's id, 0 when none.
    int DefaultButton() const;
    int FocusedId() const;

private:
    static void CALLBACK OnTimer(HWND dialog, UINT, UINT_PTR timerId, DWORD);
    void Run(HWND dialog);

    std::deque<Script> m_scripts;
    // Scripts taken by dialogs whose scripts have not run yet.
    std::deque<std::pair<HWND, Script>> m_taken;
    DialogDriver* m_previous = nullptr;
    HWND m_dialog = nullptr;
    bool m_keepOpen = false;
    int m_scriptsRun = 0;
    int m_unscripted = 0;
    int m_leftOpen = 0;
};
