#include "editor/shell/FolderChooser.h"

#include "editor/shell/DirectoryBrowser.h"
#include "editor/util/PathUtil.h"
#include "framework/DialogDriver.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

// Frees an item list with the shell's allocator.
struct ItemListOwner {
    LPITEMIDLIST list;
    ~ItemListOwner() { ::CoTaskMemFree(list); }
};

} // namespace

CFolderChooser::CFolderChooser(LPCTSTR title, LPCTSTR initialFolder, UINT flags, CWnd* owner)
    : m_title(title != nullptr ? title : "当前选择:"), m_path(initialFolder != nullptr ? initialFolder : "")
{
    m_info.hwndOwner = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
    m_info.pidlRoot = nullptr;
    m_info.pszDisplayName = m_displayName;
    m_info.lpszTitle = m_title;
    m_info.ulFlags = flags | BIF_STATUSTEXT;
    m_info.lpfn = &CFolderChooser::Callback;
    m_info.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CFolderChooser::DoModal()
{
    m_userSelected = false;
    ItemListOwner chosen{::SHBrowseForFolderA(&m_info)};
    m_dialog = nullptr;
    if (chosen.list == nullptr)
        return IDCANCEL;
    char path[MAX_PATH] = {};
    const bool converted = ::SHGetPathFromIDListA(chosen.list, path) != FALSE;
    // The start walk can end short of the start folder (above it, or at the Desktop) while
    // the status text shows the start folder: until the user picks another, what is shown
    // is the choice.
    if (!m_userSelected && !m_path.IsEmpty() && FolderExists(m_path) && (!converted || m_path.CompareNoCase(path) != 0))
        return IDOK;
    if (!converted)
        return IDCANCEL;
    m_path = path;
    return IDOK;
}

int CALLBACK CFolderChooser::Callback(HWND dialog, UINT message, LPARAM lParam, LPARAM data)
{
    reinterpret_cast<CFolderChooser*>(data)->OnMessage(dialog, message, lParam);
    return 0;
}

void CFolderChooser::OnMessage(HWND dialog, UINT message, LPARAM lParam)
{
    m_dialog = dialog;
    if (message == BFFM_INITIALIZED)
        OnInitialized();
    else if (message == BFFM_SELCHANGED)
        OnSelChanged(reinterpret_cast<LPITEMIDLIST>(lParam));
}

void CFolderChooser::OnInitialized()
{
    if (!m_path.IsEmpty()) {
        const CString start = m_path;
        // Under load the browser's first walk down the tree now and then misses a folder
        // made moments before and stays at the desktop; a walk to the folder above first
        // finds it.
        if (!Select(start) && start.ReverseFind('\\') > 0) {
            Select(start.Left(start.ReverseFind('\\')));
            Select(start);
        }
        m_path = start;
    }
    SetStatusText(m_path);
    m_userSelected = false;
    DialogDriver::NotifyInitialized(m_dialog);
}

void CFolderChooser::OnSelChanged(LPITEMIDLIST item)
{
    m_userSelected = true;
    char path[MAX_PATH] = {};
    if (item == nullptr || !::SHGetPathFromIDListA(item, path))
        return;
    m_path = path;
    SetStatusText(m_path);
}

bool CFolderChooser::Select(const CString& path)
{
    m_path.Empty();
    ::SendMessageA(m_dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(path)));
    return m_path.CompareNoCase(path) == 0;
}

void CFolderChooser::SetStatusText(const CString& path)
{
    CString text = FolderChooserStatusText(path);
    ::SendMessageA(m_dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
}

bool ChooseFolder(const CString& title, CString& folder)
{
    CFolderChooser chooser(title, folder, 0, AfxGetMainWnd());
    if (chooser.DoModal() != IDOK)
        return false;
    folder = chooser.GetPath();
    return true;
}
