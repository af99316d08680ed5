// The directory page of the workspace bar: the drive list, the filter list and the tree of
// one drive's folders and files, with the shell's file operations on its items.
#include "editor/res/resource.h"
#include "editor/shell/WorkspaceBar.h"

#include "editor/shell/DirectoryBrowser.h"
#include "editor/shell/FolderChooser.h"
#include "editor/settings/ShellFolders.h"
#include "editor/util/PathUtil.h"
#include "editor/util/ShellHelpers.h"
#include "framework/AppState.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

const char kPlaceholder[] = "NULL";
const UINT kContextMenuId = 139;
const UINT kDestinationTitleId = 50722;  // "选择目标目录:"

CString JoinPath(const CString& folder, const CString& name)
{
    return StripTrailingBackslash(folder) + "\\" + name;
}

// Turns a window's redrawing off for its lifetime.
class RedrawOff {
public:
    explicit RedrawOff(CWnd& window) : m_window(window) { m_window.SetRedraw(FALSE); }
    ~RedrawOff()
    {
        m_window.SetRedraw(TRUE);
        m_window.Invalidate();
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    CWnd& m_window;
};

// One source path, and a destination for all but deletion; only undo is asked for, so
// confirmations and progress are the shell's. True when the shell did it all.
bool RunFileOperation(UINT function, const CString& source, const CString& destination)
{
    std::vector<char> from = BuildShellPathList(source);
    std::vector<char> to = BuildShellPathList(destination);
    SHFILEOPSTRUCTA operation = {};
    CWnd* owner = AfxGetMainWnd();
    operation.hwnd = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
    operation.wFunc = function;
    operation.pFrom = from.data();
    operation.pTo = function == FO_DELETE ? nullptr : to.data();
    operation.fFlags = FOF_ALLOWUNDO;
    return ::SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

bool ShellVerb(const char* verb, const CString& path)
{
    return reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, verb, path, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

} // namespace

BOOL CWorkspaceBar::CreateDirectoryPage()
{
    CRect none(0, 0, 0, 0);
    if (!m_driveList.Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, none, this, kDriveListId) ||
        !m_filterList.Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, none, this, kFilterListId))
        return FALSE;
    m_driveList.SetFont(&m_font, FALSE);
    m_filterList.SetFont(&m_font, FALSE);
    SHFILEINFOA info = {};
    auto images = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (images != nullptr)
        m_directoryTree.SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    return TRUE;
}

void CWorkspaceBar::FillDriveList(const CString& drive)
{
    char roots[1024] = {};
    DWORD length = ::GetLogicalDriveStringsA(sizeof roots - 1, roots);
    if (length == 0 || length >= sizeof roots)
        return;
    m_driveList.ResetContent();
    for (const char* root = roots; *root != '\0'; root += strlen(root) + 1) {
        char label[MAX_PATH + 1] = {};
        bool read = ::GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) != FALSE;
        m_driveList.AddString(DriveEntryText(root[0], read, label, ::GetDriveTypeA(root)));
    }
    if (!drive.IsEmpty())
        SelectDriveEntry(drive);
}

BOOL CWorkspaceBar::SelectDriveEntry(const CString& drive)
{
    CString entry;
    for (int i = 0; i < m_driveList.GetCount(); ++i) {
        m_driveList.GetLBText(i, entry);
        if (IsDriveEntry(entry, drive)) {
            m_driveList.SetCurSel(i);
            return TRUE;
        }
    }
    return FALSE;
}

CString CWorkspaceBar::GetSelectedDrive() const
{
    CString entry;
    int selected = m_driveList.GetCurSel();
    if (selected < 0 || m_driveList.GetLBText(selected, entry) == CB_ERR || entry.GetLength() < 3)
        return "C:";
    return entry.Mid(1, 2);
}

