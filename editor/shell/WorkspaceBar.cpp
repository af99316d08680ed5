#include "editor/shell/WorkspaceBar.h"

#include "editor/res/resource.h"
#include "editor/util/PathUtil.h"
#include "framework/MessageBox.h"

#include <shellapi.h>

namespace {

const UINT kTabImagesId = 152;
const UINT kTreeImagesId = 197;
const UINT kProjectCommands[] = {ID_PROJECT_NEW_CATEGORY, ID_PROJECT_ADD_FILES, ID_PROJECT_ADD_CURRENT,
    ID_PROJECT_ADD_ALL_OPEN, ID_PROJECT_REMOVE_ITEM};

constexpr DWORD kTreeStyle = WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                             TVS_EDITLABELS | TVS_SHOWSELALWAYS;

} // namespace

BEGIN_MESSAGE_MAP(CWorkspaceBar, CDockingPaneBar)
    ON_WM_SIZE()
    ON_NOTIFY(TCN_SELCHANGE, CWorkspaceBar::kTabId, OnTabChange)
    ON_NOTIFY(NM_CLICK, CWorkspaceBar::kVocabularyTreeId, OnVocabularyClick)
    ON_NOTIFY(NM_DBLCLK, CWorkspaceBar::kVocabularyTreeId, OnVocabularyDoubleClick)
    ON_NOTIFY(TVN_SELCHANGEDA, CWorkspaceBar::kVocabularyTreeId, OnVocabularySelChanged)
    ON_NOTIFY(NM_RCLICK, CWorkspaceBar::kProjectTreeId, OnProjectRightClick)
    ON_NOTIFY(NM_DBLCLK, CWorkspaceBar::kProjectTreeId, OnProjectDoubleClick)
    ON_NOTIFY(TVN_BEGINLABELEDITA, CWorkspaceBar::kProjectTreeId, OnProjectBeginLabelEdit)
    ON_NOTIFY(TVN_ENDLABELEDITA, CWorkspaceBar::kProjectTreeId, OnProjectEndLabelEdit)
    ON_NOTIFY(TVN_ITEMEXPANDEDA, CWorkspaceBar::kDirectoryTreeId, OnDirectoryExpanded)
    ON_NOTIFY(TVN_SELCHANGEDA, CWorkspaceBar::kDirectoryTreeId, OnDirectorySelChanged)
    ON_NOTIFY(NM_DBLCLK, CWorkspaceBar::kDirectoryTreeId, OnDirectoryDoubleClick)
    ON_NOTIFY(NM_RCLICK, CWorkspaceBar::kDirectoryTreeId, OnDirectoryRightClick)
    ON_NOTIFY(TVN_BEGINLABELEDITA, CWorkspaceBar::kDirectoryTreeId, OnDirectoryBeginLabelEdit)
    ON_NOTIFY(TVN_ENDLABELEDITA, CWorkspaceBar::kDirectoryTreeId, OnDirectoryEndLabelEdit)
    ON_CBN_DROPDOWN(CWorkspaceBar::kDriveListId, OnDriveDropDown)
    ON_CBN_SELCHANGE(CWorkspaceBar::kDriveListId, OnDriveChange)
    ON_CBN_SELCHANGE(CWorkspaceBar::kFilterListId, OnFilterChange)
END_MESSAGE_MAP()

