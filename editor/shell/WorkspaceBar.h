#pragma once
#include "editor/shell/DockingPaneBar.h"
#include "editor/shell/ProjectFile.h"
#include "editor/shell/ProjectTree.h"
#include "editor/shell/VocabularyTable.h"
#include "framework/CommonControls.h"
#include "framework/Gdi.h"

#include <functional>
#include <memory>
#include <vector>

// What the workspace bar needs of the application for the vocabulary tree's entries.
class WorkspaceBarHost {
public:
    virtual ~WorkspaceBarHost() = default;
    // Clears the output window's page (keeping new output) and writes the lines there.
    virtual void ShowVocabularyLines(const CStringArray& lines) = 0;
    // The status bar's first pane.
    virtual void SetStatusText(const CString& text) = 0;
    // Records the open request and posts File Open to the main window.
    virtual void PostOpenFile(const CString& file, int line) = 0;
    // Hands the text to the active view for insertion; false when no document is open.
    virtual bool InsertIntoActiveView(const CString& text) = 0;
    // The installation folder, without a trailing backslash.
    virtual CString InstallFolder() = 0;
};

// The docking bar at the left of the main frame: three pages chosen by tabs at its bottom,
// the directory browser (目录), the project tree (项目) and the vocabulary tree (词汇). The
// project page shows a ProjectTree; every item of the tree control carries its model item.
class CWorkspaceBar : public CDockingPaneBar {
public:
    enum Page { kDirectoryPage = 0, kProjectPage = 1, kVocabularyPage = 2 };
    static constexpr UINT kTabId = 1066;
    static constexpr UINT kProjectTreeId = 1069;
    static constexpr UINT kVocabularyTreeId = 1179;
    static constexpr UINT kDirectoryTreeId = 1259;

    BOOL Create(CWnd* parent, int width, int height, UINT id, DWORD style) override;

    // Selects the tab and shows its page.
    void SelectPage(int page);
    int GetPage() const { return m_page; }

    // The project page.
    // Reads the project file; a fault is shown with its message and leaves no project.
    BOOL OpenProject(const CString& path);
    // Writes the tree (with each item's expanded state) and the open documents to the file.
    BOOL SaveProject(const CString& path, const std::vector<WorkspaceDocument>& documents, const char* versionTag);
    BOOL CreateProject(const CString& path);
    void ResetProjectTree();
    // The documents the project file listed in its workspace section.
    const std::vector<WorkspaceDocument>& ProjectDocuments() const { return m_projectDocuments; }
    const ProjectTree& Project() const { return m_project; }
    CTreeCtrl& ProjectTreeCtrl() { return m_projectTree; }
    // Insertions under the selected item (or beside a selected file); refusals show their
    // message.
    BOOL AddCategory(const CString& name);
    BOOL AddLocalFile(const CString& path);
    BOOL RemoveSelectedProjectItem();
    BOOL IsProjectRootSelected() const;
    // Every local file of the project, in tree order.
    void CollectProjectFiles(CStringArray& paths) const { m_project.CollectLocalFiles(paths); }

    // The vocabulary page.
    void SetHost(WorkspaceBarHost* host) { m_host = host; }
    // Reads the table base + ".表" and its extension files into the tree; every entry's
    // full text goes to onEntry when given. A fault shows its message; FALSE.
    BOOL OpenVocabularyTable(const CString& base,
                             const std::function<void(const CString&)>& onEntry = nullptr);
    void ClearVocabularyTree();
    CTreeCtrl& VocabularyTreeCtrl() { return m_vocabularyTree; }
    // A click on an entry shows it in the output window; a double click uses it. Other
    // items do nothing.
    void ShowVocabularyEntry(HTREEITEM item);
    void UseVocabularyEntry(HTREEITEM item);

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnTabChange(NMHDR* header, LRESULT* result);
    void OnVocabularyClick(NMHDR* header, LRESULT* result);
    void OnVocabularyDoubleClick(NMHDR* header, LRESULT* result);
    void OnVocabularySelChanged(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    // Rebuilds the tree control from the model.
    void ShowProject();
    HTREEITEM InsertProjectItem(ProjectItem& item, HTREEITEM parent, HTREEITEM after);
    ProjectItem* SelectedProjectItem() const;
    // Copies the control's expanded states into the model.
    void TakeExpandedStates(HTREEITEM item);
    HTREEITEM InsertVocabularyItem(VocabularyItem& item, HTREEITEM parent);
    const VocabularyItem* VocabularyEntryOf(HTREEITEM item) const;
    // The vocabulary item under the mouse.
    HTREEITEM VocabularyItemAtCursor() const;
    BOOL ShowProjectEdit(ProjectEdit edit, const CString& name, ProjectItem* added);

    CTabCtrl m_tabs;
    CTreeCtrl m_directoryTree;
    CTreeCtrl m_projectTree;
    CTreeCtrl m_vocabularyTree;
    CFont m_font;
    int m_page = kDirectoryPage;
    ProjectTree m_project;
    std::vector<WorkspaceDocument> m_projectDocuments;
    std::unique_ptr<VocabularyItem> m_vocabulary;
    WorkspaceBarHost* m_host = nullptr;
};
