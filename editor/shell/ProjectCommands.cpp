#include "editor/shell/ProjectCommands.h"

#include "editor/util/PathUtil.h"
#include "framework/MessageBox.h"

namespace {

const char kDefaultWorkspaceName[] = "\\vuze.工作区";
const UINT kIdsAskRemoveMember = 53008;  // "要从项目中移除成员‘%s’吗?"
const UINT kIdsAskCloseWindows = 53009;  // "想关闭所有窗口吗?"

CString LoadText(UINT id, const char* fallback)
{
    CString text;
    return text.LoadString(id) ? text : CString(fallback);
}

} // namespace

ProjectCommands::ProjectCommands(CWorkspaceBar& bar, ProjectHost& host) : m_bar(bar), m_host(host)
{
    // A label edited in the tree is a change like any other.
    m_bar.SetProjectChangedCallback([this] { SaveProject(); });
}

CString ProjectCommands::DefaultWorkspacePath() const
{
    return m_host.ProgramFolder() + kDefaultWorkspaceName;
}

CString ProjectCommands::WorkspaceToRemember() const
{
    return m_projectOpen ? m_projectPath : DefaultWorkspacePath();
}

void ProjectCommands::OpenListed(const std::vector<WorkspaceDocument>& documents)
{
    for (const WorkspaceDocument& document : documents)
        m_host.OpenListedDocument(document);
}

bool ProjectCommands::NewProject(const CString& path)
{
    m_bar.CreateProject(path);
    if (!m_bar.SaveProject(path, m_host.OpenDocuments(), m_host.VersionTag())) {
        m_bar.ResetProjectTree();
        return false;
    }
    m_projectOpen = true;
    m_projectPath = path;
    return true;
}

bool ProjectCommands::OpenProject(const CString& path)
{
    bool opened = m_bar.OpenProject(path) != FALSE;
    // Documents listed before a fault in the workspace section still open.
    OpenListed(m_bar.ProjectDocuments());
    if (!opened)
        return false;
    m_projectOpen = true;
    m_projectPath = path;
    return true;
}

