#pragma once
#include "editor/inputaids/PaletteCommands.h"
#include "framework/ToolBar.h"

class CCmdUI;
class CFrameWnd;

// The four palette bars: control id, title, first tool-bar resource, docking side.
struct PaletteBarSpec {
    UINT barId;
    const char* title;
    UINT resourceId;
    DWORD dockSide;
};
constexpr int kPaletteBarCount = 4;
extern const PaletteBarSpec kPaletteBars[kPaletteBarCount];

// Bar ids (their tool-bar resources are the IDR_PALETTE_ names of editor/res/resource.h).
constexpr UINT kVariableBarId = 47234, kLettersBarId = 47238, kTypesBarId = 47236, kOperatorsBarId = 47242;

// One input palette: a tool bar whose buttons type words into the active view. Its buttons
// can be swapped for those of another resource (the layout switches, the capital toggle).
class CPaletteBar : public CToolBar {
public:
    BOOL CreatePalette(CFrameWnd* frame, const PaletteBarSpec& spec);
    // Loads the buttons of another resource and lays the frame out again.
    BOOL SwitchButtons(UINT resourceId);
};

// Makes the four bars in the frame and docks them at their sides.
BOOL CreatePaletteBars(CFrameWnd* frame, CPaletteBar (&bars)[kPaletteBarCount]);

// True for every command a palette button sends (word buttons, toggles, switches and
// dialog buttons, the Enter and Backspace actions), by its listed id.
bool IsPaletteCommand(UINT command);

// Carries out a palette command for the active view: types the button's word, flips a
// toggle, switches a bar's buttons, or runs a picker. False for the Enter and Backspace
// actions, which the view performs itself, and for other commands.
bool RunPaletteCommand(UINT command, PaletteInsertTarget& target, PaletteState& state, CFrameWnd* frame);

// The update state of a palette command for an active view: enabled, and the three toggles
// pressed while their flag is set. False for a command that is not the palettes'.
bool UpdatePaletteCommand(CCmdUI* cmdUI, const PaletteState& state);
