#include "editor/app/WorkspaceHost.h"

#include "editor/app/EditorApp.h"
#include "editor/app/MainFrame.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/AppEnvironment.h"

void CWorkspaceHost::ShowVocabularyLines(const CStringArray& lines)
{
    COutputBar& output = m_frame.GetOutputBar();
    output.ClearPage(TRUE);
    for (int i = 0; i < lines.GetSize(); ++i)
        output.AppendUnpagedLine(lines[i]);
}

void CWorkspaceHost::SetStatusText(const CString& text)
{
    m_frame.SetMessageText(text);
}

void CWorkspaceHost::PostOpenFile(const CString& file, int line)
{
    if (CEditorApp* app = TheEditorApp())
        app->PostOpenFile(file, line);
}

bool CWorkspaceHost::InsertIntoActiveView(const CString& text)
{
    auto* view = dynamic_cast<CWrenView*>(m_frame.GetActiveEditorView());
    if (view == nullptr)
        return false;
    view->PostPendingInsert(text);
    return true;
}

CString CWorkspaceHost::InstallFolder()
{
    return GetInstallationFolder();
}