bool ProjectCommands::OpenWorkspace(const CString& path)
{
    std::vector<WorkspaceDocument> documents;
    ProjectFileStatus status = ReadWorkspaceFile(path, documents);
    m_bar.ResetProjectTree();
    OpenListed(documents);
    m_projectOpen = false;
    m_projectPath.Empty();
    if (status != ProjectFileStatus::ok) {
        AfxMessageBox(ProjectFileMessage(status, path), MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool ProjectCommands::SaveProject()
{
    return m_projectOpen && m_bar.SaveProject(m_projectPath, m_host.OpenDocuments(), m_host.VersionTag());
}

bool ProjectCommands::SaveDefaultWorkspace()
{
    CString path = DefaultWorkspacePath();
    ProjectFileStatus status = WriteWorkspaceFile(path, m_host.OpenDocuments(), m_host.VersionTag());
    if (status != ProjectFileStatus::ok) {
        AfxMessageBox(ProjectFileMessage(status, path), MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool ProjectCommands::CloseProject(bool closeDocuments)
{
    if (!SaveProject())
        return false;
    if (closeDocuments) {
        if (!m_host.SaveModifiedDocuments())
            return false;
        m_host.CloseDocuments();
    }
    m_bar.ResetProjectTree();
    m_projectOpen = false;
    m_projectPath.Empty();
    return true;
}

bool ProjectCommands::ReopenWorkspace()
{
    if (m_lastWorkspacePath.IsEmpty())
        m_lastWorkspacePath = DefaultWorkspacePath();
    // Nothing was kept yet (a first start), or the file is gone: a fresh start, quietly.
    if (!FileExists(m_lastWorkspacePath))
        return false;
    CString extension = GetExtensionPart(m_lastWorkspacePath);
    if (extension.CompareNoCase(".项目") == 0) {
        if (m_bar.IsWindowVisible())
            m_bar.SelectPage(CWorkspaceBar::kProjectPage);
        return OpenProject(m_lastWorkspacePath);
    }
    if (extension.CompareNoCase(".工作区") == 0)
        return OpenWorkspace(m_lastWorkspacePath);
    return false;
}

bool ProjectCommands::AskAndCloseProject()
{
    if (!m_projectOpen)
        return true;
    bool closeDocuments = false;
    if (m_host.CountDocuments() > 0) {
        int answer = AfxMessageBox(LoadText(kIdsAskCloseWindows, "想关闭所有窗口吗?"), MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return false;
        closeDocuments = answer == IDYES;
    }
    return CloseProject(closeDocuments);
}

void ProjectCommands::OnNewProject()
{
    CString path;
    if (!m_host.ChooseProjectFile(true, path) || !AskAndCloseProject())
        return;
    m_bar.SelectPage(CWorkspaceBar::kProjectPage);
    NewProject(path);
}

void ProjectCommands::OnOpenProject()
{
    CString path;
    if (m_host.ChooseProjectFile(false, path))
        SwitchToProject(path);
}

bool ProjectCommands::SwitchToProject(const CString& path)
{
    if (m_projectOpen && path.CompareNoCase(m_projectPath) == 0)
        return true;
    if (!AskAndCloseProject())
        return false;
    m_bar.SelectPage(CWorkspaceBar::kProjectPage);
    return OpenProject(path);
}

void ProjectCommands::OnCloseProject()
{
    AskAndCloseProject();
}

void ProjectCommands::OnNewCategory()
{
    CString name;
    if (m_projectOpen && m_host.AskCategoryName(name) && m_bar.AddCategory(name))
        SaveProject();
}

void ProjectCommands::OnAddFiles()
{
    std::vector<CString> paths;
    if (!m_projectOpen || !m_host.ChooseFilesToAdd(paths))
        return;
    for (const CString& path : paths)
        m_bar.AddLocalFile(path);
    SaveProject();
}

bool ProjectCommands::AddDocument(const WorkspaceDocument& document)
{
    if (document.account >= 0)
        return m_bar.AddRemoteFile(document.account, document.path, document.length) != FALSE;
    return m_bar.AddLocalFile(document.path) != FALSE;
}

void ProjectCommands::OnAddCurrentFile()
{
    WorkspaceDocument document;
    if (!m_projectOpen || !m_host.ActiveDocument(document))
        return;
    AddDocument(document);
    SaveProject();
}

void ProjectCommands::OnAddOpenFiles()
{
    if (!m_projectOpen)
        return;
    for (const WorkspaceDocument& document : m_host.OpenDocuments())
        AddDocument(document);
    SaveProject();
}

void ProjectCommands::OnOpenItem()
{
    const ProjectItem* item = m_bar.GetSelectedProjectItem();
    if (item == nullptr)
        return;
    if (item->kind == ProjectItemKind::localFile && FileExists(item->path))
        m_host.PostOpenFile(item->path, 0);
    else if (item->kind == ProjectItemKind::remoteFile)
        m_host.PostRemoteOpen(item->account, item->path, 0, 0);  // the recorded length may be stale
}

void ProjectCommands::OnExecuteItem()
{
    m_bar.ExecuteSelectedProjectItem();
}

void ProjectCommands::OnRenameItem()
{
    m_bar.RenameSelectedProjectItem();
}

void ProjectCommands::OnRemoveItem()
{
    const ProjectItem* item = m_bar.GetSelectedProjectItem();
    if (item == nullptr || m_bar.IsProjectRootSelected())
        return;
    CString question;
    question.Format(LoadText(kIdsAskRemoveMember, "要从项目中移除成员‘%s’吗?"), static_cast<LPCTSTR>(item->text));
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES && m_bar.RemoveSelectedProjectItem())
        SaveProject();
}
