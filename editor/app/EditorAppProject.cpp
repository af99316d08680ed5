// The application's commands over the workspace bar (directory page, project and vocabulary
// tables), the project settings, the help and sponsor pages, the palette toggles, the reset of
// the settings, and the workspace kept across runs.
#include "editor/app/EditorApp.h"

#include "editor/dialogs/ProjectSettingsDlg.h"
#include "editor/dialogs/SmallDialogs.h"
#include "editor/document/WrenDoc.h"
#include "editor/inputaids/PaletteBars.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/shell/FileNaming.h"
#include "editor/shell/HelpPages.h"
#include "editor/settings/SettingsFiles.h"
#include "editor/settings/ShellFolders.h"
#include "editor/app/MainFrame.h"
#include "editor/app/StartupVocabulary.h"
#include "editor/util/PathUtil.h"
#include "editor/util/ShellHelpers.h"
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

struct PaletteToggle {
    UINT command;
    UINT bar;
};
const PaletteToggle kPaletteToggles[] = {{ID_VIEW_TYPES_BAR, kTypesBarId}, {ID_VIEW_LETTERS_BAR, kLettersBarId},
    {ID_VIEW_OPERATORS_BAR, kOperatorsBarId}};

} // namespace

// ---- the workspace bar ----

void CEditorApp::AttachWorkspaceBar(CWorkspaceBar& bar)
{
    m_workspaceBar = &bar;
    m_projects = std::make_unique<ProjectCommands>(bar, *this);
    m_projects->m_lastWorkspacePath = m_lastWorkspacePath;
    bar.FillDriveList();
    RefreshPanelFilters();
    CString browsed = GetProfileString(ProfileSection("浏览目录"), "", "");
    bar.SyncToPath(browsed.IsEmpty() ? CurrentFolder() : browsed);
    if (TheEditorSettings().reopenWorkspaceAtStart)
        m_projects->ReopenWorkspace();
}

void CEditorApp::SaveWorkspaceState()
{
    if (m_projects == nullptr)
        return;
    WriteProfileString(ProfileSection("浏览目录"), "", m_workspaceBar->GetSelectedFolder());
    WriteProfileString(ProfileSection("工作目录"), "", CurrentFolder());
    WriteProfileString(ProfileSection("工作区"), "", m_projects->WorkspaceToRemember());
    if (m_projects->IsProjectOpen())
        m_projects->SaveProject();
    else
        m_projects->SaveDefaultWorkspace();
}

void CEditorApp::RefreshPanelFilters()
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

std::vector<WorkspaceDocument> CEditorApp::OpenDocuments()
{
    std::vector<WorkspaceDocument> documents;
    for (POSITION at = GetFirstDocument(); at != nullptr;) {
        WorkspaceDocument document;
        if (DescribeDocument(GetNextDocument(at), document))
            documents.push_back(document);
    }
    return documents;
}

bool CEditorApp::DescribeDocument(CDocument* document, WorkspaceDocument& described)
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

bool CEditorApp::ActiveDocument(WorkspaceDocument& document)
{
    CMainFrame* frame = GetMainFrame();
    return frame != nullptr && DescribeDocument(frame->GetActiveEditorDoc(), document);
}

void CEditorApp::OpenListedDocument(const WorkspaceDocument& document)
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
        OpenRemoteFile(document.account, document.path, 0, document.line, where);
    else
        OpenFileAtLine(document.path, document.line, where);
}

bool CEditorApp::SaveModifiedDocuments()
{
    return SaveAllModified() != FALSE;
}

void CEditorApp::CloseDocuments()
{
    CloseAllDocuments(FALSE);
}

