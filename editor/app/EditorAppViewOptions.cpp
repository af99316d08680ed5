// The application's view option commands: they work with or without an open document and
// bring every open view up to date.
#include "editor/app/EditorApp.h"

#include "editor/app/MainFrame.h"
#include "editor/settings/EditorSettings.h"
#include "editor/viewwindow/ViewOptions.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/CmdUI.h"
#include "framework/Document.h"

std::vector<CWrenView*> CEditorApp::GetOpenViews() const
{
    std::vector<CWrenView*> views;
    for (POSITION at = GetFirstDocument(); at != nullptr;) {
        CDocument* document = GetNextDocument(at);
        for (POSITION view = document->GetFirstViewPosition(); view != nullptr;)
            if (auto* wren = dynamic_cast<CWrenView*>(document->GetNextView(view)))
                views.push_back(wren);
    }
    return views;
}

void CEditorApp::OnViewOption(UINT id)
{
    CMainFrame* frame = GetMainFrame();
    auto* active = frame ? dynamic_cast<CWrenView*>(frame->GetActiveEditorView()) : nullptr;
    if (RunViewOptionCommand(TheEditorSettings(), id, GetOpenViews(), active))
        SaveEditorConfig();
    if (frame) {
        frame->SetColumnModePane(TheEditingModes().columnMode);
        frame->SetOverwritePane(TheEditingModes().overwriteMode);
    }
}

void CEditorApp::OnUpdateViewOption(CCmdUI* cmdUI)
{
    const ViewOptionState state = GetViewOptionState(TheEditorSettings(), cmdUI->m_nID);
    if (state.check >= 0)
        cmdUI->SetCheck(state.check);
    if (state.radio >= 0)
        cmdUI->SetRadio(state.radio);
    if (!state.text.IsEmpty() && cmdUI->m_menu)
        cmdUI->SetText(state.text);
}
