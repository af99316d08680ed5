#pragma once
#include "editor/res/resource.h"
#include "editor/shell/DockingPaneBar.h"
#include "editor/shell/PaneToolBar.h"
#include "editor/settings/ProjectFile.h"
#include "editor/settings/ProjectTree.h"
#include "editor/shell/VocabularyTable.h"
#include "framework/CommonControls.h"
#include "framework/Controls.h"
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
    static constexpr UINT kDriveListId = 1070;
    static constexpr UINT kFilterListId = 1071;
    static constexpr UINT kDirectoryBarId = 1207;
    static constexpr UINT kProjectBarId = 1208;
    static constexpr UINT kPaneBarId = 1209;
    static constexpr UINT kVocabularyBarId = 1220;
    static constexpr UINT kSyncCommand = ID_WORKSPACE_SYNC;
    static constexpr UINT kFirstVocabularyType = ID_VOCABULARY_TABLE_FIRST;
    static constexpr UINT kOpenProjectItemCommand = ID_PROJECT_OPEN_ITEM;

    BOOL Create(CWnd* parent, int width, int height, UINT id, DWORD style) override;

    // Selects the tab and shows its page.
    void SelectPage(int page);
    int GetPage() const { return m_page; }

    // The directory page. Its tree shows one drive; each folder item that holds entries
    // has a "NULL" placeholder child until it is expanded and filled.
    // Refills the drive list, selecting the drive (letter and colon) when one is given.
    void FillDriveList(const CString& drive = CString());
    // filters: description, "|", patterns, "|", ...; onChange gets the new filter index.
    void SetFileFilters(const CString& filters, int index, std::function<void(int)> onChange);
    int GetFilterIndex() const;
    CString GetFilterPattern() const;
    CString GetSelectedDrive() const;
    BOOL SelectDriveEntry(const CString& drive);
    void SyncToPath(const CString& path);
    void RebuildTree(const CString& drive);
    // Walks the tree along the path, filling each folder; stops silently where the path
    // leaves the tree, else selects the last item.
    void ExpandToPath(const CString& path);
    CString GetItemPath(HTREEITEM item) const;
    // The selection's path, or its folder when it is a file.
    CString GetSelectedFolder() const;
    BOOL IsRootSelected() const;
    CTreeCtrl& DirectoryTreeCtrl() { return m_directoryTree; }
    // Item operations; each has a form for the selection, FALSE without one.
    BOOL OpenItem(HTREEITEM item);
    BOOL ExecuteItem(HTREEITEM item);
    BOOL BrowseItem(HTREEITEM item);
    BOOL FindInItem(HTREEITEM item);
    // A folder item gives its path as the initial working folder; a file gives FALSE.
    BOOL SetItemAsWorkDir(HTREEITEM item, CString& folder);
    void SetWorkDirFromItem(HTREEITEM item);
    // The shell's file operations (undo allowed; its confirmations and progress). FALSE
    // when the shell failed or the user cancelled; the tree then stays as it was.
    BOOL MoveItem(HTREEITEM item, const CString& destination);
    BOOL CopyItem(HTREEITEM item, const CString& destination);
    BOOL RenameItem(HTREEITEM item, const CString& name);
    BOOL DeleteItem(HTREEITEM item);
    void RefreshItem(HTREEITEM item);
    // The folder chooser for a destination; TRUE with the chosen folder in path.
    BOOL ChooseDestinationFolder(CString& path);
    BOOL OpenSelected() { return WithSelection(&CWorkspaceBar::OpenItem); }
    BOOL ExecuteSelected() { return WithSelection(&CWorkspaceBar::ExecuteItem); }
    BOOL BrowseSelected() { return WithSelection(&CWorkspaceBar::BrowseItem); }
    BOOL FindInSelected() { return WithSelection(&CWorkspaceBar::FindInItem); }
    BOOL SetSelectedAsWorkDir(CString& folder);
    BOOL RefreshSelected();
    BOOL DeleteSelected();
    BOOL RenameSelected();
    BOOL MoveSelected() { return TransferSelected(&CWorkspaceBar::MoveItem); }
    BOOL CopySelected() { return TransferSelected(&CWorkspaceBar::CopyItem); }
    void ShowDirMenu(HTREEITEM item) { TrackContextMenu(DirMenuName(item)); }
    // The project tree's context menu for the item (or none).
    void ShowProjectMenu(HTREEITEM item) { TrackContextMenu(ProjectMenuName(item)); }
    // The submenus of the bar's menu resource that the items (or none) get.
    const char* DirMenuName(HTREEITEM item) const;
    const char* ProjectMenuName(HTREEITEM item) const;

    // The project page.
    // Reads the project file; a fault is shown with its message and leaves no project.
    BOOL OpenProject(const CString& path);
    // Writes the tree (with each item's expanded state) and the open documents to the file.
    BOOL SaveProject(const CString& path, const std::vector<WorkspaceDocument>& documents, const char* versionTag);
    BOOL CreateProject(const CString& path);
    void ResetProjectTree();
    // The project tool bar's buttons: new category, the three additions and remove.
    void EnableProjectCommands(bool enable);
    // The documents the project file listed in its workspace section.
    const std::vector<WorkspaceDocument>& ProjectDocuments() const { return m_projectDocuments; }
    const ProjectTree& Project() const { return m_project; }
    CTreeCtrl& ProjectTreeCtrl() { return m_projectTree; }
    // Insertions under the selected item (or beside a selected file); refusals show their
    // message.
    BOOL AddCategory(const CString& name);
    BOOL AddLocalFile(const CString& path);
    BOOL AddRemoteFile(int account, const CString& path, int length);
    BOOL RemoveSelectedProjectItem();
    // The selected item's model; null without a selection.
    const ProjectItem* GetSelectedProjectItem() const { return SelectedProjectItem(); }
    // A local file that exists starts with the shell's "open" verb.
    BOOL ExecuteSelectedProjectItem();
    // Starts editing the selected item's label (not the root's); a new label that differs
    // from the old one, letter case aside, renames the item and calls onProjectChanged.
    BOOL RenameSelectedProjectItem();
    void SetProjectChangedCallback(std::function<void()> onChanged) { m_onProjectChanged = std::move(onChanged); }
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
    // Of the four table buttons the one of the type shown (1 to 4) is disabled.
    void SetVocabularyTypeButtons(int type);
    CToolBarCtrl& ToolBar(UINT id);
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
    void OnProjectRightClick(NMHDR* header, LRESULT* result);
    void OnProjectDoubleClick(NMHDR* header, LRESULT* result);
    void OnProjectBeginLabelEdit(NMHDR* header, LRESULT* result);
    void OnProjectEndLabelEdit(NMHDR* header, LRESULT* result);
    void OnDirectoryExpanded(NMHDR* header, LRESULT* result);
    void OnDirectorySelChanged(NMHDR* header, LRESULT* result);
    void OnDirectoryDoubleClick(NMHDR* header, LRESULT* result);
    void OnDirectoryRightClick(NMHDR* header, LRESULT* result);
    void OnDirectoryBeginLabelEdit(NMHDR* header, LRESULT* result);
    void OnDirectoryEndLabelEdit(NMHDR* header, LRESULT* result);
    void OnDriveDropDown();
    void OnDriveChange();
    void OnFilterChange();
    BOOL PreTranslateMessage(MSG* msg) override;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateDirectoryPage();
    BOOL CreateToolBars();
    BOOL WithSelection(BOOL (CWorkspaceBar::*operation)(HTREEITEM));
    BOOL TransferSelected(BOOL (CWorkspaceBar::*operation)(HTREEITEM, const CString&));
    HTREEITEM InsertFolderItem(HTREEITEM parent, const CString& path);
    void FillFolderItem(HTREEITEM item, const CString& folder);
    void DeleteChildren(HTREEITEM item);
    // Selecting a folder made it the working folder, which the system will not let go of:
    // before the item is moved, renamed or deleted its parent becomes the working folder.
    void ReleaseWorkDir(HTREEITEM item);
    // Expands an item the caller has just filled, without the refill of the notification.
    void ExpandFilled(HTREEITEM item);
    // The item of a tree under the mouse (icon, label or state icon), null when none.
    static HTREEITEM ItemAtCursor(const CTreeCtrl& tree);
    // Tracks the named submenu of the bar's menu resource for the main window.
    static void TrackContextMenu(const char* name);
    // The command a key posts on the current page; 0 when it posts none.
    UINT KeyCommand(UINT key) const;

    // Rebuilds the tree control from the model.
    void ShowProject();
    HTREEITEM InsertProjectItem(ProjectItem& item, HTREEITEM parent, HTREEITEM after);
    ProjectItem* SelectedProjectItem() const;
    // Copies the control's expanded states into the model.
    void TakeExpandedStates(HTREEITEM item);
    HTREEITEM InsertVocabularyItem(VocabularyItem& item, HTREEITEM parent);
    const VocabularyItem* VocabularyEntryOf(HTREEITEM item) const;
    BOOL ShowProjectEdit(ProjectEdit edit, const CString& name, ProjectItem* added);

    CTabCtrl m_tabs;
    CImageList m_tabImages;
    CImageList m_treeImages;
    CToolBarCtrl m_directoryBar;
    CToolBarCtrl m_projectBar;
    CToolBarCtrl m_vocabularyBar;
    CToolBarCtrl m_paneBar;
    CImageList m_barImages[4];
    CComboBox m_driveList;
    CComboBox m_filterList;
    CStringArray m_filterDescriptions;
    CStringArray m_filterPatterns;
    std::function<void(int)> m_onFilterChange;
    CString m_currentDrive;
    int m_labelEditActive = 0;
    bool m_expandingFilled = false;
    bool m_renamingProjectItem = false;
    std::function<void()> m_onProjectChanged;
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
