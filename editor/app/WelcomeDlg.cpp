#include "editor/app/WelcomeDlg.h"

#include "editor/res/resource.h"

BEGIN_MESSAGE_MAP(CWelcomeDlg, CDialog)
    ON_BN_CLICKED(IDC_WELCOME_TEMPLATE, OnFromTemplate)
    ON_BN_CLICKED(IDC_WELCOME_GUIDE, OnGuide)
END_MESSAGE_MAP()

CWelcomeDlg::CWelcomeDlg(CWnd* parent) : CDialog(IDD_WELCOME, parent) {}