bool CEditorApp::ChooseProjectFile(bool create, CString& path)
{
    CString filter = LoadText(IDS_PROJECT_FILTER);
    DWORD flags = OFN_HIDEREADONLY | (create ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    CFileDialog dialog(create ? FALSE : TRUE, ".项目", nullptr, flags, filter, m_pMainWnd);
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

bool CEditorApp::ChooseFilesToAdd(std::vector<CString>& paths)
{
    CEditorSettings& settings = TheEditorSettings();
    CString filter = BuildFileFilter(settings);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, filter,
                       m_pMainWnd);
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

bool CEditorApp::AskCategoryName(CString& name)
{
    CUserInputDlg dialog(IDS_ASK_USER_CATEGORY, m_pMainWnd);
    if (dialog.DoModal() != IDOK)
        return false;
    name = dialog.m_answer;
    return !name.IsEmpty();
}

CString CEditorApp::ProgramFolder()
{
    return GetProgramFolder();
}

CString CEditorApp::VersionTag()
{
    return kVersionTag;
}

// ---- commands ----

void CEditorApp::OnDirectoryCommand(UINT id)
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
            SaveEditorConfig();
        }
        break;
    }
    }
}

void CEditorApp::OnProjectCommand(UINT id)
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

void CEditorApp::OnUpdateProjectCommand(CCmdUI* cmdUI)
{
    bool open = m_projects != nullptr && m_projects->IsProjectOpen();
    switch (cmdUI->m_nID) {
    case ID_PROJECT_ADD_CURRENT:
        cmdUI->Enable(open && GetMainFrame() != nullptr && GetMainFrame()->GetActiveEditorDoc() != nullptr);
        break;
    case ID_PROJECT_ADD_ALL_OPEN:
        cmdUI->Enable(open && CountDocuments() > 0);
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

void CEditorApp::OnProjectSettings()
{
    CString path;
    if (m_projects != nullptr && m_projects->IsProjectOpen()) {
        path = m_projects->ProjectPath();
    } else {
        CMainFrame* frame = GetMainFrame();
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
    EditProjectSettings(path, m_pMainWnd);
}

void CEditorApp::OnHelpPage(UINT id)
{
    const CString folder = GetInstallationFolder();
    if (IsHelpPageMissing(id, folder) || !OpenHelpPage(id, folder, &ShellOpenDocument))
        AfxMessageBox(HelpPageFailureMessage(id, folder), MB_ICONEXCLAMATION);
}

void CEditorApp::OnPaletteToggle(UINT id)
{
    CMainFrame* frame = GetMainFrame();
    for (const PaletteToggle& toggle : kPaletteToggles) {
        CControlBar* bar = frame != nullptr && toggle.command == id ? frame->GetControlBar(toggle.bar) : nullptr;
        if (bar != nullptr) {
            frame->ShowControlBar(bar, !bar->IsWindowVisible(), FALSE);
            frame->RecalcLayout();
        }
    }
}

void CEditorApp::OnUpdatePaletteToggle(CCmdUI* cmdUI)
{
    CMainFrame* frame = GetMainFrame();
    for (const PaletteToggle& toggle : kPaletteToggles) {
        CControlBar* bar = frame != nullptr && toggle.command == cmdUI->m_nID ? frame->GetControlBar(toggle.bar) : nullptr;
        if (bar != nullptr)
            cmdUI->SetCheck(bar->IsWindowVisible());
    }
}

// ---- the vocabulary tree ----

bool CEditorApp::LoadVocabularyTable(int kind)
{
    m_vocabularyKind = kind;
    return m_workspaceBar != nullptr && ::LoadVocabularyTable(*m_workspaceBar, kind);
}

void CEditorApp::OnVocabularyTable(UINT id)
{
    LoadVocabularyTable(static_cast<int>(id - ID_VOCABULARY_TABLE_FIRST) + 1);
}

// Every setting and colour the user chose goes at once, so the user is asked first; the
// open windows then show the defaults as the preferences' Apply would.
void CEditorApp::OnResetDefaults()
{
    if (AfxMessageBox("要恢复系统缺省配置吗?\n\n当前的编辑器配置和配色将被缺省值替换.",
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    CEditorSettings& settings = TheEditorSettings();
    ResetConfigDefaults(settings);
    SaveEditorConfig();
    ResetColorDefaults(settings);
    SaveColorScheme(ProgramFilePath(kColorSchemeFile), settings.view.colors);
    RefreshOutputFont();
    RefreshPanelFilters();
    ApplyToOpenViews();
}