BOOL CWorkspaceBar::Create(CWnd* parent, int width, int height, UINT id, DWORD style)
{
    if (!CDockingPaneBar::Create(parent, width, height, id, style))
        return FALSE;
    CRect none(0, 0, 0, 0);
    if (!m_tabs.Create(WS_CHILD | WS_VISIBLE | TCS_BOTTOM, none, this, kTabId))
        return FALSE;
    if (m_tabImages.Create(kTabImagesId, 16, 0, RGB(255, 0, 255)))
        m_tabs.SetImageList(&m_tabImages);
    const char* const kTabs[] = {"目录", "项目", "词汇"};
    const int kTabImages[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
        m_tabs.InsertItem(i, kTabs[i], kTabImages[i]);
    struct Tree {
        CTreeCtrl& control;
        UINT id;
    };
    Tree trees[] = {{m_directoryTree, kDirectoryTreeId}, {m_projectTree, kProjectTreeId},
                    {m_vocabularyTree, kVocabularyTreeId}};
    LOGFONTA guiFont = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
    m_font.CreateFontIndirect(&guiFont);
    m_tabs.SetFont(&m_font, FALSE);
    for (Tree& tree : trees) {
        if (!tree.control.CreateEx(WS_EX_CLIENTEDGE, WC_TREEVIEWA, nullptr, kTreeStyle, none, this, tree.id))
            return FALSE;
        tree.control.SetFont(&m_font, FALSE);
    }
    if (m_treeImages.Create(kTreeImagesId, 16, 0, RGB(255, 0, 255))) {
        m_projectTree.SetImageList(&m_treeImages, TVSIL_NORMAL);
        m_vocabularyTree.SetImageList(&m_treeImages, TVSIL_NORMAL);
    }
    if (!CreateDirectoryPage() || !CreateToolBars())
        return FALSE;
    ShowProject();
    EnableProjectCommands(false);
    SelectPage(kDirectoryPage);
    return TRUE;
}

void CWorkspaceBar::OnSize(UINT, int cx, int cy)
{
    if (m_tabs.m_hWnd == nullptr)
        return;
    m_tabs.MoveWindow(2, cy - 35, cx - 4, 27);
    m_directoryBar.MoveWindow(2, 2, 106, 22);
    m_projectBar.MoveWindow(2, 2, 136, 22);
    m_vocabularyBar.MoveWindow(2, 2, 136, 22);
    m_paneBar.MoveWindow(cx - 40, 4, 38, 18);
    m_driveList.MoveWindow(2, 24, cx - 4, 150);
    m_filterList.MoveWindow(2, cy - 57, cx - 4, 150);
    m_directoryTree.MoveWindow(2, 46, cx - 4, cy - 105);
    m_projectTree.MoveWindow(2, 24, cx - 4, cy - 61);
    m_vocabularyTree.MoveWindow(2, 24, cx - 4, cy - 61);
}

void CWorkspaceBar::SelectPage(int page)
{
    if (page < kDirectoryPage || page > kVocabularyPage)
        return;
    m_page = page;
    m_tabs.SetCurSel(page);
    struct PageControl {
        CWnd& control;
        int page;
    };
    PageControl controls[] = {{m_directoryBar, kDirectoryPage}, {m_driveList, kDirectoryPage},
                              {m_directoryTree, kDirectoryPage}, {m_filterList, kDirectoryPage},
                              {m_projectBar, kProjectPage},      {m_projectTree, kProjectPage},
                              {m_vocabularyBar, kVocabularyPage}, {m_vocabularyTree, kVocabularyPage}};
    for (PageControl& entry : controls)
        entry.control.ShowWindow(entry.page == page ? SW_SHOW : SW_HIDE);
    m_paneBar.EnableButton(kSyncCommand, page == kDirectoryPage);
}

BOOL CWorkspaceBar::CreateToolBars()
{
    const PaneButton directory[] = {{ID_DIR_REFRESH, 0}, {0, 0}, {ID_DIR_COPY, 1}, {ID_DIR_MOVE, 2}, {ID_DIR_DELETE, 3},
        {0, 0}};
    const PaneButton project[] = {{ID_PROJECT_NEW_CATEGORY, 0}, {0, 0}, {ID_PROJECT_ADD_FILES, 1},
        {ID_PROJECT_ADD_CURRENT, 2}, {ID_PROJECT_ADD_ALL_OPEN, 3}, {0, 0}, {ID_PROJECT_REMOVE_ITEM, 4}, {0, 0}};
    const PaneButton vocabulary[] = {{ID_VOCABULARY_TABLE_FIRST, 0}, {ID_VOCABULARY_TABLE_FIRST + 1, 1},
        {ID_VOCABULARY_TABLE_FIRST + 2, 2}, {ID_VOCABULARY_TABLE_LAST, 3}};
    const PaneButton pane[] = {{kSyncCommand, 0}, {ID_WORKSPACE_HIDE, 1}};
    if (!CreatePaneToolBar(m_directoryBar, m_barImages[0], this, kDirectoryBarId, 164, 16, directory, 6) ||
        !CreatePaneToolBar(m_projectBar, m_barImages[1], this, kProjectBarId, 190, 16, project, 8) ||
        !CreatePaneToolBar(m_vocabularyBar, m_barImages[2], this, kVocabularyBarId, 216, 16, vocabulary, 4) ||
        !CreatePaneToolBar(m_paneBar, m_barImages[3], this, kPaneBarId, 165, 12, pane, 2))
        return FALSE;
    m_paneBar.ShowWindow(SW_SHOW);
    return TRUE;
}

CToolBarCtrl& CWorkspaceBar::ToolBar(UINT id)
{
    switch (id) {
    case kDirectoryBarId: return m_directoryBar;
    case kProjectBarId: return m_projectBar;
    case kVocabularyBarId: return m_vocabularyBar;
    default: return m_paneBar;
    }
}

void CWorkspaceBar::EnableProjectCommands(bool enable)
{
    for (UINT command : kProjectCommands)
        m_projectBar.EnableButton(command, enable);
}

void CWorkspaceBar::SetVocabularyTypeButtons(int type)
{
    for (int i = 0; i < 4; ++i)
        m_vocabularyBar.EnableButton(kFirstVocabularyType + i, type != i + 1);
}

void CWorkspaceBar::OnTabChange(NMHDR*, LRESULT* result)
{
    SelectPage(m_tabs.GetCurSel());
    *result = 0;
}

void CWorkspaceBar::ShowProject()
{
    m_projectTree.SetRedraw(FALSE);
    m_projectTree.DeleteAllItems();
    HTREEITEM root = InsertProjectItem(m_project.Root(), TVI_ROOT, TVI_LAST);
    m_projectTree.SetRedraw(TRUE);
    m_projectTree.SelectItem(root);
}

HTREEITEM CWorkspaceBar::InsertProjectItem(ProjectItem& item, HTREEITEM parent, HTREEITEM after)
{
    int image = static_cast<int>(item.kind);
    HTREEITEM handle = m_projectTree.InsertItem(item.text, image, image, parent, after);
    if (handle == nullptr)
        return nullptr;
    m_projectTree.SetItemData(handle, reinterpret_cast<DWORD_PTR>(&item));
    for (auto& child : item.children)
        InsertProjectItem(*child, handle, TVI_LAST);
    if (item.expanded || item.kind == ProjectItemKind::root)
        m_projectTree.Expand(handle, TVE_EXPAND);
    return handle;
}

ProjectItem* CWorkspaceBar::SelectedProjectItem() const
{
    HTREEITEM selected = m_projectTree.GetSelectedItem();
    return selected != nullptr ? reinterpret_cast<ProjectItem*>(m_projectTree.GetItemData(selected)) : nullptr;
}

void CWorkspaceBar::TakeExpandedStates(HTREEITEM item)
{
    for (; item != nullptr; item = m_projectTree.GetNextSiblingItem(item)) {
        auto* model = reinterpret_cast<ProjectItem*>(m_projectTree.GetItemData(item));
        if (model != nullptr)
            model->expanded = (m_projectTree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        TakeExpandedStates(m_projectTree.GetChildItem(item));
    }
}

BOOL CWorkspaceBar::OpenProject(const CString& path)
{
    m_projectDocuments.clear();
    ProjectFileStatus status = ReadProjectFile(path, m_project, m_projectDocuments);
    if (status != ProjectFileStatus::ok)
        m_project.Reset();
    ShowProject();
    if (status != ProjectFileStatus::ok) {
        EnableProjectCommands(false);
        AfxMessageBox(ProjectFileMessage(status, path), MB_ICONEXCLAMATION);
        return FALSE;
    }
    SelectPage(kProjectPage);
    EnableProjectCommands(true);
    return TRUE;
}

BOOL CWorkspaceBar::SaveProject(const CString& path, const std::vector<WorkspaceDocument>& documents,
                                const char* versionTag)
{
    TakeExpandedStates(m_projectTree.GetRootItem());
    ProjectFileStatus status = WriteProjectFile(path, m_project, documents, versionTag);
    if (status != ProjectFileStatus::ok) {
        AfxMessageBox(ProjectFileMessage(status, path), MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

BOOL CWorkspaceBar::CreateProject(const CString& path)
{
    m_project.Create(path);
    m_projectDocuments.clear();
    ShowProject();
    SelectPage(kProjectPage);
    EnableProjectCommands(true);
    return TRUE;
}

void CWorkspaceBar::ResetProjectTree()
{
    m_project.Reset();
    m_projectDocuments.clear();
    ShowProject();
    EnableProjectCommands(false);
}

BOOL CWorkspaceBar::ShowProjectEdit(ProjectEdit edit, const CString& name, ProjectItem* added)
{
    if (edit != ProjectEdit::done) {
        CString message = ProjectEditMessage(edit, name);
        if (!message.IsEmpty())
            AfxMessageBox(message, MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The model placed the item in its sort order: the control is rebuilt to match (the
    // caller took what the user expanded first), and the new item is selected.
    ShowProject();
    for (HTREEITEM item = m_projectTree.GetRootItem(); item != nullptr;) {
        if (reinterpret_cast<ProjectItem*>(m_projectTree.GetItemData(item)) == added) {
            m_projectTree.SelectItem(item);
            return TRUE;
        }
        HTREEITEM next = m_projectTree.GetChildItem(item);
        while (next == nullptr && item != nullptr) {
            next = m_projectTree.GetNextSiblingItem(item);
            if (next == nullptr)
                item = m_projectTree.GetParentItem(item);
        }
        item = next;
    }
    // The control refused the item (it is out of room): the model keeps it for the file.
    AfxMessageBox("插入项目条目失败.", MB_ICONEXCLAMATION);
    return FALSE;
}

BOOL CWorkspaceBar::AddCategory(const CString& name)
{
    ProjectItem* added = nullptr;
    TakeExpandedStates(m_projectTree.GetRootItem());
    ProjectEdit edit = m_project.AddCategory(SelectedProjectItem(), name, &added);
    return ShowProjectEdit(edit, name, added);
}

BOOL CWorkspaceBar::AddLocalFile(const CString& path)
{
    ProjectItem* added = nullptr;
    TakeExpandedStates(m_projectTree.GetRootItem());
    ProjectEdit edit = m_project.AddLocalFile(SelectedProjectItem(), path, &added);
    return ShowProjectEdit(edit, path, added);
}

BOOL CWorkspaceBar::AddRemoteFile(int account, const CString& path, int length)
{
    ProjectItem* added = nullptr;
    TakeExpandedStates(m_projectTree.GetRootItem());
    ProjectEdit edit = m_project.AddRemoteFile(SelectedProjectItem(), account, path, length, &added);
    return ShowProjectEdit(edit, path, added);
}

BOOL CWorkspaceBar::ExecuteSelectedProjectItem()
{
    const ProjectItem* item = SelectedProjectItem();
    if (item == nullptr || item->kind != ProjectItemKind::localFile)
        return FALSE;
    if (!FileExists(item->path))
        return FALSE;
    return reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", item->path, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

BOOL CWorkspaceBar::RenameSelectedProjectItem()
{
    HTREEITEM selected = m_projectTree.GetSelectedItem();
    if (selected == nullptr || selected == m_projectTree.GetRootItem())
        return FALSE;
    m_projectTree.SetFocus();
    m_renamingProjectItem = true;
    HWND edit = m_projectTree.EditLabel(selected);
    m_renamingProjectItem = false;
    return edit != nullptr;
}

const char* CWorkspaceBar::ProjectMenuName(HTREEITEM item) const
{
    auto* model = item != nullptr ? reinterpret_cast<ProjectItem*>(m_projectTree.GetItemData(item)) : nullptr;
    if (model == nullptr)
        return "PRJ_NULL";
    switch (model->kind) {
    case ProjectItemKind::root: return m_project.HasProject() ? "PRJ_ROOT1" : "PRJ_ROOT0";
    case ProjectItemKind::category: return "PRJ_CATEGORY";
    case ProjectItemKind::localFile: return "PRJ_LOCAL";
    case ProjectItemKind::remoteFile: return "PRJ_REMOTE";
    }
    return "PRJ_NULL";
}

void CWorkspaceBar::OnProjectRightClick(NMHDR*, LRESULT* result)
{
    *result = 1;
    HTREEITEM item = ItemAtCursor(m_projectTree);
    if (item != nullptr)
        m_projectTree.SelectItem(item);
    ShowProjectMenu(item);
}

void CWorkspaceBar::OnProjectDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    HTREEITEM item = ItemAtCursor(m_projectTree);
    auto* model = item != nullptr ? reinterpret_cast<ProjectItem*>(m_projectTree.GetItemData(item)) : nullptr;
    // A file opens as the 打开 command opens it; a category expands as usual.
    if (model != nullptr && model->IsFile()) {
        m_projectTree.SelectItem(item);
        PostMessage(WM_COMMAND, kOpenProjectItemCommand);
    }
}

void CWorkspaceBar::OnProjectBeginLabelEdit(NMHDR* header, LRESULT* result)
{
    auto* model = reinterpret_cast<ProjectItem*>(reinterpret_cast<NMTVDISPINFOA*>(header)->item.lParam);
    HTREEITEM item = reinterpret_cast<NMTVDISPINFOA*>(header)->item.hItem;
    if (model == nullptr)
        model = reinterpret_cast<ProjectItem*>(m_projectTree.GetItemData(item));
    // A click edits only categories; the rename command any item but the root.
    bool allowed = model != nullptr && model->kind != ProjectItemKind::root &&
                   (m_renamingProjectItem || model->kind == ProjectItemKind::category);
    m_labelEditActive = allowed ? 1 : 0;
    *result = allowed ? FALSE : TRUE;
}

void CWorkspaceBar::OnProjectEndLabelEdit(NMHDR* header, LRESULT* result)
{
    const TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(header)->item;
    m_labelEditActive = 0;
    *result = FALSE;
    auto* model = reinterpret_cast<ProjectItem*>(m_projectTree.GetItemData(item.hItem));
    if (item.pszText == nullptr || model == nullptr)
        return;
    CString label = item.pszText;
    ProjectEdit edit = m_project.Rename(*model, label);
    if (edit != ProjectEdit::done) {
        CString message = ProjectEditMessage(edit, label);
        if (!message.IsEmpty())
            AfxMessageBox(message, MB_ICONEXCLAMATION);
        return;
    }
    m_projectTree.SetItemText(item.hItem, model->text);
    if (m_onProjectChanged)
        m_onProjectChanged();
}

BOOL CWorkspaceBar::RemoveSelectedProjectItem()
{
    ProjectItem* selected = SelectedProjectItem();
    // Before the removal: the control's items still point at the removed model items.
    TakeExpandedStates(m_projectTree.GetRootItem());
    if (selected == nullptr || !m_project.Remove(*selected))
        return FALSE;
    ShowProject();
    return TRUE;
}

BOOL CWorkspaceBar::IsProjectRootSelected() const
{
    HTREEITEM selected = m_projectTree.GetSelectedItem();
    return selected != nullptr && selected == m_projectTree.GetRootItem();
}

void CWorkspaceBar::ClearVocabularyTree()
{
    m_vocabularyTree.DeleteAllItems();
    m_vocabulary.reset();
}

HTREEITEM CWorkspaceBar::InsertVocabularyItem(VocabularyItem& item, HTREEITEM parent)
{
    int image = static_cast<int>(item.kind);
    HTREEITEM handle = m_vocabularyTree.InsertItem(item.text, image, image, parent, TVI_LAST);
    if (handle == nullptr)
        return nullptr;
    m_vocabularyTree.SetItemData(handle, reinterpret_cast<DWORD_PTR>(&item));
    for (auto& child : item.children)
        InsertVocabularyItem(*child, handle);
    if (item.expanded)
        m_vocabularyTree.Expand(handle, TVE_EXPAND);
    return handle;
}

BOOL CWorkspaceBar::OpenVocabularyTable(const CString& base, const std::function<void(const CString&)>& onEntry)
{
    ClearVocabularyTree();
    auto root = std::make_unique<VocabularyItem>();
    VocabularyReadResult result = ReadVocabularyTable(base, *root, onEntry);
    if (result.status != VocabularyStatus::ok) {
        CString message = VocabularyReadMessage(result);
        if (!message.IsEmpty())
            AfxMessageBox(message, MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_vocabulary = std::move(root);
    m_vocabularyTree.SetRedraw(FALSE);
    HTREEITEM top = InsertVocabularyItem(*m_vocabulary, TVI_ROOT);
    m_vocabularyTree.SetRedraw(TRUE);
    m_vocabularyTree.Expand(top, TVE_EXPAND);
    m_vocabularyTree.SelectItem(top);
    return TRUE;
}

const VocabularyItem* CWorkspaceBar::VocabularyEntryOf(HTREEITEM item) const
{
    if (item == nullptr)
        return nullptr;
    auto* model = reinterpret_cast<const VocabularyItem*>(m_vocabularyTree.GetItemData(item));
    return model != nullptr && model->kind == VocabularyKind::entry ? model : nullptr;
}

void CWorkspaceBar::ShowVocabularyEntry(HTREEITEM item)
{
    const VocabularyItem* entry = VocabularyEntryOf(item);
    if (entry == nullptr || m_host == nullptr)
        return;
    CStringArray lines;
    VocabularyEntryLines(*entry, lines);
    m_host->ShowVocabularyLines(lines);
}

void CWorkspaceBar::UseVocabularyEntry(HTREEITEM item)
{
    const VocabularyItem* entry = VocabularyEntryOf(item);
    if (entry == nullptr || m_host == nullptr)
        return;
    CString argument;
    CString message;
    switch (ClassifyVocabularyEntry(entry->fullText, argument)) {
    case VocabularyAction::insertText:
        // Without an open document there is nothing to insert into.
        m_host->InsertIntoActiveView(argument);
        return;
    case VocabularyAction::openFile: {
        CString path = m_host->InstallFolder() + "\\" + argument;
        DWORD attributes = ::GetFileAttributesA(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            m_host->PostOpenFile(path, 0);
        else
            message.Format("文件：“%s” 不存在，可能须单独购买，请联系作者。", static_cast<LPCTSTR>(path));
        break;
    }
    case VocabularyAction::openAddress:
        if (reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", argument, nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
            message.Format("网址：“%s” 打开失败，可能网络不通，请检查网络。", static_cast<LPCTSTR>(argument));
        break;
    case VocabularyAction::runFile: {
        CString path = m_host->InstallFolder() + "\\" + argument;
        if (reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
            message.Format("文件：“%s” 打开或执行失败，可能权限不足，或须单独购买，请联系作者。", static_cast<LPCTSTR>(path));
        break;
    }
    }
    if (!message.IsEmpty())
        AfxMessageBox(message, MB_ICONEXCLAMATION);
}

void CWorkspaceBar::OnVocabularyClick(NMHDR*, LRESULT* result)
{
    ShowVocabularyEntry(ItemAtCursor(m_vocabularyTree));
    *result = 0;
}

void CWorkspaceBar::OnVocabularyDoubleClick(NMHDR*, LRESULT* result)
{
    UseVocabularyEntry(ItemAtCursor(m_vocabularyTree));
    *result = 0;
}

void CWorkspaceBar::OnVocabularySelChanged(NMHDR* header, LRESULT* result)
{
    const VocabularyItem* entry = VocabularyEntryOf(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem);
    if (entry != nullptr && m_host != nullptr)
        m_host->SetStatusText(entry->fullText);
    *result = 0;
}
