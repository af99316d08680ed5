#include "editor/app/SetCommands.h"

#include "editor/app/EditorApp.h"

#include "editor/res/resource.h"
#include "editor/settings/KeyboardMacros.h"
#include "editor/settings/SettingsFiles.h"
#include "editor/settings/UserTools.h"
#include "editor/app/MainFrame.h"
#include "editor/util/PathUtil.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"

namespace {

std::vector<CString> FileTitles(const CStringArray& files)
{
    std::vector<CString> titles;
    for (int i = 0; i < files.GetSize(); ++i)
        titles.push_back(GetFileTitlePart(files[i]));
    return titles;
}

// Loads set file n of the list into the table; a file gone since the menu was built or a
// file the validating reader refuses is reported and leaves the table as it was.
template <class Table>
void LoadSet(SetFileLoad (*load)(const char*, Table&), const CStringArray& files, int n, Table& table)
{
    if (n < 0 || n >= files.GetSize())
        return;
    const CString& path = files[n];
    switch (load(path, table)) {
    case SetFileLoad::kLoaded: break;
    case SetFileLoad::kMissing: AfxMessageBox(CString("打开文件失败.\n") + path, MB_OK | MB_ICONSTOP); break;
    case SetFileLoad::kRefused: AfxMessageBox(SetFileRefusalMessage(path), MB_OK | MB_ICONSTOP); break;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CSetCommands, CCmdTarget)
    ON_COMMAND_RANGE(ID_TOOL_SET_FIRST, ID_TOOL_SET_FIRST + kMaxToolSets - 1, OnLoadToolSet)
    ON_COMMAND_RANGE(ID_MACRO_SET_FIRST, ID_MACRO_SET_FIRST + kMaxMacroSets - 1, OnLoadMacroSet)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TOOL_SET_FIRST, ID_TOOL_SET_FIRST + kMaxToolSets - 1, OnUpdateToolSet)
    ON_UPDATE_COMMAND_UI_RANGE(ID_MACRO_SET_FIRST, ID_MACRO_SET_FIRST + kMaxMacroSets - 1, OnUpdateMacroSet)
END_MESSAGE_MAP()

void CSetCommands::RefreshToolSets()
{
    LoadToolSets(GetProgramFolder(), m_toolSetFiles);
    if (CMainFrame* frame = m_app.GetMainFrame())
        frame->RebuildUserToolMenu(FileTitles(m_toolSetFiles));
}

void CSetCommands::RefreshMacroSets()
{
    LoadMacroSets(GetProgramFolder(), m_macroSetFiles);
    if (CMainFrame* frame = m_app.GetMainFrame())
        frame->RebuildUserMacroMenu(FileTitles(m_macroSetFiles));
}

// A set command normally comes from the menu its update built; sent without the menu ever
// shown, it finds the sets first.
void CSetCommands::OnLoadToolSet(UINT id)
{
    const int n = (int)id - ID_TOOL_SET_FIRST;
    if (n >= m_toolSetFiles.GetSize())
        LoadToolSets(GetProgramFolder(), m_toolSetFiles);
    LoadSet(LoadToolFile, m_toolSetFiles, n, TheUserTools());
}

void CSetCommands::OnLoadMacroSet(UINT id)
{
    const int n = (int)id - ID_MACRO_SET_FIRST;
    if (n >= m_macroSetFiles.GetSize())
        LoadMacroSets(GetProgramFolder(), m_macroSetFiles);
    LoadSet(LoadMacroFile, m_macroSetFiles, n, TheUserMacros());
}

void CSetCommands::OnUpdateToolSet(CCmdUI* cmdUI)
{
    const int n = (int)cmdUI->m_nID - ID_TOOL_SET_FIRST;
    if (n == 0)
        RefreshToolSets();
    cmdUI->Enable(n < m_toolSetFiles.GetSize());
}

void CSetCommands::OnUpdateMacroSet(CCmdUI* cmdUI)
{
    const int n = (int)cmdUI->m_nID - ID_MACRO_SET_FIRST;
    if (n == 0)
        RefreshMacroSets();
    cmdUI->Enable(n < m_macroSetFiles.GetSize());
}
