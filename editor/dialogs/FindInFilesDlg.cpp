#include "editor/dialogs/FindInFilesDlg.h"

#include "editor/res/resource.h"
#include "editor/util/PathUtil.h"
#include "framework/DataExchange.h"

namespace {
constexpr size_t kHistoryCapacity = 30;
} // namespace

BEGIN_MESSAGE_MAP(CFindInFilesDlg, CSearchDialog)
    ON_BN_CLICKED(IDC_FIND_NEXT, OnFind)
    ON_BN_CLICKED(IDC_FIND_IN_LAST_FOLDER, OnFindInLastFolder)
    ON_BN_CLICKED(IDC_FIND_IN_PARENT_FOLDER, OnFindInParentFolder)
    ON_BN_CLICKED(IDC_BROWSE_FOLDER, OnBrowse)
    ON_BN_CLICKED(IDC_IN_PROJECT, OnInProject)
END_MESSAGE_MAP()

CFindInFilesDlg::CFindInFilesDlg(CWnd* parent)
    : CSearchDialog(IDD_FIND_IN_FILES, parent, kHistoryCapacity),
      m_fileTypeHistory(kHistoryCapacity, {"*.墨;*.接口;*.定义;*.墨双",
                                           "*.c;*.h;*.cpp;*.hpp;*.墨;*.接口;*.定义;*.墨双",
                                           "*.c;*.h;*.cpp;*.hpp", "*.文本;*.txt;*.html",
                                           "*.汇编;*.asm;*.s", "*.*"}),
      m_folderHistory(kHistoryCapacity)
{
}

BOOL CFindInFilesDlg::OnInitDialog()
{
    CSearchDialog::OnInitDialog();
    FillField(IDC_FILE_TYPES, m_fileTypeHistory, m_fileTypes);
    if (m_folder.IsEmpty()) {
        char current[MAX_PATH] = "";
        const DWORD length = ::GetCurrentDirectory(sizeof current, current);
        if (length > 0 && length < sizeof current)
            m_folder = current;
    }
    FillField(IDC_SEARCH_FOLDER, m_folderHistory, m_folder);
    GetDlgItem(IDC_IN_PROJECT)->EnableWindow(m_projectAvailable != 0);
    GetDlgItem(IDC_BROWSE_FOLDER)->EnableWindow(m_chooseFolder != nullptr);
    EnableFolderControls();
    return TRUE;
}

void CFindInFilesDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Check(dx, IDC_REGULAR_EXPRESSION, m_regularExpression);
    DDX_Check(dx, IDC_WHOLE_WORD, m_wholeWord);
    DDX_Check(dx, IDC_MATCH_CASE, m_matchCase);
    DDX_Check(dx, IDC_SUBFOLDERS, m_subfolders);
    DDX_Check(dx, IDC_IN_PROJECT, m_inProject);
    DDX_Check(dx, IDC_ADD_TO_OUTPUT, m_addToOutput);
}

void CFindInFilesDlg::EnableSearchButtons(BOOL enable)
{
    GetDlgItem(IDC_FIND_NEXT)->EnableWindow(enable);
}

void CFindInFilesDlg::EnableFolderControls()
{
    const BOOL outsideProject = IsDlgButtonChecked(IDC_IN_PROJECT) != BST_CHECKED;
    GetDlgItem(IDC_SUBFOLDERS)->EnableWindow(outsideProject);
    GetDlgItem(IDC_SEARCH_FOLDER)->EnableWindow(outsideProject);
}

void CFindInFilesDlg::OnBrowse()
{
    CString title, folder = FieldText(IDC_SEARCH_FOLDER);
    title.LoadString(IDS_CHOOSE_SEARCH_FOLDER);
    if (m_chooseFolder && m_chooseFolder(title, folder))
        SetDlgItemText(IDC_SEARCH_FOLDER, folder);
}

bool CFindInFilesDlg::ReadFields(CString& text, CString& fileTypes, CString& folder) const
{
    text = FieldText(IDC_FIND_TEXT);
    fileTypes = FieldText(IDC_FILE_TYPES);
    folder = FieldText(IDC_SEARCH_FOLDER);
    return !text.IsEmpty() && !fileTypes.IsEmpty() && !folder.IsEmpty();
}

void CFindInFilesDlg::Accept(const CString& text, const CString& fileTypes, const CString& folder)
{
    m_findText = text;
    m_fileTypes = fileTypes;
    m_folder = folder;
    m_findHistory.Remember(text);
    CDialog::OnOK();
}

void CFindInFilesDlg::OnFind()
{
    CString text, fileTypes, folder;
    if (!ReadFields(text, fileTypes, folder))
        return;
    m_lastFolder = folder;
    // A pattern list chosen from the list keeps its place there.
    m_fileTypeHistory.RememberKeepingPlace(fileTypes);
    m_folderHistory.Remember(folder);
    Accept(text, fileTypes, folder);
}

void CFindInFilesDlg::OnFindInLastFolder()
{
    if (m_lastFolder.IsEmpty()) {
        OnFind();
        return;
    }
    CString text, fileTypes, ignored;
    ReadFields(text, fileTypes, ignored);
    if (text.IsEmpty() || fileTypes.IsEmpty())
        return;
    m_fileTypeHistory.Remember(fileTypes);
    Accept(text, fileTypes, m_lastFolder);
}

void CFindInFilesDlg::OnFindInParentFolder()
{
    CString text, fileTypes, folder;
    if (!ReadFields(text, fileTypes, folder))
        return;
    const CString parent = GetDirectoryPart(folder);
    if (!parent.IsEmpty())
        folder = parent;
    m_fileTypeHistory.Remember(fileTypes);
    m_folderHistory.Remember(folder);
    Accept(text, fileTypes, folder);
}
