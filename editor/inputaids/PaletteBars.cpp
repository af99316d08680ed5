#include "editor/inputaids/PaletteBars.h"

#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"

const PaletteBarSpec kPaletteBars[kPaletteBarCount] = {
    {kVariableBarId, "变量工具条", kVariableLayoutA, CBRS_ALIGN_TOP},
    {kLettersBarId, "数字和字母工具条", kLowerCaseLetters, CBRS_ALIGN_TOP},
    {kTypesBarId, "数据类型工具条", 236, CBRS_ALIGN_RIGHT},
    {kOperatorsBarId, "运算符工具条", 242, CBRS_ALIGN_RIGHT},
};

namespace {

constexpr UINT kLayoutBSwitch = 33115, kLayoutASwitch = 33125, kCapitalLettersToggle = 33094,
               kSymbolOperatorsToggle = 33116, kCapitalNumeralsToggle = 33117, kEnterAction = 33199,
               kBackspaceAction = 33050;

// The commands that are no word button; the word buttons are PaletteWordText's.
const UINT kOtherCommands[] = {
    kLayoutBSwitch, kLayoutASwitch, kCapitalLettersToggle, kSymbolOperatorsToggle, kCapitalNumeralsToggle,
    kEnterAction,   kBackspaceAction, 33200, 33201, 33203, 33204, 33205, 33123, 33238,
};

UINT DockBarFor(DWORD side)
{
    return side == CBRS_ALIGN_RIGHT ? AFX_IDW_DOCKBAR_RIGHT : AFX_IDW_DOCKBAR_TOP;
}

CPaletteBar* FindBar(CFrameWnd* frame, UINT barId)
{
    return frame ? static_cast<CPaletteBar*>(frame->GetControlBar(barId)) : nullptr;
}

} // namespace

BOOL CPaletteBar::CreatePalette(CFrameWnd* frame, const PaletteBarSpec& spec)
{
    DWORD style = WS_CHILD | WS_VISIBLE | spec.dockSide | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!CreateEx(frame, TBSTYLE_FLAT, style, CRect(0, 0, 0, 0), spec.barId) || !LoadToolBar(spec.resourceId))
        return FALSE;
    SetWindowText(spec.title);
    EnableDocking(CBRS_ALIGN_ANY);
    return TRUE;
}

BOOL CPaletteBar::SwitchButtons(UINT resourceId)
{
    if (!LoadToolBar(resourceId))
        return FALSE;
    if (CFrameWnd* frame = GetDockingFrame())
        frame->RecalcLayout();
    return TRUE;
}

BOOL CreatePaletteBars(CFrameWnd* frame, CPaletteBar (&bars)[kPaletteBarCount])
{
    frame->EnableDocking(CBRS_ALIGN_ANY);
    for (int i = 0; i < kPaletteBarCount; ++i) {
        if (!bars[i].CreatePalette(frame, kPaletteBars[i]))
            return FALSE;
        frame->DockControlBar(&bars[i], DockBarFor(kPaletteBars[i].dockSide));
    }
    return TRUE;
}

bool IsPaletteCommand(UINT command)
{
    static const PaletteState anyState;
    if (PaletteWordText(command, anyState))
        return true;
    for (UINT other : kOtherCommands)
        if (other == command)
            return true;
    return false;
}

bool RunPaletteCommand(UINT command, PaletteInsertTarget& target, PaletteState& state, CFrameWnd* frame)
{
    if (const char* word = PaletteWordText(command, state)) {
        target.InsertPaletteText(word);
        return true;
    }
    switch (command) {
    case kCapitalLettersToggle:
        state.capitalLettersOn = !state.capitalLettersOn;
        if (CPaletteBar* bar = FindBar(frame, kLettersBarId))
            bar->SwitchButtons(state.capitalLettersOn ? kUpperCaseLetters : kLowerCaseLetters);
        return true;
    case kSymbolOperatorsToggle:
        state.symbolOperatorsOn = !state.symbolOperatorsOn;
        return true;
    case kCapitalNumeralsToggle:
        state.capitalNumeralsOn = !state.capitalNumeralsOn;
        return true;
    case kLayoutBSwitch:
    case kLayoutASwitch:
        if (CPaletteBar* bar = FindBar(frame, kVariableBarId))
            bar->SwitchButtons(command == kLayoutBSwitch ? kVariableLayoutB : kVariableLayoutA);
        return true;
    default:
        return RunPalettePicker(command, target, state);
    }
}

bool UpdatePaletteCommand(CCmdUI* cmdUI, const PaletteState& state)
{
    if (!IsPaletteCommand(cmdUI->m_nID))
        return false;
    cmdUI->Enable(TRUE);
    switch (cmdUI->m_nID) {
    case kCapitalLettersToggle:
        cmdUI->SetCheck(state.capitalLettersOn ? 1 : 0);
        break;
    case kSymbolOperatorsToggle:
        cmdUI->SetCheck(state.symbolOperatorsOn ? 1 : 0);
        break;
    case kCapitalNumeralsToggle:
        cmdUI->SetCheck(state.capitalNumeralsOn ? 1 : 0);
        break;
    }
    return true;
}