void CWorkspaceBar::SetFileFilters(const CString& filters, int index, std::function<void(int)> onChange)
{
    m_filterDescriptions.RemoveAll();
    m_filterPatterns.RemoveAll();
    SplitFilterString(filters, m_filterDescriptions, m_filterPatterns);
    m_filterList.ResetContent();
    for (int i = 0; i < m_filterDescriptions.GetSize(); ++i)
        m_filterList.AddString(m_filterDescriptions[i]);
    m_filterList.SetCurSel(index < 0 ? 0 : index);
    m_onFilterChange = std::move(onChange);
}

int CWorkspaceBar::GetFilterIndex() const
{
    int selected = m_filterList.GetCurSel();
    return selected < 0 ? 0 : selected;
}

CString CWorkspaceBar::GetFilterPattern() const
{
    int selected = m_filterList.GetCurSel();
    if (selected < 0 || selected >= m_filterPatterns.GetSize())
        return "*.*";
    return m_filterPatterns[selected];
}

HTREEITEM CWorkspaceBar::InsertFolderItem(HTREEITEM parent, const CString& path)
{
    SHFILEINFOA info = {};
    CString lookup = path.Right(1) == "\\" ? path : path + "\\";
    if (::SHGetFileInfoA(lookup, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON) == 0)
        return nullptr;
    return m_directoryTree.InsertItem(GetFileNamePart(path), info.iIcon, info.iIcon, parent, TVI_LAST);
}

void CWorkspaceBar::FillFolderItem(HTREEITEM item, const CString& folder)
{
    CString pattern = GetFilterPattern();
    CStringArray folders;
    CStringArray files;
    ListFolderEntries(folder, pattern, folders, files);
    for (int i = 0; i < folders.GetSize(); ++i) {
        CString path = JoinPath(folder, folders[i]);
        HTREEITEM child = InsertFolderItem(item, path);
        if (child != nullptr && FolderHasEntries(path, pattern))
            m_directoryTree.InsertItem(kPlaceholder, child);
    }
    for (int i = 0; i < files.GetSize(); ++i)
        InsertFolderItem(item, JoinPath(folder, files[i]));
}

void CWorkspaceBar::ExpandFilled(HTREEITEM item)
{
    m_expandingFilled = true;
    m_directoryTree.Expand(item, TVE_EXPAND);
    m_expandingFilled = false;
}

void CWorkspaceBar::DeleteChildren(HTREEITEM item)
{
    for (HTREEITEM child = m_directoryTree.GetChildItem(item); child != nullptr;) {
        HTREEITEM next = m_directoryTree.GetNextSiblingItem(child);
        m_directoryTree.DeleteItem(child);
        child = next;
    }
}

void CWorkspaceBar::RebuildTree(const CString& drive)
{
    m_directoryTree.DeleteAllItems();
    HTREEITEM root = InsertFolderItem(TVI_ROOT, drive);
    if (root == nullptr || !FolderHasEntries(drive, GetFilterPattern()))
        return;
    FillFolderItem(root, drive);
    ExpandFilled(root);
}

void CWorkspaceBar::ExpandToPath(const CString& path)
{
    CString rest = StripTrailingBackslash(path) + "\\";
    HTREEITEM level = m_directoryTree.GetRootItem();
    HTREEITEM found = nullptr;
    for (int separator; (separator = rest.Find('\\')) >= 0; rest = rest.Mid(separator + 1)) {
        CString component = rest.Left(separator);
        if (component.IsEmpty())
            continue;
        HTREEITEM match = level;
        while (match != nullptr && m_directoryTree.GetItemText(match).CompareNoCase(component) != 0)
            match = m_directoryTree.GetNextSiblingItem(match);
        if (match == nullptr)
            return;
        found = match;
        DeleteChildren(found);
        FillFolderItem(found, GetItemPath(found));
        ExpandFilled(found);
        level = m_directoryTree.GetChildItem(found);
    }
    if (found != nullptr)
        m_directoryTree.SelectItem(found);
}

void CWorkspaceBar::SyncToPath(const CString& path)
{
    SelectDriveEntry(path.Left(2));
    RebuildTree(path.Left(2));
    m_currentDrive = path.Left(2);
    ExpandToPath(path);
}

