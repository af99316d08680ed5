#include "editor/app/ViewOptionCommands.h"

#include "editor/app/EditorApp.h"
#include "editor/app/MainFrame.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/viewwindow/ViewOptions.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/CmdUI.h"
#include "framework/Document.h"

BEGIN_MESSAGE_MAP(CViewOptionCommands, CCmdTarget)
    ON_COMMAND_RANGE(ID_EDIT_COLUMN_MODE, ID_EDIT_COLUMN_MODE, OnViewOption)
    ON_COMMAND_RANGE(ID_EDIT_OVERWRITE, ID_EDIT_OVERWRITE, OnViewOption)
    ON_COMMAND_RANGE(ID_VIEW_LINE_NUMBERS, ID_VIEW_LINE_NUMBERS, OnViewOption)
    ON_COMMAND_RANGE(ID_VIEW_SCREEN_FONT_DEFAULT, ID_VIEW_PRINTER_FONT_3, OnViewOption)
    ON_COMMAND_RANGE(ID_VIEW_SPACING_100, ID_VIEW_SPACING_200, OnViewOption)
    ON_COMMAND_RANGE(ID_VIEW_TAB_SIZE_2, ID_VIEW_TAB_SIZE_16, OnViewOption)
    ON_COMMAND_RANGE(ID_VIEW_SHOW_SPACES, ID_VIEW_ITALIC_COMMENTS, OnViewOption)
    ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_COLUMN_MODE, ID_EDIT_COLUMN_MODE, OnUpdateViewOption)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_LINE_NUMBERS, ID_VIEW_LINE_NUMBERS, OnUpdateViewOption)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_SCREEN_FONT_DEFAULT, ID_VIEW_PRINTER_FONT_3, OnUpdateViewOption)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_SPACING_100, ID_VIEW_SPACING_200, OnUpdateViewOption)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_TAB_SIZE_2, ID_VIEW_TAB_SIZE_16, OnUpdateViewOption)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_SHOW_SPACES, ID_VIEW_ITALIC_COMMENTS, OnUpdateViewOption)
END_MESSAGE_MAP()

void CViewOptionCommands::OnViewOption(UINT id)
{
    CMainFrame* frame = m_app.GetMainFrame();
    auto* active = frame ? dynamic_cast<CWrenView*>(frame->GetActiveEditorView()) : nullptr;
    if (RunViewOptionCommand(TheEditorSettings(), id, m_app.GetOpenViews(), active))
        m_app.SaveEditorConfig();
    if (frame) {
        frame->SetColumnModePane(TheEditingModes().columnMode);
        frame->SetOverwritePane(TheEditingModes().overwriteMode);
    }
}

void CViewOptionCommands::OnUpdateViewOption(CCmdUI* cmdUI)
{
    const ViewOptionState state = GetViewOptionState(TheEditorSettings(), cmdUI->m_nID);
    if (state.check >= 0)
        cmdUI->SetCheck(state.check);
    if (state.radio >= 0)
        cmdUI->SetRadio(state.radio);
    if (!state.text.IsEmpty() && cmdUI->m_menu)
        cmdUI->SetText(state.text);
}
