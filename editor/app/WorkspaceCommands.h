#pragma once
#include "editor/shell/ProjectCommands.h"
#include "framework/CmdTarget.h"

#include <memory>

class CCmdUI;
class CDocument;
class CEditorApp;

// The workspace bar's commands (its directory page, the projects, the vocabulary tables) and
// the project settings, and the application's side of the project commands.
class CWorkspaceCommands : public CCmdTarget, public ProjectHost {
public:
    explicit CWorkspaceCommands(CEditorApp& app);
    ~CWorkspaceCommands() override;

    // The frame's workspace bar: filled, synchronised with the saved folder, and the last
    // workspace (lastWorkspace, from the profile) reopened.
    void Attach(CWorkspaceBar& bar, const CString& lastWorkspace);
    // At exit: the browsed and working folders and the workspace for the next start, and the
    // open project or the default workspace saved.
    void SaveState();
    // Gives the folder panel the filter list and its remembered filter.
    void RefreshPanelFilters();
    // The open project's path; empty without one.
    CString OpenProjectPath() const;
    // Null until a workspace bar is attached.
    ProjectCommands* Projects() { return m_projects.get(); }

    // ---- ProjectHost ----
    std::vector<WorkspaceDocument> OpenDocuments() override;
    bool ActiveDocument(WorkspaceDocument& document) override;
    int CountDocuments() const override;
    void OpenListedDocument(const WorkspaceDocument& document) override;
    void PostOpenFile(const char* path, int line) override;
    void PostRemoteOpen(int account, const char* path, int length, int line) override;
    bool SaveModifiedDocuments() override;
    void CloseDocuments() override;
    bool ChooseProjectFile(bool create, CString& path) override;
    bool ChooseFilesToAdd(std::vector<CString>& paths) override;
    bool AskCategoryName(CString& name) override;
    CString ProgramFolder() override;
    CString VersionTag() override;

private:
    void OnDirectoryCommand(UINT id);
    void OnProjectCommand(UINT id);
    void OnUpdateProjectCommand(CCmdUI* cmdUI);
    void OnProjectSettings();
    void OnVocabularyTable(UINT id);
    // A document with a path as a workspace lists it; false for one without a path.
    bool DescribeDocument(CDocument* document, WorkspaceDocument& described);

    CEditorApp& m_app;
    CWorkspaceBar* m_workspaceBar = nullptr;
    std::unique_ptr<ProjectCommands> m_projects;
    CString m_lastProjectFolder;

    DECLARE_MESSAGE_MAP()
};