CString CWorkspaceBar::GetItemPath(HTREEITEM item) const
{
    CString path;
    for (; item != nullptr; item = m_directoryTree.GetParentItem(item))
        path = path.IsEmpty() ? m_directoryTree.GetItemText(item) : m_directoryTree.GetItemText(item) + "\\" + path;
    return path;
}

CString CWorkspaceBar::GetSelectedFolder() const
{
    CString path = GetItemPath(m_directoryTree.GetSelectedItem());
    return FileExists(path) ? GetDirectoryPart(path) : path;
}

BOOL CWorkspaceBar::IsRootSelected() const
{
    HTREEITEM selected = m_directoryTree.GetSelectedItem();
    return selected != nullptr && selected == m_directoryTree.GetRootItem();
}

BOOL CWorkspaceBar::OpenItem(HTREEITEM item)
{
    CString path = GetItemPath(item);
    if (!FileExists(path) || m_host == nullptr)
        return FALSE;
    m_host->PostOpenFile(path, 0);
    return TRUE;
}

BOOL CWorkspaceBar::ExecuteItem(HTREEITEM item)
{
    CString path = GetItemPath(item);
    return FileExists(path) && ShellVerb("open", path);
}

BOOL CWorkspaceBar::BrowseItem(HTREEITEM item)
{
    CString path = GetItemPath(item);
    return !FileExists(path) && ShellVerb("open", path);
}

BOOL CWorkspaceBar::FindInItem(HTREEITEM item)
{
    CString path = GetItemPath(item);
    return !FileExists(path) && ShellVerb("find", path);
}

BOOL CWorkspaceBar::SetItemAsWorkDir(HTREEITEM item, CString& folder)
{
    CString path = GetItemPath(item);
    if (FileExists(path))
        return FALSE;
    folder = path;
    return TRUE;
}

void CWorkspaceBar::SetWorkDirFromItem(HTREEITEM item)
{
    CString path = GetItemPath(item);
    CString folder = FileExists(path) ? GetDirectoryPart(path) : path;
    ::SetCurrentDirectoryA(StripTrailingBackslash(folder) + "\\");
}

void CWorkspaceBar::ReleaseWorkDir(HTREEITEM item)
{
    HTREEITEM parent = m_directoryTree.GetParentItem(item);
    if (parent != nullptr)
        SetWorkDirFromItem(parent);
}

BOOL CWorkspaceBar::MoveItem(HTREEITEM item, const CString& destination)
{
    CString path = GetItemPath(item);
    ReleaseWorkDir(item);
    if (!RunFileOperation(FO_MOVE, path, destination) || FileOrFolderExists(path))
        return FALSE;
    m_directoryTree.SelectItem(m_directoryTree.GetParentItem(item));
    m_directoryTree.DeleteItem(item);
    return TRUE;
}

BOOL CWorkspaceBar::CopyItem(HTREEITEM item, const CString& destination)
{
    return RunFileOperation(FO_COPY, GetItemPath(item), destination);
}

BOOL CWorkspaceBar::RenameItem(HTREEITEM item, const CString& name)
{
    CString path = GetItemPath(item);
    ReleaseWorkDir(item);
    bool renamed = RunFileOperation(FO_RENAME, path, JoinPath(GetDirectoryPart(path), name)) && !FileOrFolderExists(path);
    if (renamed)
        m_directoryTree.SetItemText(item, name);
    if (m_directoryTree.GetSelectedItem() == item)
        SetWorkDirFromItem(item);
    return renamed;
}

BOOL CWorkspaceBar::DeleteItem(HTREEITEM item)
{
    CString path = GetItemPath(item);
    ReleaseWorkDir(item);
    if (!RunFileOperation(FO_DELETE, path, CString()) || FileOrFolderExists(path))
        return FALSE;
    m_directoryTree.SelectItem(m_directoryTree.GetParentItem(item));
    m_directoryTree.DeleteItem(item);
    return TRUE;
}

