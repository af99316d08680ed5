// The view's commands that reach beyond the document: inserting a file, the caret-key
// commands of key bindings, and the repeated search.
#include "editor/viewwindow/WrenView.h"

#include "editor/settings/EditorSettings.h"
#include "editor/shell/FileNaming.h"
#include "framework/CommonDialogs.h"
#include "editor/view/MacroRecorder.h"
#include "framework/MessageBox.h"

namespace {

// What the insert-file dialog remembers between uses: its folder (empty until the first
// file was chosen, when the current folder is taken) and the chosen file type.
struct InsertFileMemory {
    CString folder;
    DWORD filterIndex = 1;
};

InsertFileMemory& TheInsertFileMemory()
{
    static InsertFileMemory memory;
    return memory;
}

// The current folder, put back when the scope ends: the file dialog changes it.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() { ::GetCurrentDirectoryA(MAX_PATH, m_folder); }
    ~CurrentFolderGuard() { ::SetCurrentDirectoryA(m_folder); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    char m_folder[MAX_PATH] = {};
};

} // namespace

void CWrenView::OnInsertFile()
{
    InsertFileMemory& memory = TheInsertFileMemory();
    const CString filter = BuildFileFilter(m_settings);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, filter, this);
    dialog.m_ofn.lpstrTitle = "插入文件";
    dialog.m_ofn.nFilterIndex = memory.filterIndex;
    dialog.m_ofn.lpstrInitialDir = memory.folder.IsEmpty() ? nullptr : (const char*)memory.folder;
    CString path;
    {
        CurrentFolderGuard folder;
        if (dialog.DoModal() != IDOK)
            return;
        path = dialog.GetPathName();
    }
    const int slash = path.ReverseFind('\\');
    memory.folder = slash > 0 ? path.Left(slash) : CString();
    memory.filterIndex = dialog.m_ofn.nFilterIndex;
    InsertFile(path);
}

bool CWrenView::InsertFile(const char* path)
{
    if (!m_commands || !path)
        return false;
    CStringLineList lines;
    if (!lines.ReadFileLines(path)) {
        ReportUnreadableFile(path);
        return false;
    }
    RunEdit([&] { m_commands->InsertLinesAtCaret(lines); });
    TheMacroRecorder().RecordInsertFile(path);
    return true;
}

void CWrenView::ReportUnreadableFile(const char* path)
{
    CString message;
    message.Format("打开文件失败.\n%s", path);
    AfxMessageBox(message);
}

// The caret-key commands move as their keys do with the modifiers held now, less Ctrl (and
// less Alt for the paging keys), so a binding with a modifier does not change the move.
void CWrenView::OnCaretKeyCommand(UINT id)
{
    static const int kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT};
    const int index = (int)(id - ID_CARET_LEFT);
    if (!m_engine || index < 0 || index >= (int)(sizeof kKeys / sizeof kKeys[0]))
        return;
    int modifiers = m_engine->GetModifierMask() & ~kModifierCtrl;
    if (index >= 4)
        modifiers &= ~kModifierAlt;
    OnCaretKey(kKeys[index], modifiers);
}

void CWrenView::OnFindAgain(UINT id)
{
    if (!m_search)
        return;
    m_search->DoFindAgain();
    PostMessage(WM_COMMAND, id == ID_SEARCH_FIND_AGAIN_PREV ? ID_SEARCH_PREV_OCCURRENCE : ID_SEARCH_NEXT_OCCURRENCE, 0);
}
