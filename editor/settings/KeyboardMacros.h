#pragma once
#include <cstdint>
#include <vector>

#include "editor/settings/SettingsFiles.h"
#include "editor/settings/UserTools.h"
#include "framework/CString.h"

// Keyboard macros as they are stored: the recording buffer (slot 0 of the MacroSlotTable),
// the steps a view records while a macro is recorded, the ten macro slots with their Alt hot
// keys, and the macro sets of the program folder. Recording and replaying are the view's
// (editor/view/MacroRecorder.h).

enum MacroStepKind : int32_t {
    kStepCaretKey = 1,    // key code; modifiers held (hot-key bits: 1 Shift, 2 Ctrl, 4 Alt)
    kStepChar = 2,        // character code
    kStepString = 3,      // text
    kStepInsertFile = 4,  // path
    kStepFind = 5,        // find flags; pattern
    kStepReplace = 6,     // flags; pattern, replacement
    kStepGoTo = 7,        // line number
    kStepCommand = 8,     // command id
};

// One step as the view records and replays it. A caret key keeps every modifier held with
// it: Shift alone (1) is the selecting move that the file has always stored.
struct MacroStep {
    int32_t kind = 0;
    int32_t value1 = 0;
    int32_t value2 = 0;
    CString text;
    CString text2;
};

constexpr int kMacroSlots = 10;  // slots 1-10; slot 0 is the recording buffer
constexpr int kMaxMacroSets = 8;

// Appends a step to the record's four lists, each taking only what the kind needs.
void AppendMacroStep(CUserMacro& macro, const MacroStep& step);
// The steps of a record; false when the lists do not match the kinds (an unknown kind,
// missing or left-over values or texts).
bool DecodeMacroSteps(const CUserMacro& macro, std::vector<MacroStep>& steps);

// Whether a command step replays its command; others are skipped.
bool IsReplayableMacroCommand(int32_t commandId);
// Replay command of slot 1-10 (slot 10 is Alt+0), 0 for others; and back.
int MacroSlotCommand(int slot);
int MacroSlotOfCommand(int commandId);
// "&%d %s\t%s": slot number modulo 10, name ("[无名]" for an unnamed macro, "- 空 -" for an
// empty slot) and key text (else Alt and the digit).
CString MacroMenuText(const CUserMacro& macro, int slot);
// The first of slots 1-10 holding a macro whose hot key is vk with exactly these modifiers.
int FindMacroHotKey(const MacroSlotTable& macros, uint16_t vk, uint16_t modifiers);

// A macro file ("vuze.宏" or a macro set): every slot must hold well-formed steps and a
// hot key a hot-key control can hold.
SetFileLoad LoadMacroFile(const char* path, MacroSlotTable& macros);
void LoadMacroSets(const CString& programFolder, CStringArray& files);
