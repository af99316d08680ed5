#pragma once
#include "framework/Dialog.h"

// The small dialog that ends every start-up: open a file (IDOK), start a new one
// (IDCANCEL), start one from a template or read the getting-started guide. It only
// returns the choice; the application carries it out.
class CWelcomeDlg : public CDialog {
public:
    static const int kFromTemplate = 1276;
    static const int kGuide = 1277;

    explicit CWelcomeDlg(CWnd* parent = nullptr);

protected:
    void OnFromTemplate() { EndDialog(kFromTemplate); }
    void OnGuide() { EndDialog(kGuide); }
    DECLARE_MESSAGE_MAP()
};
