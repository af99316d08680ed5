#pragma once
#include <windows.h>

class CWnd;

// What the palettes remember for the run of the program; everything starts at 0 (word
// operators, lower case, ordinary numerals, long format directives, black) and is never
// saved.
struct PaletteState {
    int symbolOperatorsOn = 0;
    int capitalLettersOn = 0;
    int capitalNumeralsOn = 0;
    int formatFormChoice = 0;
    COLORREF lastChosenColor = 0;
};

// The process-wide palette state.
PaletteState& ThePaletteState();

// The text a word button of the palettes types under the state's toggles; null for a
// command that is no word button (toggles, switches, dialog buttons, Enter and Backspace).
const char* PaletteWordText(UINT command, const PaletteState& state);

// Where a palette puts what it types: the active editor view.
class PaletteInsertTarget {
public:
    virtual ~PaletteInsertTarget() = default;
    // Inserts at the caret as one edit group; never called with an empty text.
    virtual void InsertPaletteText(const char* text) = 0;
    // Inserts after the current message has finished, reading the pending-insert markers.
    virtual void PostPendingInsert(const char* text) = 0;
    // The window the pickers are owned by.
    virtual CWnd* PickerOwner() = 0;
};

// Runs the picker or colour chooser of a palette dialog button and hands the result to the
// target; Cancel or an empty result inserts nothing. False when `command` opens no dialog.
bool RunPalettePicker(UINT command, PaletteInsertTarget& target, PaletteState& state);
