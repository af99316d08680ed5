#include "editor/dialogs/ProjectSettingsDlg.h"

#include "editor/res/resource.h"
#include "editor/util/PathUtil.h"
#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

namespace {

const char* const kTargetTypes[] = {"控制台程序", "视窗程序", "静态库", "动态连接库"};
const char* const kOperations[] = {"正常处理", "汇编", "编译", "预处理"};

const char kResourceFilter[] = "资源文件 (*.资源)|*.资源||";
const char kHeaderFilter[] = "接口文件 (*.接口;*.定义;*.h)|*.接口;*.定义;*.h||";
const char kLibraryFilter[] = "库文件 (*.库;*.lib)|*.库;*.lib||";
const char kSourceFilter[] = "墨语言源文件(*.墨)|*.墨;*.c||";

// Each browse button: the edit it fills, its filter and whether the edit takes the
// chosen file's folder rather than its path.
struct BrowseButton {
    UINT button;
    UINT edit;
    const char* filter;
    bool folder;
};

const BrowseButton kBrowseButtons[] = {
    {IDC_PRJ_RESOURCE_BROWSE, IDC_PRJ_RESOURCE, kResourceFilter, false},
    {IDC_PRJ_INCLUDE1_BROWSE, IDC_PRJ_INCLUDE1, kHeaderFilter, true},
    {IDC_PRJ_INCLUDE2_BROWSE, IDC_PRJ_INCLUDE2, kHeaderFilter, true},
    {IDC_PRJ_INCLUDE3_BROWSE, IDC_PRJ_INCLUDE3, kHeaderFilter, true},
    {IDC_PRJ_LIBDIR1_BROWSE, IDC_PRJ_LIBDIR1, kLibraryFilter, true},
    {IDC_PRJ_LIBDIR2_BROWSE, IDC_PRJ_LIBDIR2, kLibraryFilter, true},
    {IDC_PRJ_LIBDIR3_BROWSE, IDC_PRJ_LIBDIR3, kLibraryFilter, true},
    {IDC_PRJ_SOURCE1_BROWSE, IDC_PRJ_SOURCE1, kSourceFilter, false},
    {IDC_PRJ_SOURCE2_BROWSE, IDC_PRJ_SOURCE2, kSourceFilter, false},
};

// An editable drop-down list: the offered text is selected, any other typed in.
void ExchangeCombo(CDataExchange* dx, int id, CString& value)
{
    HWND combo = dx->PrepareCtrl(id);
    if (combo == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        DDX_Text(dx, id, value);
        return;
    }
    LRESULT found = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
    if (found != CB_ERR)
        ::SendMessageA(combo, CB_SETCURSEL, found, 0);
    else
        ::SetWindowTextA(combo, value);
}

void ExchangeFlag(CDataExchange* dx, int id, bool& value)
{
    int check = value ? 1 : 0;
    DDX_Check(dx, id, check);
    value = check == 1;
}

} // namespace

CProjectSettingsDlg::CProjectSettingsDlg(CWnd* parent) : CDialog(IDD_PROJECT_SETTINGS, parent) {}

BOOL CProjectSettingsDlg::OnInitDialog()
{
    for (const char* text : kTargetTypes)
        SendDlgItemMessage(IDC_PRJ_TARGET_TYPE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    for (const char* text : kOperations)
        SendDlgItemMessage(IDC_PRJ_OPERATION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return CDialog::OnInitDialog();
}

void CProjectSettingsDlg::DoDataExchange(CDataExchange* dx)
{
    ProjectSettings& s = m_settings;
    ExchangeCombo(dx, IDC_PRJ_TARGET_TYPE, s.targetType);
    ExchangeCombo(dx, IDC_PRJ_OPERATION, s.operation);
    ExchangeFlag(dx, IDC_PRJ_MAP_FILE, s.mapFile);
    ExchangeFlag(dx, IDC_PRJ_ASSEMBLY_CODE, s.assemblyCode);
    ExchangeFlag(dx, IDC_PRJ_LISTING_FILE, s.listingFile);
    ExchangeFlag(dx, IDC_PRJ_NO_DEFAULT_LIBS, s.noDefaultLibraries);
    ExchangeFlag(dx, IDC_PRJ_DEBUG, s.debug);
    DDX_Text(dx, IDC_PRJ_PREPROCESS_ARGS, s.preprocessArgs);
    DDX_Text(dx, IDC_PRJ_COMPILE_ARGS, s.compileArgs);
    DDX_Text(dx, IDC_PRJ_ASSEMBLE_ARGS, s.assembleArgs);
    DDX_Text(dx, IDC_PRJ_LINK_ARGS, s.linkArgs);
    DDX_Text(dx, IDC_PRJ_RESOURCE, s.resourceFile);
    DDX_Text(dx, IDC_PRJ_INCLUDE1, s.includeFolders[0]);
    DDX_Text(dx, IDC_PRJ_INCLUDE2, s.includeFolders[1]);
    DDX_Text(dx, IDC_PRJ_INCLUDE3, s.includeFolders[2]);
    DDX_Text(dx, IDC_PRJ_EXTRA_LIBS, s.extraLibraries);
    DDX_Text(dx, IDC_PRJ_LIBDIR1, s.libraryFolders[0]);
    DDX_Text(dx, IDC_PRJ_LIBDIR2, s.libraryFolders[1]);
    DDX_Text(dx, IDC_PRJ_LIBDIR3, s.libraryFolders[2]);
    DDX_Text(dx, IDC_PRJ_SOURCE1, s.extraSources[0]);
    DDX_Text(dx, IDC_PRJ_SOURCE2, s.extraSources[1]);
}

BOOL CProjectSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        for (const BrowseButton& entry : kBrowseButtons)
            if (entry.button == LOWORD(wParam)) {
                Browse(entry.button);
                return TRUE;
            }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CProjectSettingsDlg::Browse(UINT button)
{
    for (const BrowseButton& entry : kBrowseButtons) {
        if (entry.button != button)
            continue;
        CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                           entry.filter, this);
        if (dialog.DoModal() != IDOK)
            return;
        CString path = dialog.GetPathName();
        SetDlgItemText(entry.edit, entry.folder ? GetDirectoryPart(path) : path);
        return;
    }
}

INT_PTR EditProjectSettings(const CString& path, CWnd* parent)
{
    CString settingsPath = ProjectSettingsPath(path);
    CProjectSettingsDlg dialog(parent);
    // A missing file starts from the defaults: another project's values must not leak in.
    ReadProjectSettings(settingsPath, dialog.m_settings);
    INT_PTR result = dialog.DoModal();
    if (result == IDOK && !WriteProjectSettings(settingsPath, dialog.m_settings))
        AfxMessageBox(ProjectSettingsWriteMessage(settingsPath), MB_ICONEXCLAMATION);
    return result;
}
