#include "editor/dialogs/AboutDlg.h"

#include "editor/dialogs/ShellIntegration.h"
#include "editor/res/resource.h"
#include "framework/AppEnvironment.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

namespace {
constexpr char kFeedbackTarget[] = "mailto:feedback@moyuyan.example";
constexpr char kSponsorPage[] = "\\帮助\\赞助.html";
} // namespace

int SwitchExplorerMenuEntry(bool add)
{
    if (ApplyExplorerMenuEntry(ShellNames::Running(), add) == 0)
        return 1;
    AfxMessageBox("关联右键失败，请以管理员身份运行程序后重试！", MB_ICONSTOP);
    return 0;
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDC_ABOUT_ADD_MENU_ENTRY, OnAddMenuEntry)
    ON_BN_CLICKED(IDC_ABOUT_REMOVE_MENU_ENTRY, OnRemoveMenuEntry)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUT, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_FEEDBACK_LINK, m_feedbackLink);
    DDX_Control(dx, IDC_SPONSOR_LINK, m_sponsorLink);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_VERSION, m_versionText);
    CString credits;
    credits.LoadString(IDS_ABOUT_CREDITS);
    SetDlgItemText(IDC_ABOUT_CREDITS, credits + "\r\n\r\n安装目录:  " + GetInstallationFolder());
    m_feedbackLink.SetTarget(kFeedbackTarget);
    m_feedbackLink.ChangeStyle(0, LinkHoverColour);
    m_sponsorLink.SetTarget(GetInstallationFolder() + kSponsorPage);
    m_sponsorLink.ChangeStyle(0, LinkHoverColour);
    return TRUE;
}

void CAboutDlg::OnAddMenuEntry()
{
    if (SwitchExplorerMenuEntry(true) == 1)
        AfxMessageBox("右键关联成功，可右键打开文件了！", MB_ICONINFORMATION);
}

void CAboutDlg::OnRemoveMenuEntry()
{
    if (SwitchExplorerMenuEntry(false) == 1)
        AfxMessageBox("已取消右键关联！", MB_ICONINFORMATION);
}
