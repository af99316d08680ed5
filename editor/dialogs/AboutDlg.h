#pragma once
#include "editor/dialogs/HyperLink.h"
#include "framework/Dialog.h"

// The about box: version line, credits with the installation folder, the feedback and
// sponsor links, and the buttons that add and remove the Explorer menu entry.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    // The application's version line, set by the caller.
    CString m_versionText;

    CHyperLink m_feedbackLink;
    CHyperLink m_sponsorLink;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnAddMenuEntry();
    void OnRemoveMenuEntry();

    DECLARE_MESSAGE_MAP()
};

// Adds or removes the Explorer menu entry of the running executable; a failure is shown.
// 1 on success, 0 on failure.
int SwitchExplorerMenuEntry(bool add);
