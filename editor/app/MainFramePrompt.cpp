// The main frame's vocabulary prompt popup: made with the frame, placed for the active view.
#include "editor/app/MainFrame.h"

#include "editor/app/EditorApp.h"
#include "framework/View.h"

bool CMainFrame::CreatePromptPopup()
{
    if (!m_prompt.Create(this))
        return false;
    if (CEditorApp* app = TheEditorApp()) {
        const CUserSettings& user = app->GetUserSettings();
        PromptDelays delays;
        delays.popup = user.promptOpenTicks;
        delays.spaceSelect = user.promptSpaceTicks;
        delays.timeout = user.promptCloseTicks;
        m_prompt.State().SetDelays(delays);
    }
    return true;
}

void CMainFrame::ShowHintWindow(int x, int y, const char* prefix, int tableIndex)
{
    if (m_prompt.GetSafeHwnd())
        m_prompt.ShowFor(POINT{x, y}, prefix, tableIndex, GetActiveEditorView());
}
