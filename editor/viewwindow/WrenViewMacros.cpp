#include "editor/viewwindow/WrenView.h"

#include "editor/dialogs/SmallDialogs.h"
#include "editor/dialogs/SearchPrompts.h"
#include "editor/res/resource.h"
#include "editor/view/MacroPlayer.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"

namespace {

// Keeps the editing modes (the status bar's pane, the refusal of undo) in step with the
// recorder.
class ModesFollowRecording : public MacroRecordingObserver {
public:
    void RecordingChanged(bool recording) override { TheEditingModes().macroRecording = recording; }
};

} // namespace

KeyboardMacroRecorder& TheMacroRecorder()
{
    static ModesFollowRecording observer;
    static KeyboardMacroRecorder recorder(TheUserMacros(), &observer);
    return recorder;
}

void CWrenView::ListenForMacroSteps()
{
    m_searchFlow->onPrepared = [](const IViewPrompts::SearchRequest& request, bool replace) {
        if (replace)
            TheMacroRecorder().RecordReplace(request.text, request.replacement, request.flags);
        else
            TheMacroRecorder().RecordFind(request.text, request.flags | (request.searchUp ? kRecordedFindUpward : 0));
    };
    m_searchFlow->onWentToLine = [](int line) { TheMacroRecorder().RecordGoTo(line); };
    m_searchFlow->onCommandRun = [](int commandId) { TheMacroRecorder().RecordCommand(commandId); };
}

bool CWrenView::MatchToolHotKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    const int slot = FindToolHotKey(TheUserTools(), (uint16_t)msg.wParam, HeldHotKeyModifiers());
    return slot != 0 && PostMessage(WM_COMMAND, ToolSlotCommand(slot), 0);
}

bool CWrenView::MatchMacroHotKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    const int slot = FindMacroHotKey(TheUserMacros(), (uint16_t)msg.wParam, HeldHotKeyModifiers());
    return slot != 0 && PostMessage(WM_COMMAND, MacroSlotCommand(slot), 0);
}

bool CWrenView::ReplayMacro(int slot)
{
    if (!m_engine)
        return false;
    CMacroPlayer player(*m_commands, *m_search, *m_groups, *m_prompts, *this);
    const MacroReplay result = player.Replay(TheMacroRecorder(), slot);
    if (result == MacroReplay::kRefusedWhileRecording)
        return false;
    RepaintNow();
    UpdateAllOtherViews();
    PlaceCaret();
    return result == MacroReplay::kReplayed;
}

void CWrenView::OnMacroRecord()
{
    CDefineMacroDlg dialog(this);
    const MacroSlotTable& macros = TheUserMacros();
    for (int slot = 1; slot <= kMacroSlots; ++slot)
        dialog.m_slotNames[slot] = macros[slot].name;
    if (dialog.DoModal() != IDOK)
        return;
    const int slot = dialog.m_selectedSlot;
    if (slot >= 1 && slot <= kMacroSlots)
        TheMacroRecorder().Start(slot, dialog.m_slotNames[slot]);
}

void CWrenView::OnMacroStop()
{
    const CString path = GetProgramFolder() + "\\" + kUserMacrosFile;
    if (!TheMacroRecorder().Stop(path)) {
        CString message;
        message.Format("创建文件\"%s\"失败!", (LPCTSTR)path);
        AfxMessageBox(message, MB_ICONERROR);
    }
}

void CWrenView::OnMacroReplay(UINT id)
{
    ReplayMacro(MacroSlotOfCommand((int)id));
}

void CWrenView::OnUpdateMacroRecord(CCmdUI* cmdUI) { cmdUI->Enable(!TheMacroRecorder().IsRecording()); }
void CWrenView::OnUpdateMacroStop(CCmdUI* cmdUI) { cmdUI->Enable(TheMacroRecorder().IsRecording()); }

void CWrenView::OnUpdateMacroSlot(CCmdUI* cmdUI)
{
    const int slot = MacroSlotOfCommand((int)cmdUI->m_nID);
    if (slot < 1 || slot > kMacroSlots)
        return;
    const CUserMacro& macro = TheUserMacros()[slot];
    cmdUI->SetText(MacroMenuText(macro, slot));
    cmdUI->Enable(!macro.kinds.IsEmpty());
}
