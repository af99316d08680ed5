#pragma once
#include <windows.h>

#include "framework/Wnd.h"

// A dialog bound to one template. Modal runs go through the framework's own loop, so the
// application's and the dialog's PreTranslateMessage see every message; one object can run
// DoModal again and again. Modeless dialogs are made with Create and ended with
// DestroyWindow.
class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCTSTR templateName, CWnd* parent = nullptr);

    // Modeless.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(LPCTSTR templateName, CWnd* parent = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);

    // Modal: from the template given at construction or by InitModalIndirect. Returns the
    // EndDialog result, or -1 when the dialog could not be created.
    virtual int DoModal();
    // A template in memory for DoModal; it must outlive the runs.
    BOOL InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
    // Ends a modal run with result (or hides a modeless dialog).
    void EndDialog(int result);
    // TRUE while a modal run goes on (EndDialog not yet called).
    BOOL ContinueModal() const { return m_continueModal; }

    // The base fills the template's list items and loads the controls (UpdateData(FALSE));
    // TRUE lets the dialog manager put the focus on the first control.
    virtual BOOL OnInitDialog();
    // Saves and validates the controls, then ends with IDOK.
    virtual void OnOK();
    virtual void OnCancel();

    void SetDefID(UINT id);
    DWORD GetDefID() const;
    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void MapDialogRect(LPRECT rect) const;

    // Keyboard and mouse messages of the dialog's controls go through the dialog manager
    // (Tab, Enter, Esc, mnemonics).
    BOOL PreTranslateMessage(MSG* msg) override;

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    // The modal loop: runs until EndDialog; sends WM_KICKIDLE while the queue is empty.
    int RunModalLoop();
    // The window the modal dialog is owned by and disables: the parent's top-level window,
    // or the application's main window.
    HWND ModalOwner() const;

    DECLARE_MESSAGE_MAP()

private:
    LPCDLGTEMPLATE LoadTemplate() const;
    BOOL CreateFromTemplate(LPCDLGTEMPLATE dialogTemplate, HWND owner);

    bool m_inModalLoop = false;
    bool m_continueModal = false;
    int m_modalResult = -1;
};

// The dialog procedure of every framework dialog: the dialog manager calls it from its
// default procedure; WM_INITDIALOG runs OnInitDialog.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