void CWorkspaceBar::RefreshItem(HTREEITEM item)
{
    // A file, or an item whose file is gone, refreshes its folder.
    if (m_directoryTree.GetParentItem(item) != nullptr && !FolderExists(GetItemPath(item)))
        item = m_directoryTree.GetParentItem(item);
    if (item == nullptr)
        return;
    CWaitCursor wait;
    RedrawOff redraw(m_directoryTree);
    DeleteChildren(item);
    FillFolderItem(item, GetItemPath(item));
    ExpandFilled(item);
    m_directoryTree.SelectItem(item);
}

BOOL CWorkspaceBar::ChooseDestinationFolder(CString& path)
{
    CString title;
    if (!title.LoadString(kDestinationTitleId))
        title = "选择目标目录:";
    return ChooseFolder(title, path);
}

BOOL CWorkspaceBar::WithSelection(BOOL (CWorkspaceBar::*operation)(HTREEITEM))
{
    HTREEITEM selected = m_directoryTree.GetSelectedItem();
    return selected != nullptr && (this->*operation)(selected);
}

BOOL CWorkspaceBar::TransferSelected(BOOL (CWorkspaceBar::*operation)(HTREEITEM, const CString&))
{
    HTREEITEM selected = m_directoryTree.GetSelectedItem();
    if (selected == nullptr || m_directoryTree.GetParentItem(selected) == nullptr)
        return FALSE;
    CString destination = GetDirectoryPart(GetItemPath(selected));
    return ChooseDestinationFolder(destination) && (this->*operation)(selected, destination);
}

BOOL CWorkspaceBar::SetSelectedAsWorkDir(CString& folder)
{
    HTREEITEM selected = m_directoryTree.GetSelectedItem();
    return selected != nullptr && SetItemAsWorkDir(selected, folder);
}

BOOL CWorkspaceBar::RefreshSelected()
{
    HTREEITEM selected = m_directoryTree.GetSelectedItem();
    if (selected == nullptr)
        return FALSE;
    RefreshItem(selected);
    return TRUE;
}

BOOL CWorkspaceBar::DeleteSelected()
{
    HTREEITEM selected = m_directoryTree.GetSelectedItem();
    return selected != nullptr && m_directoryTree.GetParentItem(selected) != nullptr && DeleteItem(selected);
}

BOOL CWorkspaceBar::RenameSelected()
{
    HTREEITEM selected = m_directoryTree.GetSelectedItem();
    if (selected == nullptr || m_directoryTree.GetParentItem(selected) == nullptr)
        return FALSE;
    m_directoryTree.SetFocus();
    return m_directoryTree.EditLabel(selected) != nullptr;
}

void CWorkspaceBar::TrackContextMenu(const char* name)
{
    HMENU menu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(kContextMenuId));
    if (menu == nullptr)
        return;
    HMENU popup = FindSubMenuByText(menu, name);
    CWnd* main = AfxGetMainWnd();
    POINT cursor;
    ::GetCursorPos(&cursor);
    if (popup != nullptr && main != nullptr)
        ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, main->GetSafeHwnd(), nullptr);
    ::DestroyMenu(menu);
}

const char* CWorkspaceBar::DirMenuName(HTREEITEM item) const
{
    if (item == nullptr)
        return "DIR_NULL";
    if (item == m_directoryTree.GetRootItem())
        return "DIR_ROOT";
    return FileExists(GetItemPath(item)) ? "DIR_FILE" : "DIR_FOLDER";
}

HTREEITEM CWorkspaceBar::ItemAtCursor(const CTreeCtrl& tree)
{
    DWORD position = ::GetMessagePos();
    TVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ::ScreenToClient(tree.m_hWnd, &hit.pt);
    auto item = reinterpret_cast<HTREEITEM>(tree.SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

void CWorkspaceBar::OnDirectoryExpanded(NMHDR* header, LRESULT* result)
{
    *result = 0;
    auto* notice = reinterpret_cast<NMTREEVIEWA*>(header);
    HTREEITEM item = notice->itemNew.hItem;
    if (m_expandingFilled || item == nullptr)
        return;
    CWaitCursor wait;
    RedrawOff redraw(m_directoryTree);
    DeleteChildren(item);
    CString path = GetItemPath(item);
    if (notice->action & TVE_EXPAND)
        FillFolderItem(item, path);
    else if (FolderHasEntries(path, GetFilterPattern()))
        m_directoryTree.InsertItem(kPlaceholder, item);
}

void CWorkspaceBar::OnDirectorySelChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    HTREEITEM item = reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem;
    if (item != nullptr)
        SetWorkDirFromItem(item);
}

void CWorkspaceBar::OnDirectoryDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    HTREEITEM item = ItemAtCursor(m_directoryTree);
    if (item != nullptr)
        OpenItem(item);
}

