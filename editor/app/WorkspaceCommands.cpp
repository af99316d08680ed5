#include "editor/app/WorkspaceCommands.h"

#include "editor/app/EditorApp.h"

#include "editor/dialogs/ProjectSettingsDlg.h"
#include "editor/dialogs/SmallDialogs.h"
#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/shell/FileNaming.h"
#include "editor/settings/ShellFolders.h"
#include "editor/app/MainFrame.h"
#include "editor/app/StartupVocabulary.h"
#include "editor/util/PathUtil.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/CommonDialogs.h"
#include "framework/MessageBox.h"

namespace {

// The version the about box shows.
const char kVersionTag[] = "2.0";
const UINT kSaveAsCommand = ID_FILE_SAVE_AS;

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(CWorkspaceCommands, CCmdTarget)
    ON_COMMAND_RANGE(ID_DIR_OPEN, ID_DIR_EXECUTE, OnDirectoryCommand)
    ON_COMMAND_RANGE(ID_DIR_COPY, ID_DIR_REFRESH, OnDirectoryCommand)
    ON_COMMAND_RANGE(ID_PROJECT_NEW, ID_PROJECT_RENAME_ITEM, OnProjectCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_PROJECT_NEW, ID_PROJECT_ADD_ALL_OPEN, OnUpdateProjectCommand)
    ON_COMMAND(ID_PROJECT_SETTINGS, OnProjectSettings)
    ON_COMMAND_RANGE(ID_VOCABULARY_TABLE_FIRST, ID_VOCABULARY_TABLE_LAST, OnVocabularyTable)
END_MESSAGE_MAP()

CWorkspaceCommands::CWorkspaceCommands(CEditorApp& app) : m_app(app) {}

CWorkspaceCommands::~CWorkspaceCommands() = default;

// ---- the workspace bar ----

void CWorkspaceCommands::Attach(CWorkspaceBar& bar, const CString& lastWorkspace)
{
    m_workspaceBar = &bar;
    m_projects = std::make_unique<ProjectCommands>(bar, *this);
    m_projects->m_lastWorkspacePath = lastWorkspace;
    bar.FillDriveList();
    RefreshPanelFilters();
    CString browsed = m_app.GetProfileString(ProfileSection("浏览目录"), "", "");
    bar.SyncToPath(browsed.IsEmpty() ? CurrentFolder() : browsed);
    if (TheEditorSettings().reopenWorkspaceAtStart)
        m_projects->ReopenWorkspace();
}

void CWorkspaceCommands::SaveState()
{
    if (m_projects == nullptr)
        return;
    m_app.WriteProfileString(ProfileSection("浏览目录"), "", m_workspaceBar->GetSelectedFolder());
    m_app.WriteProfileString(ProfileSection("工作目录"), "", CurrentFolder());
    m_app.WriteProfileString(ProfileSection("工作区"), "", m_projects->WorkspaceToRemember());
    if (m_projects->IsProjectOpen())
        m_projects->SaveProject();
    else
        m_projects->SaveDefaultWorkspace();
}

// Without an open project the commands work on the active document.
CString CWorkspaceCommands::OpenProjectPath() const
{
    return m_projects != nullptr && m_projects->IsProjectOpen() ? m_projects->ProjectPath() : CString();
}

void CWorkspaceCommands::RefreshPanelFilters()
{
    if (m_workspaceBar == nullptr)
        return;
    CEditorSettings& settings = TheEditorSettings();
    m_workspaceBar->SetFileFilters(BuildFileFilter(settings), FilterIndexToType(settings, settings.panelFilter),
                                   [](int position) {
                                       CEditorSettings& current = TheEditorSettings();
                                       current.panelFilter = TypeFromFilterIndex(current, position);
                                   });
}

// ---- ProjectHost ----

std::vector<WorkspaceDocument> CWorkspaceCommands::OpenDocuments()
{
    std::vector<WorkspaceDocument> documents;
    for (POSITION at = m_app.GetFirstDocument(); at != nullptr;) {
        WorkspaceDocument document;
        if (DescribeDocument(m_app.GetNextDocument(at), document))
            documents.push_back(document);
    }
    return documents;
}

bool CWorkspaceCommands::DescribeDocument(CDocument* document, WorkspaceDocument& described)
{
    auto* wren = dynamic_cast<CWrenDoc*>(document);
    if (wren == nullptr || wren->GetPathName().IsEmpty())
        return false;
    described = WorkspaceDocument();
    if (wren->IsRemote()) {
        described.account = wren->GetRemoteAccount();
        described.path = wren->GetRemotePath();
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        if (::GetFileAttributesExA(wren->GetPathName(), GetFileExInfoStandard, &data))
            described.length = static_cast<int>(data.nFileSizeLow);
    } else {
        described.path = wren->GetPathName();
    }
    POSITION at = wren->GetFirstViewPosition();
    auto* view = at != nullptr ? dynamic_cast<CWrenView*>(wren->GetNextView(at)) : nullptr;
    if (view == nullptr)
        return true;
    described.line = view->GetCaretLineNumber();
    CFrameWnd* frame = view->GetParentFrame();
    WINDOWPLACEMENT placement = {sizeof placement};
    if (frame != nullptr && ::GetWindowPlacement(frame->m_hWnd, &placement)) {
        described.hasPlacement = true;
        described.placement = {static_cast<int>(placement.flags), static_cast<int>(placement.showCmd),
                               placement.ptMinPosition.x, placement.ptMinPosition.y,
                               placement.ptMaxPosition.x, placement.ptMaxPosition.y,
                               placement.rcNormalPosition.left, placement.rcNormalPosition.top,
                               placement.rcNormalPosition.right, placement.rcNormalPosition.bottom};
    }
    return true;
}

int CWorkspaceCommands::CountDocuments() const
{
    return m_app.CountDocuments();
}

void CWorkspaceCommands::PostOpenFile(const char* path, int line)
{
    m_app.PostOpenFile(path, line);
}

void CWorkspaceCommands::PostRemoteOpen(int account, const char* path, int length, int line)
{
    m_app.PostRemoteOpen(account, path, length, line);
}

bool CWorkspaceCommands::ActiveDocument(WorkspaceDocument& document)
{
    CMainFrame* frame = m_app.GetMainFrame();
    return frame != nullptr && DescribeDocument(frame->GetActiveEditorDoc(), document);
}

void CWorkspaceCommands::OpenListedDocument(const WorkspaceDocument& document)
{
    WINDOWPLACEMENT placement = {sizeof placement};
    const auto& p = document.placement;
    placement.flags = p[0];
    placement.showCmd = p[1];
    placement.ptMinPosition = {p[2], p[3]};
    placement.ptMaxPosition = {p[4], p[5]};
    placement.rcNormalPosition = {p[6], p[7], p[8], p[9]};
    const WINDOWPLACEMENT* where = document.hasPlacement ? &placement : nullptr;
    // The recorded length is what the file had when the list was written; the server's
    // file may have changed since, so it is no measure of a whole download.
    if (document.account >= 0)
        m_app.OpenRemoteFile(document.account, document.path, 0, document.line, where);
    else
        m_app.OpenFileAtLine(document.path, document.line, where);
}

bool CWorkspaceCommands::SaveModifiedDocuments()
{
    return m_app.SaveAllModified() != FALSE;
}

void CWorkspaceCommands::CloseDocuments()
{
    m_app.CloseAllDocuments(FALSE);
}

bool CWorkspaceCommands::ChooseProjectFile(bool create, CString& path)
{
    CString filter = LoadText(IDS_PROJECT_FILTER);
    DWORD flags = OFN_HIDEREADONLY | (create ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    CFileDialog dialog(create ? FALSE : TRUE, ".项目", nullptr, flags, filter, m_app.m_pMainWnd);
    CString title = LoadText(create ? IDS_NEW_PROJECT_TITLE : IDS_OPEN_PROJECT_TITLE);
    CString folder = m_lastProjectFolder.IsEmpty() ? CurrentFolder() : m_lastProjectFolder;
    dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.lpstrInitialDir = folder;
    CString current = CurrentFolder();
    bool chosen = dialog.DoModal() == IDOK;
    ::SetCurrentDirectoryA(current + "\\");
    if (!chosen)
        return false;
    path = dialog.GetPathName();
    m_lastProjectFolder = GetDirectoryPart(path);
    return true;
}

bool CWorkspaceCommands::ChooseFilesToAdd(std::vector<CString>& paths)
{
    CEditorSettings& settings = TheEditorSettings();
    CString filter = BuildFileFilter(settings);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, filter,
                       m_app.m_pMainWnd);
    std::vector<char> names(64 * 1024);
    dialog.m_ofn.lpstrFile = names.data();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(names.size());
    CString title = LoadText(IDS_ADD_TO_PROJECT_TITLE);
    dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.nFilterIndex = FilterIndexToType(settings, settings.lastFileFilter) + 1;
    if (dialog.DoModal() != IDOK)
        return false;
    for (POSITION at = dialog.GetStartPosition(); at != nullptr;)
        paths.push_back(dialog.GetNextPathName(at));
    return !paths.empty();
}

bool CWorkspaceCommands::AskCategoryName(CString& name)
{
    CUserInputDlg dialog(IDS_ASK_USER_CATEGORY, m_app.m_pMainWnd);
    if (dialog.DoModal() != IDOK)
        return false;
    name = dialog.m_answer;
    return !name.IsEmpty();
}

CString CWorkspaceCommands::ProgramFolder()
{
    return GetProgramFolder();
}

CString CWorkspaceCommands::VersionTag()
{
    return kVersionTag;
}

// ---- commands ----

void CWorkspaceCommands::OnDirectoryCommand(UINT id)
{
    if (m_workspaceBar == nullptr)
        return;
    CWorkspaceBar& bar = *m_workspaceBar;
    switch (id) {
    case ID_DIR_OPEN: bar.OpenSelected(); break;
    case ID_DIR_EXECUTE: bar.ExecuteSelected(); break;
    case ID_DIR_BROWSE: bar.BrowseSelected(); break;
    case ID_DIR_FIND: bar.FindInSelected(); break;
    case ID_DIR_MOVE: bar.MoveSelected(); break;
    case ID_DIR_COPY: bar.CopySelected(); break;
    case ID_DIR_RENAME: bar.RenameSelected(); break;
    case ID_DIR_DELETE: bar.DeleteSelected(); break;
    case ID_DIR_REFRESH: bar.RefreshSelected(); break;
    case ID_DIR_WORK_FOLDER: {
        CString folder;
        if (bar.SetSelectedAsWorkDir(folder)) {
            TheEditorSettings().initialWorkingFolder = folder;
            m_app.SaveEditorConfig();
        }
        break;
    }
    }
}

void CWorkspaceCommands::OnProjectCommand(UINT id)
{
    if (m_projects == nullptr)
        return;
    using Command = void (ProjectCommands::*)();
    struct Entry {
        UINT id;
        Command command;
    };
    static const Entry kCommands[] = {
        {ID_PROJECT_NEW, &ProjectCommands::OnNewProject},
        {ID_PROJECT_OPEN, &ProjectCommands::OnOpenProject},
        {ID_PROJECT_CLOSE, &ProjectCommands::OnCloseProject},
        {ID_PROJECT_NEW_CATEGORY, &ProjectCommands::OnNewCategory},
        {ID_PROJECT_ADD_FILES, &ProjectCommands::OnAddFiles},
        {ID_PROJECT_ADD_CURRENT, &ProjectCommands::OnAddCurrentFile},
        {ID_PROJECT_ADD_ALL_OPEN, &ProjectCommands::OnAddOpenFiles},
        {ID_PROJECT_OPEN_ITEM, &ProjectCommands::OnOpenItem},
        {ID_PROJECT_REMOVE_ITEM, &ProjectCommands::OnRemoveItem},
        {ID_PROJECT_EXECUTE_ITEM, &ProjectCommands::OnExecuteItem},
        {ID_PROJECT_RENAME_ITEM, &ProjectCommands::OnRenameItem},
    };
    for (const Entry& entry : kCommands)
        if (entry.id == id)
            (m_projects.get()->*entry.command)();
}

void CWorkspaceCommands::OnUpdateProjectCommand(CCmdUI* cmdUI)
{
    bool open = m_projects != nullptr && m_projects->IsProjectOpen();
    switch (cmdUI->m_nID) {
    case ID_PROJECT_ADD_CURRENT:
        cmdUI->Enable(open && m_app.GetMainFrame() != nullptr && m_app.GetMainFrame()->GetActiveEditorDoc() != nullptr);
        break;
    case ID_PROJECT_ADD_ALL_OPEN:
        cmdUI->Enable(open && m_app.CountDocuments() > 0);
        break;
    case ID_PROJECT_NEW:
    case ID_PROJECT_OPEN:
        cmdUI->Enable(m_projects != nullptr);
        break;
    default:
        cmdUI->Enable(open);
        break;
    }
}

void CWorkspaceCommands::OnProjectSettings()
{
    CString path;
    if (m_projects != nullptr && m_projects->IsProjectOpen()) {
        path = m_projects->ProjectPath();
    } else {
        CMainFrame* frame = m_app.GetMainFrame();
        CDocument* document = frame != nullptr ? frame->GetActiveEditorDoc() : nullptr;
        if (document == nullptr) {
            AfxMessageBox("无打开的文档", MB_ICONEXCLAMATION);
            return;
        }
        if (document->GetPathName().IsEmpty())
            frame->SendMessage(WM_COMMAND, kSaveAsCommand);
        path = document->GetPathName();
        if (path.IsEmpty())
            return;
    }
    EditProjectSettings(path, m_app.m_pMainWnd);
}

// ---- the vocabulary tree ----

void CWorkspaceCommands::OnVocabularyTable(UINT id)
{
    if (m_workspaceBar != nullptr)
        LoadVocabularyTable(*m_workspaceBar, static_cast<int>(id - ID_VOCABULARY_TABLE_FIRST) + 1);
}

