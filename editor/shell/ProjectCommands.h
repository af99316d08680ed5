#pragma once
#include "editor/settings/ProjectFile.h"
#include "editor/shell/WorkspaceBar.h"

#include <vector>

// What the project commands need of the application: its documents, its prompts and its
// folders.
class ProjectHost {
public:
    virtual ~ProjectHost() = default;
    // The open documents that have a path, in the application's order, each with its
    // caret line and window placement.
    virtual std::vector<WorkspaceDocument> OpenDocuments() = 0;
    // The active document; false when there is none or it has no path.
    virtual bool ActiveDocument(WorkspaceDocument& document) = 0;
    virtual int CountDocuments() const = 0;
    // Opens a document a workspace lists, at its line and placement.
    virtual void OpenListedDocument(const WorkspaceDocument& document) = 0;
    virtual void PostOpenFile(const char* path, int line) = 0;
    virtual void PostRemoteOpen(int account, const char* path, int length, int line) = 0;
    // Asks to save every modified document; false when the user refused.
    virtual bool SaveModifiedDocuments() = 0;
    virtual void CloseDocuments() = 0;
    // The project file dialogs: save (new project) or open; false on Cancel.
    virtual bool ChooseProjectFile(bool create, CString& path) = 0;
    // The files to add to the project; false on Cancel.
    virtual bool ChooseFilesToAdd(std::vector<CString>& paths) = 0;
    // The name of a new category; false on Cancel.
    virtual bool AskCategoryName(CString& name) = 0;
    // The program folder, without a trailing backslash, and the version tag of the files.
    virtual CString ProgramFolder() = 0;
    virtual CString VersionTag() = 0;
};

// The project and workspace operations and commands of the application, acting on the
// workspace bar's project tree. The tree is saved to the project file after every change.
class ProjectCommands {
public:
    ProjectCommands(CWorkspaceBar& bar, ProjectHost& host);

    bool IsProjectOpen() const { return m_projectOpen; }
    const CString& ProjectPath() const { return m_projectPath; }
    // The workspace or project reopened at start-up and named in the profile at exit.
    CString m_lastWorkspacePath;

    bool NewProject(const CString& path);
    bool OpenProject(const CString& path);
    bool OpenWorkspace(const CString& path);
    bool SaveProject();
    bool SaveDefaultWorkspace();
    bool CloseProject(bool closeDocuments);
    // Opens the project in place of the open one (asking whether its windows close); the
    // project already open stays as it is.
    bool SwitchToProject(const CString& path);
    // The last workspace (the default one when none is named): a project or a workspace file.
    bool ReopenWorkspace();
    // What the profile keeps at exit: the open project, else the default workspace.
    CString WorkspaceToRemember() const;
    CString DefaultWorkspacePath() const;

    // Commands.
    void OnNewProject();
    void OnOpenProject();
    void OnCloseProject();
    void OnNewCategory();
    void OnAddFiles();
    void OnAddCurrentFile();
    void OnAddOpenFiles();
    void OnOpenItem();
    void OnExecuteItem();
    void OnRenameItem();
    void OnRemoveItem();
    // Update states.
    bool CanEditProject() const { return m_projectOpen; }
    bool CanAddCurrentFile() { return m_projectOpen && m_host.CountDocuments() > 0; }

private:
    // Closes the open project, asking whether the windows go too when there are any; false
    // when the user cancelled or the close failed, true without a project.
    bool AskAndCloseProject();
    bool AddDocument(const WorkspaceDocument& document);
    void OpenListed(const std::vector<WorkspaceDocument>& documents);

    CWorkspaceBar& m_bar;
    ProjectHost& m_host;
    bool m_projectOpen = false;
    CString m_projectPath;
};