void CWorkspaceBar::OnDirectoryRightClick(NMHDR*, LRESULT* result)
{
    *result = 1;
    HTREEITEM item = ItemAtCursor(m_directoryTree);
    if (item != nullptr)
        m_directoryTree.SelectItem(item);
    ShowDirMenu(item);
}

void CWorkspaceBar::OnDirectoryBeginLabelEdit(NMHDR* header, LRESULT* result)
{
    HTREEITEM item = reinterpret_cast<NMTVDISPINFOA*>(header)->item.hItem;
    bool allowed = item != nullptr && m_directoryTree.GetParentItem(item) != nullptr;
    m_labelEditActive = allowed ? 1 : 0;
    *result = allowed ? FALSE : TRUE;
}

void CWorkspaceBar::OnDirectoryEndLabelEdit(NMHDR* header, LRESULT* result)
{
    const TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(header)->item;
    if (item.pszText != nullptr && m_directoryTree.GetItemText(item.hItem).CompareNoCase(item.pszText) != 0)
        RenameItem(item.hItem, item.pszText);
    m_labelEditActive = 0;
    *result = FALSE;
}

void CWorkspaceBar::OnDriveDropDown()
{
    m_currentDrive = GetSelectedDrive();
    FillDriveList(m_currentDrive);
}

void CWorkspaceBar::OnDriveChange()
{
    CString drive = GetSelectedDrive();
    if (drive.CompareNoCase(m_currentDrive) == 0)
        return;
    CWaitCursor wait;
    RedrawOff redraw(m_directoryTree);
    RebuildTree(drive);
    m_currentDrive = drive;
}

void CWorkspaceBar::OnFilterChange()
{
    {
        CWaitCursor wait;
        RedrawOff redraw(m_directoryTree);
        HTREEITEM selected = m_directoryTree.GetSelectedItem();
        ExpandToPath(selected != nullptr ? GetItemPath(selected) : GetSelectedDrive());
    }
    if (m_onFilterChange)
        m_onFilterChange(GetFilterIndex());
}

UINT CWorkspaceBar::KeyCommand(UINT key) const
{
    struct KeyCommands {
        UINT key;
        UINT directory;
        UINT project;
    };
    static const KeyCommands kKeys[] = {
        {VK_RETURN, ID_DIR_OPEN, ID_PROJECT_OPEN_ITEM}, {VK_DELETE, ID_DIR_DELETE, ID_PROJECT_REMOVE_ITEM},
            {VK_F2, ID_DIR_RENAME, ID_PROJECT_RENAME_ITEM}, {VK_F5, ID_DIR_REFRESH, 0}};
    for (const KeyCommands& entry : kKeys)
        if (entry.key == key)
            return m_page == kDirectoryPage ? entry.directory : m_page == kProjectPage ? entry.project : 0;
    return 0;
}

BOOL CWorkspaceBar::PreTranslateMessage(MSG* msg)
{
    if (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP)
        return CDockingPaneBar::PreTranslateMessage(msg);
    if (msg->message == WM_KEYDOWN && m_labelEditActive == 0) {
        UINT command = KeyCommand(static_cast<UINT>(msg->wParam));
        if (command != 0)
            PostMessage(WM_COMMAND, command);
    }
    // The keys belong to the bar's controls, not to the frame's accelerators.
    ::TranslateMessage(msg);
    ::DispatchMessageA(msg);
    return TRUE;
}
