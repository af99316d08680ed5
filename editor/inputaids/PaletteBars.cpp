#include "editor/inputaids/PaletteBars.h"

#include "editor/res/resource.h"
#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"

const PaletteBarSpec kPaletteBars[kPaletteBarCount] = {
    {kVariableBarId, "变量工具条", IDR_PALETTE_VARIABLE_A, CBRS_ALIGN_TOP},
    {kLettersBarId, "数字和字母工具条", IDR_PALETTE_LETTERS_LOWER, CBRS_ALIGN_TOP},
    {kTypesBarId, "数据类型工具条", IDR_PALETTE_TYPES, CBRS_ALIGN_RIGHT},
    {kOperatorsBarId, "运算符工具条", IDR_PALETTE_OPERATORS, CBRS_ALIGN_RIGHT},
};

namespace {

// The commands that are no word button; the word buttons are PaletteWordText's.
const UINT kOtherCommands[] = {
    ID_PALETTE_LAYOUT_B, ID_PALETTE_LAYOUT_A, ID_PALETTE_CAPITAL_LETTERS, ID_PALETTE_SYMBOL_OPERATORS,
    ID_PALETTE_CAPITAL_NUMERALS, ID_PALETTE_ENTER, ID_PALETTE_BACKSPACE, ID_PALETTE_MORE_NAMES,
    ID_PALETTE_PHONETIC, ID_PALETTE_MORE_TYPES, ID_PALETTE_COLOR, ID_PALETTE_MORE_OPERATORS,
    ID_PALETTE_FORMAT, ID_PALETTE_MORE_LETTERS,
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
    case ID_PALETTE_CAPITAL_LETTERS:
        state.capitalLettersOn = !state.capitalLettersOn;
        if (CPaletteBar* bar = FindBar(frame, kLettersBarId))
            bar->SwitchButtons(state.capitalLettersOn ? IDR_PALETTE_LETTERS_UPPER : IDR_PALETTE_LETTERS_LOWER);
        return true;
    case ID_PALETTE_SYMBOL_OPERATORS:
        state.symbolOperatorsOn = !state.symbolOperatorsOn;
        return true;
    case ID_PALETTE_CAPITAL_NUMERALS:
        state.capitalNumeralsOn = !state.capitalNumeralsOn;
        return true;
    case ID_PALETTE_LAYOUT_B:
    case ID_PALETTE_LAYOUT_A:
        if (CPaletteBar* bar = FindBar(frame, kVariableBarId))
            bar->SwitchButtons(command == ID_PALETTE_LAYOUT_B ? IDR_PALETTE_VARIABLE_B : IDR_PALETTE_VARIABLE_A);
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
    case ID_PALETTE_CAPITAL_LETTERS:
        cmdUI->SetCheck(state.capitalLettersOn ? 1 : 0);
        break;
    case ID_PALETTE_SYMBOL_OPERATORS:
        cmdUI->SetCheck(state.symbolOperatorsOn ? 1 : 0);
        break;
    case ID_PALETTE_CAPITAL_NUMERALS:
        cmdUI->SetCheck(state.capitalNumeralsOn ? 1 : 0);
        break;
    }
    return true;
}
